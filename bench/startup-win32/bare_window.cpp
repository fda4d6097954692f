// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The yardstick for the program's start: a plain Win32 window with the same
// controls as the main window (the same classes, texts, sizes, font, tab
// pages, status bar, icons and logo), written the shortest way, with the
// places of the form's description and no layout code. Prints the time to its first paint like
// bench-program-window and ends.
#include "FirstPaint.h"
#include "FormLayout.h"
#include "Resources.h"

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace form = brenvik::form;

namespace {

// A control of the main window, by name, while compiling.
consteval const form::Control &Row(form::Text name)
{
    return form::ControlNamed(form::MainWindow, name);
}

std::wstring Wide(std::string_view text)
{
    return {text.begin(), text.end()}; // the texts are ASCII
}

UINT dpi = USER_DEFAULT_SCREEN_DPI;
int S(int pixels)
{
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

HWND tabs = nullptr;
std::vector<HWND> pages;

HWND Add(HWND parent, const wchar_t *className, std::string_view text, DWORD style, int x, int y, int width,
         int height, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, S(x), S(y),
                           S(width), S(height), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A group with a field and its hint, at `top` in `page`.
void FieldGroup(HWND page, int width, int top, const form::Control &group, const form::Control &field)
{
    const form::Rect place = field.rect;
    const form::Rect hint = form::MainControls.at(form::IndexOf(form::MainControls, field.hint)).rect;
    Add(page, WC_BUTTONW, group.text, BS_GROUPBOX, 0, top, width, group.rect.height);
    HWND edit = Add(page, WC_EDITW, field.text, WS_TABSTOP | ES_AUTOHSCROLL, place.left, top + place.top,
                    place.width, place.height, WS_EX_CLIENTEDGE);
    SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(field.maxLength), 0);
    Add(page, WC_STATICW, form::MainControls.at(form::IndexOf(form::MainControls, field.hint)).text,
        SS_LEFT | SS_NOPREFIX, hint.left, top + hint.top, width - 2 * hint.left, 14);
}

// The help lines of a group at `top`.
void HelpLines(HWND page, int width, int top, std::span<const form::Text> lines)
{
    int line = 0;
    for (const std::string_view text : lines) {
        const form::Rect place = form::layout::HelpLine(line++);
        Add(page, WC_STATICW, text, SS_LEFT | SS_NOPREFIX, place.left, top + place.top,
            width - 2 * place.left, 14);
    }
}

void Button(HWND page, int top, const form::Control &button)
{
    Add(page, WC_BUTTONW, button.text, WS_TABSTOP | BS_PUSHBUTTON, button.rect.left, top + button.rect.top,
        button.rect.width, button.rect.height);
}

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code == TCN_SELCHANGE) {
            const int index = TabCtrl_GetCurSel(tabs);
            for (std::size_t i = 0; i < pages.size(); ++i)
                ShowWindow(pages[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A tab page passes what its controls report on to the main window.
LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_NOTIFY)
        return SendMessageW(GetParent(window), message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    const double mainMs = startup_bench::SinceCreation();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainProcedure;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(BRENVIK_ICON_PROGRAM));
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    windowClass.lpfnWndProc = PageProcedure;
    windowClass.hIcon = nullptr;
    windowClass.lpszClassName = L"BareTabPage";
    RegisterClassExW(&windowClass);

    HWND window = CreateWindowExW(0, L"BareWindow", Wide(form::MainWindow.caption).c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, nullptr, nullptr, hInstance, nullptr);
    dpi = GetDpiForWindow(window);
    const int width = form::MainWindow.clientWidth;
    const int height = form::MainWindow.clientHeight;
    const int statusHeight = Row("sbTitle").rect.height;

    HWND status = Add(window, STATUSCLASSNAMEW, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                      height - statusHeight, width, statusHeight);
    int parts[] = {S(form::StatusPanels.at(0).width), -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, SBT_RTLREADING,
                 reinterpret_cast<LPARAM>((L"\t" + Wide(form::StatusPanels.at(0).text)).c_str()));
    SendMessageW(status, SB_SETTEXTW, 1,
                 reinterpret_cast<LPARAM>(Wide(form::StatusPanels.at(1).text).c_str()));

    tabs = Add(window, WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, width, height - statusHeight);
    RECT area{0, 0, S(width), S(height - statusHeight)};
    for (const std::string_view caption :
         {Row("tbStudy").text, Row("tabBeacon").text, Row("TabSheet1").text}) {
        std::wstring text = Wide(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &item);
    }
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    for (int i = 0; i < 3; ++i)
        pages.push_back(CreateWindowExW(WS_EX_CONTROLPARENT, L"BareTabPage", L"", WS_CHILD | WS_CLIPSIBLINGS,
                                        area.left, area.top, area.right - area.left, area.bottom - area.top,
                                        window, nullptr, hInstance, nullptr));
    // In 96 DPI pixels from here on.
    const int pageWidth = MulDiv(area.right - area.left, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi));
    const int pageHeight = MulDiv(area.bottom - area.top, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi));

