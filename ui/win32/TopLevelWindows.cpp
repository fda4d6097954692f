// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "TopLevelWindows.h"

#include "FormText.h"
#include "Resources.h"

#include <system_error>

namespace win32 {

using brenvik::form::MessageCaption;

void ThrowLastError(const char *what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
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
