// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// How the two windows stand: frames and client sizes, where every control
// sits and what it says, the status bar, and every fixed text fitting its
// control, at 96 DPI and again after a move to a monitor at 144 DPI.

#include "Expected.h"
#include "ExpectedLayout.h"
#include "Resources.h"
#include "Win32TestSupport.h"

#include <doctest/doctest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace testing;
namespace id = ControlId;
namespace layout = brenvik::expect::layout;

namespace {

constexpr UINT dpis[] = {96, 144};

// Moves the window to a monitor of `dpi`, as the window system tells it.
void MoveToDpi(HWND window, UINT dpi)
{
    RECT suggested{};
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

int Scaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

LONG_PTR Style(HWND window)
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

// The work area's centre, and the window's.
void CheckCentred(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    CHECK(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)) <= 1);
    CHECK(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)) <= 1);
}

// What the text of a control needs, in the control's own font.
SIZE Needs(HWND control, std::string_view text)
{
    SIZE extent{};
    const std::wstring wide = win32::Wide(text);
    if (HDC dc = GetDC(control)) {
        const HGDIOBJ before
            = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(control, dc);
    }
    return extent;
}

// Where the text of a label ends when drawn in its font with nothing to
// stop it: its last inked column, plus one.
int InkWidth(HWND label)
{
    const std::wstring text = win32::Wide(Text(label));
    const SIZE needs = Needs(label, Text(label));
    const int width = needs.cx * 2;
    const int height = needs.cy;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont
        = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT area{0, 0, width, height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    int ink = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255))
                ink = x + 1;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return ink;
}

// Whether the control's font has a real glyph, not the missing-glyph box,
// for every character of `text`.
bool RealLetters(HWND control, std::string_view text)
{
    const std::wstring wide = win32::Wide(text);
    std::vector<WORD> glyphs(wide.size());
    const HDC dc = GetDC(control);
    const HGDIOBJ before
        = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const DWORD done = GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                                        GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return done == wide.size() && std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

// The face the system really draws a control's font with.
std::wstring RealFace(HWND control)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ before
        = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return face;
}

// The font setup scripts/test-windows.sh runs the suite in, if any.
std::string FontSetup()
{
    char name[32] = {};
    const DWORD length = GetEnvironmentVariableA("BRENVIK_FONT_SETUP", name, sizeof name);
    return length > 0 && length < sizeof name ? name : "";
}

} // namespace

