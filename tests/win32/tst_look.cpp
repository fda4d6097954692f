// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// How the windows look and whom they show themselves to: the tab pages in
// the visual style's tab body, or the classic button face without one, with
// every control drawn over that background; the keyboard cues; the
// windows' class names.

#include "Win32TestSupport.h"

#include <doctest/doctest.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>
#include <vector>

using namespace testing;
namespace id = ControlId;

namespace {

// A window's client area as it stands on the screen, children included.
class Snapshot
{
public:
    explicit Snapshot(HWND window)
        : size(ClientSize(window))
    {
        const HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        // A colour no look uses: whatever is left of it was never drawn.
        const RECT all{0, 0, size.cx, size.cy};
        const HBRUSH unset = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, unset);
        DeleteObject(unset);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HDC source = GetDC(window);
        BitBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        ReleaseDC(window, source);
    }
    ~Snapshot()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;
    [[nodiscard]] COLORREF At(POINT point) const { return GetPixel(dc, point.x, point.y); }

private:
    SIZE size;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

// What a part of the tab control's visual style draws at `point` of a
// `size` area: the colour a page must show there.
COLORREF ThemeColour(int part, SIZE size, POINT point)
{
    const HTHEME theme = OpenThemeData(nullptr, L"TAB");
    REQUIRE(theme != nullptr);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    DrawThemeBackground(theme, dc, part, 0, &all, nullptr);
    const COLORREF colour = GetPixel(dc, point.x, point.y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    CloseThemeData(theme);
    return colour;
}

// The look scripts/test-windows.sh runs the suite with, if any: "themed"
// (Wine's Light visual style) or "classic" (ThemeActive 0).
std::string Look()
{
    char name[16] = {};
    const DWORD length = GetEnvironmentVariableA("BRENVIK_LOOK", name, sizeof name);
    return length > 0 && length < sizeof name ? name : "";
}

POINT Centre(const RECT &rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void MoveToDpi(HWND window, UINT dpi)
{
    RECT suggested{};
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

UINT UiState(HWND window)
{
    return static_cast<UINT>(SendMessageW(window, WM_QUERYUISTATE, 0, 0));
}

} // namespace

TEST_SUITE("look")
{
    TEST_CASE("the pages show the tab body up to the tab control's frame, with every control over it")
    {
        if (Look() == "themed")
            CHECK(IsAppThemed());
        if (Look() == "classic")
            CHECK_FALSE(IsAppThemed());
        const bool themed = IsAppThemed() != FALSE;
        // A spot on each page with nothing on it, and controls whose edges
        // show the page: a label's room after its text, the space above a
        // group's frame beside its caption, the logo's transparent corner.
        const struct {
            int tab;
            int page;
            POINT empty; // at 96 DPI, in the page
            int controls[3];
        } pages[] = {
            {0,
             id::Of("tbStudy"),
             {450, 100},
             {id::Of("lbCharNotify"), id::Of("GBUUIDWrite"), id::Of("lbHelp4")}},
            {1,
             id::Of("tabBeacon"),
             {480, 230},
             {id::Of("lbiBeaconHelp1"), id::Of("gbiBeaconUUID"), id::Of("lbiBeaconMinor")}},
            {2, id::Of("TabSheet1"), {20, 20}, {id::Of("imgLogo"), id::Of("lbBuilding"), 0}},
        };
        for (const UINT dpi : {96U, 144U})
            for (const auto &row : pages) {
                CAPTURE(dpi);
                CAPTURE(row.tab);
                TfrmMain window;
                OpenMain main(window);
                MoveToDpi(main.handle, dpi);
                main.ShowTab(row.tab);
                const HWND page = main[row.page];
                const SIZE size = ClientSize(page);
                const POINT empty{MulDiv(row.empty.x, static_cast<int>(dpi), 96),
                                  MulDiv(row.empty.y, static_cast<int>(dpi), 96)};
                const COLORREF expected
                    = themed ? ThemeColour(TABP_BODY, size, empty) : GetSysColor(COLOR_BTNFACE);
                // The tab control's own body, which shows in any gap between
                // its frame and the page, is the same colour: no band.
                const COLORREF pane = themed ? ThemeColour(TABP_PANE, size, Centre({0, 0, size.cx, size.cy}))
                                             : GetSysColor(COLOR_BTNFACE);
                const Snapshot shot(page);
                CHECK(shot.At(empty) == expected);
                CHECK(pane == expected);
                for (const int control : row.controls) {
                    if (control == 0)
                        continue;
                    CAPTURE(control);
                    const RECT rect = RectIn(main[control], page);
                    // Right above the frame, or after the text, or the corner.
                    const POINT edge
                        = control == id::Of("imgLogo") ? POINT{rect.left, rect.top}
                          : (control == id::Of("GBUUIDWrite") || control == id::Of("gbiBeaconUUID"))
                              ? POINT{rect.right - 4, rect.top + 1}
                              : POINT{rect.right - 1, Centre(rect).y};
                    CHECK(shot.At(edge) == expected);
                    if (control == id::Of("imgLogo")) { // the logo itself is drawn
                        int inked = 0;
                        for (int y = rect.top; y < rect.bottom; ++y)
                            for (int x = rect.left; x < rect.right; ++x)
                                inked += shot.At({x, y}) != expected ? 1 : 0;
                        CHECK(inked > Width(rect) * Height(rect) / 8);
                    }
                }
            }
    }

    TEST_CASE("the windows start with the keyboard cues the last input asks for, and Tab shows them")
    {
        BOOL cues = FALSE;
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0);
        const UINT hidden = cues != FALSE ? 0 : UISF_HIDEFOCUS | UISF_HIDEACCEL;
        TfrmMain window;
        OpenMain main(window);
        CHECK(UiState(main.handle) == hidden);
        CHECK(UiState(main[id::Of("btnShow")]) == hidden);
        {
            TfrmResult frmResult;
            frmResult.Create(main.handle);
            CHECK(UiState(frmResult.Handle()) == hidden);
            CHECK(UiState(Control(frmResult.Handle(), id::Of("btnOK"))) == hidden);
        }
        PressKey(window, VK_TAB);
        CHECK((UiState(main.handle) & UISF_HIDEFOCUS) == 0);
        CHECK((UiState(GetFocus()) & UISF_HIDEFOCUS) == 0);
    }

    TEST_CASE("tools find the windows by the form's class names")
    {
        TfrmMain window;
        OpenMain main(window);
        CHECK(FindWindowW(L"TfrmMain", L"Brenvik Config Assistant V1.02") == main.handle);
        TfrmResult frmResult;
        frmResult.Create(main.handle);
        CHECK(ClassName(frmResult.Handle()) == "TfrmResult");
    }
}
