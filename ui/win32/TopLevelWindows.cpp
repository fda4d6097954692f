// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "TopLevelWindows.h"

#include "Resources.h"

#include <commctrl.h>

#include <system_error>

namespace win32 {

using brenvik::form::MessageCaption;

void ThrowLastError(const char *what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

UniqueFont StatusFont(Scale scale)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, scale.dpi) == FALSE)
        return {};
    return UniqueFont(CreateFontIndirectW(&metrics.lfStatusFont));
}

UniqueIcon LoadIconAt(int resource, int size)
{
    return UniqueIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                                    IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void WindowIcons::Apply(HWND window, Scale scale)
{
    big = LoadIconAt(BRENVIK_ICON_PROGRAM, GetSystemMetricsForDpi(SM_CXICON, scale.dpi));
    small = LoadIconAt(BRENVIK_ICON_PROGRAM, GetSystemMetricsForDpi(SM_CXSMICON, scale.dpi));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
}

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring text(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

std::string Utf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    // Unpaired surrogates become U+FFFD: the generators then reject them
    // like any other character that is not a digit.
    const int size = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    return bytes;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string WindowTextUtf8(HWND window)
{
    return Utf8(WindowText(window));
}

HWND AddControl(HWND parent, const wchar_t *className, std::string_view text, DWORD style, int id,
                DWORD exStyle)
{
    HWND control = CreateWindowExW(exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                                   0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control)
        ThrowLastError("CreateWindowEx");
    return control;
}

void SetFontOfChildren(HWND window, HFONT font)
{
    EnumChildWindows(
        window,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

SIZE LabelSize(HDC dc, std::wstring_view text)
{
    RECT extent{};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Hinted glyphs can end a few pixels past the measured advance (seen
    // with substituted faces): one average character of room keeps the last
    // one whole.
    return {extent.right - extent.left + metrics.tmAveCharWidth, extent.bottom - extent.top};
}

namespace {

// Gives `window` a client area of `width` by `height` pixels at `scale`,
// with its top-left corner at `left`, `top`, or centred on the work area of
// its monitor when `centre`.
void PlaceWindow(HWND window, Scale scale, int width, int height, POINT topLeft, bool centre)
{
    const SIZE client{scale(width), scale(height)};
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), scale.dpi);
    SIZE outer{frame.right - frame.left, frame.bottom - frame.top};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    // An owned window opens on its owner's monitor.
    const HWND owner = GetWindow(window, GW_OWNER);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const auto place = [&] {
        if (centre) {
            const RECT &area = monitor.rcWork;
            topLeft = {area.left + (area.right - area.left - outer.cx) / 2,
                       area.top + (area.bottom - area.top - outer.cy) / 2};
        }
        SetWindowPos(window, nullptr, topLeft.x, topLeft.y, outer.cx, outer.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place();
    // The frame the window really has may differ from the one its DPI
    // suggests (a title bar drawn at another DPI): go by the client area.
    RECT real{};
    GetClientRect(window, &real);
    if (real.right != client.cx || real.bottom != client.cy) {
        outer.cx += client.cx - real.right;
        outer.cy += client.cy - real.bottom;
        place();
    }
}

} // namespace

void SizeAndCentre(HWND window, Scale scale, int width, int height)
{
    PlaceWindow(window, scale, width, height, {}, true);
}

void SizeAt(HWND window, Scale scale, int width, int height, const RECT &suggested)
{
    PlaceWindow(window, scale, width, height, {suggested.left, suggested.top}, false);
}

bool ShowMessage(HWND owner, std::string_view text, UINT icon)
{
    // The texts are ASCII, or a reason the system gave in the local code page.
    return MessageBoxA(owner, std::string(text).c_str(), MessageCaption.data(), MB_OK | icon) != 0;
}

void KeepFocus(HWND window, WPARAM activation, HWND &focusBeforeDeactivation)
{
    if (LOWORD(activation) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus) != FALSE)
            focusBeforeDeactivation = focus;
    } else if (HIWORD(activation) == 0 && focusBeforeDeactivation != nullptr
               && IsWindow(focusBeforeDeactivation) != FALSE) {
        SetFocus(focusBeforeDeactivation);
    }
}

void RegisterFormClass(const wchar_t *name, WNDPROC procedure, ClassIcon icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    if (icon == ClassIcon::program) {
        // Kept by the class for the life of the process.
        const auto load = [&](int metric) {
            return static_cast<HICON>(
                LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(BRENVIK_ICON_PROGRAM), IMAGE_ICON,
                           GetSystemMetrics(metric), GetSystemMetrics(metric), LR_SHARED));
        };
        windowClass.hIcon = load(SM_CXICON);
        windowClass.hIconSm = load(SM_CXSMICON);
    }
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowLastError("RegisterClassEx");
}

} // namespace win32