    // The groups' tops, stacked as they are docked.
    constexpr int notifyTop = Row("GBUUIDType").rect.height;
    constexpr int writeTop = notifyTop + Row("GBUUIDNotify").rect.height;
    constexpr int studyHelpTop = writeTop + Row("GBUUIDWrite").rect.height;
    const int buttonTop = pageHeight - Row("GBButton").rect.height;
    HWND study = pages[0];
    Add(study, WC_BUTTONW, Row("GBUUIDType").text, BS_GROUPBOX, 0, 0, pageWidth, notifyTop);
    const form::Rect typeLabel = Row("lbUUIDType").rect;
    const form::Rect typePlace = Row("cbUUIDType").rect;
    Add(study, WC_STATICW, Row("lbUUIDType").text, SS_LEFT | SS_NOPREFIX, typeLabel.left, typeLabel.top,
        typePlace.left - typeLabel.left - 4, 14);
    HWND type = Add(study, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, typePlace.left,
                    typePlace.top, typePlace.width, form::layout::DropDownHeight);
    for (const std::string_view item : Row("cbUUIDType").items)
        SendMessageW(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    SendMessageW(type, CB_SETCURSEL, 0, 0);
    FieldGroup(study, pageWidth, writeTop, Row("GBUUIDWrite"), Row("edtCharWrite"));
    FieldGroup(study, pageWidth, notifyTop, Row("GBUUIDNotify"), Row("edtCharNotify"));
    Add(study, WC_BUTTONW, Row("GBHelp").text, BS_GROUPBOX, 0, studyHelpTop, pageWidth,
        buttonTop - studyHelpTop);
    HelpLines(study, pageWidth, studyHelpTop, form::StudyHelp);
    Add(study, WC_BUTTONW, "", BS_GROUPBOX, 0, buttonTop, pageWidth, Row("GBButton").rect.height);
    Button(study, buttonTop, Row("btnShow"));

    constexpr int majorTop = Row("gbiBeaconUUID").rect.height;
    constexpr int minorTop = majorTop + Row("gbiBeaconMajor").rect.height;
    constexpr int beaconHelpTop = minorTop + Row("gbiBeaconMinor").rect.height;
    HWND beacon = pages[1];
    FieldGroup(beacon, pageWidth, minorTop, Row("gbiBeaconMinor"), Row("edtiBeaconMinor"));
    FieldGroup(beacon, pageWidth, 0, Row("gbiBeaconUUID"), Row("edtiBeaconUUID"));
    FieldGroup(beacon, pageWidth, majorTop, Row("gbiBeaconMajor"), Row("edtiBeaconMajor"));
    Add(beacon, WC_BUTTONW, Row("gbiBeaconHelp").text, BS_GROUPBOX, 0, beaconHelpTop, pageWidth,
        pageHeight - beaconHelpTop);
    HelpLines(beacon, pageWidth, beaconHelpTop, form::BeaconHelp);
    Button(beacon, beaconHelpTop, Row("btniBeacon"));

    HWND about = pages[2];
    const form::Rect logoPlace = Row("imgLogo").rect;
    HWND logo = Add(about, WC_STATICW, Row("imgLogo").text, SS_ICON, logoPlace.left, logoPlace.top,
                    logoPlace.width, logoPlace.height);
    const auto logoIcon
        = static_cast<HICON>(LoadImageW(hInstance, MAKEINTRESOURCEW(BRENVIK_ICON_LOGO), IMAGE_ICON,
                                        S(logoPlace.width), S(logoPlace.height), LR_DEFAULTCOLOR));
    SendMessageW(logo, STM_SETICON, reinterpret_cast<WPARAM>(logoIcon), 0);
    const form::Rect buildingPlace = Row("lbBuilding").rect;
    Add(about, WC_STATICW, Row("lbBuilding").text, SS_LEFT | SS_NOPREFIX, buildingPlace.left,
        buildingPlace.top, 80, 14);

    LOGFONTW font{};
    font.lfHeight = -S(form::FontPixelHeight);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    Wide(form::FontFace).copy(font.lfFaceName, LF_FACESIZE - 1);
    const HFONT formFont = CreateFontIndirectW(&font);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(formFont));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    const HFONT statusFont = CreateFontIndirectW(&metrics.lfStatusFont);
    SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont), FALSE);

    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(pages[0], SW_SHOW);
    RECT frame{0, 0, S(width), S(height)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const int outerWidth = frame.right - frame.left;
    const int outerHeight = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, (monitor.rcWork.left + monitor.rcWork.right - outerWidth) / 2,
                 (monitor.rcWork.top + monitor.rcWork.bottom - outerHeight) / 2, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const startup_bench::FirstPaintWatch watch(window, mainMs);
    ShowWindow(window, nShowCmd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    DestroyWindow(window);
    DeleteObject(formFont);
    DeleteObject(statusFont);
    DestroyIcon(logoIcon);
    return 0;
}
