// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The yardstick for the program's start: a plain Win32 window with the same
// controls as the main window (the same classes, texts, sizes, font, tab
// pages, status bar, icons and logo), written the shortest way, with
// fixed places and no layout code. Prints the time to its first paint like
// bench-program-window and ends.
#include "FirstPaint.h"
#include "FormText.h"
#include "Resources.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

namespace form = brenvik::form;

namespace {

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

// A group with a field and its hint, at `top` in `page`, 72 pixels high.
void FieldGroup(HWND page, int width, int top, std::string_view caption, std::string_view text,
                std::string_view hint, int length)
{
    Add(page, WC_BUTTONW, caption, BS_GROUPBOX, 0, top, width, 72);
    HWND field
        = Add(page, WC_EDITW, text, WS_TABSTOP | ES_AUTOHSCROLL, 8, top + 16, 497, 20, WS_EX_CLIENTEDGE);
    SendMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(length), 0);
    Add(page, WC_STATICW, hint, SS_LEFT | SS_NOPREFIX, 8, top + 48, width - 16, 14);
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

    HWND window = CreateWindowExW(0, L"BareWindow", Wide(form::MainCaption).c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, nullptr, nullptr, hInstance, nullptr);
    dpi = GetDpiForWindow(window);
    const int width = form::MainClientWidth;
    const int height = form::MainClientHeight;

    HWND status = Add(window, STATUSCLASSNAMEW, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                      height - 25, width, 25);
    int parts[] = {S(160), -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, SBT_RTLREADING,
                 reinterpret_cast<LPARAM>((L"\t" + Wide(form::WebAddress)).c_str()));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Wide(form::SupportAddress).c_str()));

    tabs = Add(window, WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, width, height - 25);
    RECT area{0, 0, S(width), S(height - 25)};
    for (const std::string_view caption : {form::StudyTab, form::BeaconTab, form::AboutTab}) {
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

    HWND study = pages[0];
    Add(study, WC_BUTTONW, form::UuidTypeCaption, BS_GROUPBOX, 0, 0, pageWidth, 41);
    Add(study, WC_STATICW, form::UuidTypeLabel, SS_LEFT | SS_NOPREFIX, 8, 19, 100, 14);
    HWND type = Add(study, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 112, 16, 393, 80);
    for (const std::string_view item : form::UuidTypes)
        SendMessageW(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    SendMessageW(type, CB_SETCURSEL, 0, 0);
    FieldGroup(study, pageWidth, 113, form::WriteCaption, form::WriteDefault, form::WriteHint,
               form::UuidFieldLength);
    FieldGroup(study, pageWidth, 41, form::NotifyCaption, form::NotifyDefault, form::NotifyHint,
               form::UuidFieldLength);
    Add(study, WC_BUTTONW, form::HelpCaption, BS_GROUPBOX, 0, 185, pageWidth, pageHeight - 185 - 44);
    int top = 185 + 24;
    for (const std::string_view line : form::StudyHelp) {
        Add(study, WC_STATICW, line, SS_LEFT | SS_NOPREFIX, 8, top, pageWidth - 16, 14);
        top += 16;
    }
    Add(study, WC_BUTTONW, "", BS_GROUPBOX, 0, pageHeight - 44, pageWidth, 44);
    Add(study, WC_BUTTONW, form::ShowButton, WS_TABSTOP | BS_PUSHBUTTON, 344, pageHeight - 44 + 11, 155, 25);

    HWND beacon = pages[1];
    FieldGroup(beacon, pageWidth, 144, form::MinorCaption, form::MinorDefault, form::MinorHint,
               form::ValueFieldLength);
    FieldGroup(beacon, pageWidth, 0, form::BeaconUuidCaption, form::BeaconUuidDefault, form::BeaconUuidHint,
               form::UuidFieldLength);
    FieldGroup(beacon, pageWidth, 72, form::MajorCaption, form::MajorDefault, form::MajorHint,
               form::ValueFieldLength);
    Add(beacon, WC_BUTTONW, form::HelpCaption, BS_GROUPBOX, 0, 216, pageWidth, pageHeight - 216);
    top = 216 + 24;
    for (const std::string_view line : form::BeaconHelp) {
        Add(beacon, WC_STATICW, line, SS_LEFT | SS_NOPREFIX, 8, top, pageWidth - 16, 14);
        top += 16;
    }
    Add(beacon, WC_BUTTONW, form::BeaconButton, WS_TABSTOP | BS_PUSHBUTTON, 272, 216 + 80, 227, 25);

    HWND about = pages[2];
    HWND logo = Add(about, WC_STATICW, form::LogoName, SS_ICON, 112, 134, 32, 32);
    const auto logoIcon = static_cast<HICON>(LoadImageW(hInstance, MAKEINTRESOURCEW(BRENVIK_ICON_LOGO),
                                                        IMAGE_ICON, S(32), S(32), LR_DEFAULTCOLOR));
    SendMessageW(logo, STM_SETICON, reinterpret_cast<WPARAM>(logoIcon), 0);
    Add(about, WC_STATICW, form::Building, SS_LEFT | SS_NOPREFIX, 168, 144, 80, 14);

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