TEST_SUITE("layout")
{
    TEST_CASE("the main window: frame, client area, centred, first tab")
    {
        TfrmMain window;
        OpenMain main(window);
        const LONG_PTR style = Style(main.handle);
        CHECK((style & WS_CAPTION) == WS_CAPTION);
        CHECK((style & WS_SYSMENU) != 0);
        CHECK((style & WS_MINIMIZEBOX) != 0);
        CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
        CHECK(Text(main.handle) == "Brenvik Config Assistant V1.02");
        CHECK(ClientSize(main.handle).cx == layout::mainClient.width);
        CHECK(ClientSize(main.handle).cy == layout::mainClient.height);
        CheckCentred(main.handle);
        CHECK(TabCtrl_GetCurSel(main[id::Of("MainPage")]) == 0);
        CHECK(IsWindowVisible(main[id::Of("tbStudy")]));
        CHECK_FALSE(IsWindowVisible(main[id::Of("tabBeacon")]));
        CHECK(GetFocus() == main[id::Of("MainPage")]);
    }

    TEST_CASE("tabs, groups and controls stand where they belong, at 96 and at 144 DPI")
    {
        for (const UINT dpi : dpis) {
            CAPTURE(dpi);
            TfrmMain window;
            OpenMain main(window);
            MoveToDpi(main.handle, dpi);
            CHECK(ClientSize(main.handle).cx == Scaled(layout::mainClient.width, dpi));
            CHECK(ClientSize(main.handle).cy == Scaled(layout::mainClient.height, dpi));

            const HWND tabs = main[id::Of("MainPage")];
            const char *const tabTexts[]
                = {"Study Function for Master Role", "iBeacon function for Slave Role", "Quorinet&&Zelvane"};
            REQUIRE(TabCtrl_GetItemCount(tabs) == 3);
            for (int index = 0; index < 3; ++index) {
                wchar_t text[64] = {};
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = 64;
                TabCtrl_GetItem(tabs, index, &item);
                CHECK(win32::Utf8(text) == tabTexts[index]);
                CHECK(RealLetters(tabs, tabTexts[index]));
                // The strip holds every tab on one row, without scroll arrows.
                RECT tab{};
                TabCtrl_GetItemRect(tabs, index, &tab);
                CHECK(tab.right <= ClientSize(tabs).cx);
                CHECK(TabCtrl_GetRowCount(tabs) == 1);
            }

            for (const layout::DockedPage &docked : layout::dockedPages) {
                const HWND page = main[id::Of(docked.page)];
                const SIZE pageSize = ClientSize(page);
                int top = 0;
                for (const layout::Group &expected : docked.groups) {
                    const HWND group = main[id::Of(expected.name)];
                    CAPTURE(expected.caption);
                    CHECK(Text(group) == expected.caption);
                    const RECT rect = RectIn(group, page);
                    CHECK(rect.left == 0);
                    CHECK(Width(rect) == pageSize.cx);
                    CHECK(rect.top == top);
                    if (expected.height > 0)
                        CHECK(Height(rect) == Scaled(expected.height, dpi));
                    top = rect.bottom;
                }
                CHECK(top == pageSize.cy);
            }

            for (const layout::Place &placed : layout::places) {
                CAPTURE(placed.text);
                const HWND control = main[id::Of(placed.name)];
                REQUIRE(control);
                CHECK(Text(control) == placed.text);
                CHECK(RealLetters(control, placed.text));
                const HWND page = GetParent(control);
                const RECT origin = !placed.group.empty() ? RectIn(main[id::Of(placed.group)], page) : RECT{};
                const RECT rect = RectIn(control, page);
                CHECK(rect.left - origin.left == Scaled(placed.left, dpi));
                CHECK(rect.top - origin.top == Scaled(placed.top, dpi));
                if (placed.width > 0)
                    CHECK(Width(rect) == Scaled(placed.width, dpi));
                if (placed.height > 0)
                    CHECK(Height(rect) == Scaled(placed.height, dpi));
                // Every fixed text fits its control, to the last inked pixel
                // of a label, and stays inside its group.
                const SIZE needs = Needs(control, placed.text);
                if (placed.name == "btnShow" || placed.name == "btniBeacon")
                    CHECK(needs.cx + Scaled(8, dpi) <= Width(rect));
                else if (placed.width == 0) {
                    CHECK(needs.cx <= Width(rect));
                    CHECK(InkWidth(control) <= Width(rect));
                    CHECK(needs.cy <= Height(rect));
                }
                if (!placed.group.empty())
                    CHECK(rect.right <= origin.right - Scaled(2, dpi));
            }
            // The caption of each group fits beside its frame.
            for (const layout::DockedPage &docked : layout::dockedPages)
                for (const layout::Group &expected : docked.groups) {
                    const HWND group = main[id::Of(expected.name)];
                    CHECK(Needs(group, expected.caption).cx + Scaled(16, dpi) <= ClientSize(group).cx);
                    CHECK(RealLetters(group, expected.caption));
                }
            // So do the items of the drop-down list.
            const HWND type = main[id::Of("cbUUIDType")];
            for (const std::string_view item : brenvik::form::UuidTypes)
                CHECK(Needs(type, item).cx + GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) + Scaled(6, dpi)
                      <= ClientSize(type).cx);
            // The label before it ends before it.
            const HWND typeLabel = main[id::Of("lbUUIDType")];
            CHECK(RectIn(typeLabel, main[id::Of("tbStudy")]).left + InkWidth(typeLabel)
                  < RectIn(type, main[id::Of("tbStudy")]).left);
        }
    }

    TEST_CASE("the status bar: two panels, the web address centred and read right to left, no size grip")
    {
        for (const UINT dpi : dpis) {
            CAPTURE(dpi);
            TfrmMain window;
            OpenMain main(window);
            MoveToDpi(main.handle, dpi);
            const HWND bar = main[id::Of("sbTitle")];
            CHECK((Style(bar) & SBARS_SIZEGRIP) == 0);
            const RECT rect = RectIn(bar, main.handle);
            CHECK(Height(rect) == Scaled(layout::statusBarHeight, dpi));
            CHECK(rect.bottom == ClientSize(main.handle).cy);
            CHECK(Width(rect) == ClientSize(main.handle).cx);

            int edges[3] = {};
            REQUIRE(SendMessageW(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)) == 2);
            CHECK(edges[0] == Scaled(layout::webPanelWidth, dpi));
            CHECK(edges[1] == -1);
            wchar_t text[64] = {};
            const auto first
                = static_cast<DWORD>(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text)));
            CHECK(win32::Utf8(text) == "\twww.brenvik.example"); // the tab centres it
            CHECK((HIWORD(first) & SBT_RTLREADING) != 0);
            SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
            CHECK(win32::Utf8(text) == "support@brenvik.example");
            CHECK(Needs(bar, "www.brenvik.example").cx <= Scaled(layout::webPanelWidth, dpi));

            // The system's font for status text, not the form's.
            NONCLIENTMETRICSW metrics{};
            metrics.cbSize = sizeof metrics;
            SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(bar, WM_GETFONT, 0, 0)), sizeof font, &font);
            CHECK(std::wstring(font.lfFaceName) == metrics.lfStatusFont.lfFaceName);
            CHECK(font.lfHeight == metrics.lfStatusFont.lfHeight);
        }
    }

    TEST_CASE("the form's font: one face for both windows, 12 pixels high, scaled, the one this font setup "
              "should give")
    {
        // What each setup of scripts/test-windows.sh gives: a face without
        // Latin letters changes nothing; a GB2312 face with them is taken.
        // AR PL UMing's Latin letters are wider at 144 DPI than at 96: its
        // longest help line no longer fits there.
        const struct {
            std::string_view setup;
            UINT dpi;
            std::wstring_view face;
        } expected[] = {
            {"wine", 96, L"MS Sans Serif"},          {"wine", 144, L"MS Sans Serif"},
            {"cjk-no-latin", 96, L"MS Sans Serif"},  {"cjk-no-latin", 144, L"MS Sans Serif"},
            {"gb2312-latin", 96, L"AR PL UMing CN"}, {"gb2312-latin", 144, L"MS Sans Serif"},
        };
        for (const UINT dpi : dpis) {
            CAPTURE(dpi);
            TfrmMain window;
            OpenMain main(window);
            MoveToDpi(main.handle, dpi);
            TfrmResult frmResult;
            frmResult.Create(main.handle);
            MoveToDpi(frmResult.Handle(), dpi);
            const std::wstring face = RealFace(main[id::Of("lbBuilding")]);
            MESSAGE("font setup '" << FontSetup() << "' at " << dpi << " DPI: " << win32::Utf8(face));
            for (const HWND control :
                 {main[id::Of("edtCharNotify")], main[id::Of("GBUUIDType")], main[id::Of("btnShow")],
                  main[id::Of("lbBuilding")], Control(frmResult.Handle(), id::Of("memLog")),
                  Control(frmResult.Handle(), id::Of("btnOK"))}) {
                const auto handle = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
                LOGFONTW font{};
                GetObjectW(handle, sizeof font, &font);
                CHECK(font.lfHeight == -Scaled(12, dpi));
                CHECK(RealFace(control) == face);
                CHECK(win32::FormFaceFits(font, {dpi}));
            }
            for (const auto &row : expected)
                if (row.setup == FontSetup() && row.dpi == dpi)
                    CHECK(face == row.face);
        }
    }

    TEST_CASE("a face is taken only with real letters for every text, and each fitting its control")
    {
        // Rows whose face this system lacks are skipped: the system would
        // put in another.
        const struct {
            std::wstring_view face;
            BYTE charSet;
            int height;
            UINT dpi;
            bool usable;
        } faces[] = {
            {L"MS Sans Serif", DEFAULT_CHARSET, 12, 96, true},
            {L"MS Sans Serif", DEFAULT_CHARSET, 12, 144, true},
            {L"Tahoma", DEFAULT_CHARSET, 12, 96, false}, // "Chose UUID type:" runs into the list
            {L"Tahoma", DEFAULT_CHARSET, 24, 96, false}, // too high for a field
            {L"Marlett", SYMBOL_CHARSET, 12, 96, false}, // symbols, no letters
            {L"Wingdings", SYMBOL_CHARSET, 12, 144, false},
            {L"Droid Sans Fallback", GB2312_CHARSET, 12, 96, false}, // CJK without Latin letters
            {L"AR PL UMing CN", GB2312_CHARSET, 12, 96, true},
            {L"AR PL UMing CN", GB2312_CHARSET, 12, 144, false}, // a help line runs out of its group
        };
        for (const auto &row : faces) {
            CAPTURE(win32::Utf8(row.face));
            CAPTURE(row.height);
            CAPTURE(row.dpi);
            LOGFONTW font{};
            font.lfHeight = -Scaled(row.height, row.dpi);
            font.lfCharSet = row.charSet;
            row.face.copy(font.lfFaceName, LF_FACESIZE - 1);
            const HDC dc = CreateCompatibleDC(nullptr);
            const HFONT made = CreateFontIndirectW(&font);
            const HGDIOBJ before = SelectObject(dc, made);
            wchar_t face[LF_FACESIZE] = {};
            GetTextFaceW(dc, LF_FACESIZE, face);
            SelectObject(dc, before);
            DeleteObject(made);
            DeleteDC(dc);
            if (row.face == face)
                CHECK(win32::FormFaceFits(font, {row.dpi}) == row.usable);
        }
    }

    TEST_CASE("the fields: lengths, defaults, nothing but the fields, the list and the buttons takes input")
    {
        TfrmMain window;
        OpenMain main(window);
        const struct {
            int field;
            WPARAM limit;
        } fields[] = {{id::Of("edtCharNotify"), 36},
                      {id::Of("edtCharWrite"), 36},
                      {id::Of("edtiBeaconUUID"), 36},
                      {id::Of("edtiBeaconMajor"), 5},
                      {id::Of("edtiBeaconMinor"), 5}};
        for (const auto &field : fields)
            CHECK(static_cast<WPARAM>(SendMessageW(main[field.field], EM_GETLIMITTEXT, 0, 0)) == field.limit);
        CHECK(SendMessageW(main[id::Of("cbUUIDType")], CB_GETCOUNT, 0, 0) == 2);
        CHECK((Style(main[id::Of("cbUUIDType")]) & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST);
        for (const int button : {id::Of("btnShow"), id::Of("btniBeacon")})
            CHECK((Style(main[button]) & BS_TYPEMASK) == BS_PUSHBUTTON);
        CHECK(HIWORD(SendMessageW(main.handle, DM_GETDEFID, 0, 0)) != DC_HASDEFID);
        for (const int still : {id::Of("lbUUIDType"), id::Of("GBHelp"), id::Of("imgLogo"),
                                id::Of("lbBuilding"), id::Of("sbTitle")})
            CHECK((Style(main[still]) & WS_TABSTOP) == 0);
    }

    TEST_CASE("the icons hold images for 100, 150 and 200 percent")
    {
        const struct {
            int resource;
            std::vector<int> sizes;
        } icons[]
            = {{BRENVIK_ICON_PROGRAM, {16, 24, 32, 48, 64, 256}}, {BRENVIK_ICON_LOGO, {16, 32, 48, 64}}};
        for (const auto &icon : icons) {
            CAPTURE(icon.resource);
            const HMODULE module = GetModuleHandleW(nullptr);
            const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(icon.resource),
                                              MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
            REQUIRE(found);
            // The icon group: a 6-byte header, then 14 bytes per image, the width first (0 for 256).
            const auto *group = static_cast<const BYTE *>(LockResource(LoadResource(module, found)));
            const int count = group[4] | group[5] << 8;
            std::vector<int> sizes;
            sizes.reserve(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i)
                sizes.push_back(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
            std::sort(sizes.begin(), sizes.end());
            CHECK(sizes == icon.sizes);
        }
    }

    TEST_CASE("the command list window: frame, client area, centred, the text area and OK")
    {
        for (const UINT dpi : dpis) {
            CAPTURE(dpi);
            TfrmMain window;
            OpenMain main(window);
            TfrmResult frmResult;
            frmResult.Create(main.handle);
            const HWND list = frmResult.Handle();
            MoveToDpi(list, dpi);
            const LONG_PTR style = Style(list);
            CHECK((style & WS_SYSMENU) != 0);
            CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
            CHECK(Text(list) == "AT Commands List");
            CHECK(ClientSize(list).cx == Scaled(layout::resultClient.width, dpi));
            CHECK(ClientSize(list).cy == Scaled(layout::resultClient.height, dpi));
            if (dpi == 96)
                CheckCentred(list);
            // Owned by the window it blocks, so that it stays in front of it.
            CHECK(GetWindow(list, GW_OWNER) == main.handle);

            const RECT group = RectIn(Control(list, id::Of("GBResult")), list);
            CHECK(group.left == Scaled(layout::resultGroup.left, dpi));
            CHECK(group.top == Scaled(layout::resultGroup.top, dpi));
            CHECK(Width(group) == Scaled(layout::resultGroup.width, dpi));
            CHECK(Height(group) == Scaled(layout::resultGroup.height, dpi));
            CHECK(Text(Control(list, id::Of("GBResult"))).empty());
            const HWND memLog = Control(list, id::Of("memLog"));
            // The text covers the group whole, so that one frame, its own,
            // stands around it; the group lies under it.
            const RECT text = RectIn(memLog, list);
            CHECK(EqualRect(&text, &group));
            CHECK((GetWindowLongPtrW(memLog, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
            CHECK(GetWindow(Control(list, id::Of("GBResult")), GW_HWNDNEXT) == nullptr);
            const LONG_PTR memStyle = Style(memLog);
            CHECK((memStyle & (ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL))
                  == (ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL));
            CHECK((memStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL)) == 0);
            CHECK(Text(memLog).empty());

            const HWND ok = Control(list, id::Of("btnOK"));
            const RECT button = RectIn(ok, list);
            CHECK(button.left == Scaled(layout::okButton.left, dpi));
            CHECK(button.top == Scaled(layout::okButton.top, dpi));
            CHECK(Width(button) == Scaled(layout::okButton.width, dpi));
            CHECK(Height(button) == Scaled(layout::okButton.height, dpi));
            CHECK(Text(ok) == "OK");
            CHECK((Style(ok) & BS_TYPEMASK) == BS_PUSHBUTTON);
            CHECK(Needs(ok, "OK").cx < Width(button));
        }
    }
}
