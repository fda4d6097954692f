// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What both windows do as top-level windows: their classes and the object
// each belongs to, a client area of fixed size centred on its monitor, the
// focus kept across deactivation, and the one way this program shows a
// message box; and how a refusal of the window system is reported.

#include "DpiScale.h"

#include <windows.h>

#include <string_view>

namespace win32 {

// Reports that the window system refused `what`, with its reason.
[[noreturn]] void ThrowLastError(const char *what);

// Gives a top-level window a client area of `width` by `height` pixels at
// 96 DPI, scaled, and centres it on the work area of its monitor.
void SizeAndCentre(HWND window, Scale scale, int width, int height);
// The same after the window's DPI has changed: the size for the new DPI, at
// the place the window system suggests.
void SizeAt(HWND window, Scale scale, int width, int height, const RECT &suggested);

// A modal message box owned by `owner`, with MessageCaption as its caption,
// the given icon and exactly one OK button. Returns when it is dismissed;
// false when the box could not be shown.
bool ShowMessage(HWND owner, std::string_view text, UINT icon);

// Keeps the focus of a plain (non-dialog) window across its deactivation:
// call it on WM_ACTIVATE with the message's wParam and a place to keep the
// control that had the focus.
void KeepFocus(HWND window, WPARAM activation, HWND &focusBeforeDeactivation);

// The object a window of this program belongs to: handed to CreateWindowEx
// as its creation parameter and kept with the window from then on. Call it
// from the window procedure with each message.
template<typename Form>
[[nodiscard]] Form *FormOf(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams));
    return reinterpret_cast<Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Registers one of the program's window classes; a class that is already
// registered (by an earlier window of the same kind) is fine.
// Top-level windows carry the program's icon from their class, in the
// sizes of the system's DPI.
enum class ClassIcon { none, program };
void RegisterFormClass(const wchar_t *name, WNDPROC procedure, ClassIcon icon = ClassIcon::none);

} // namespace win32
