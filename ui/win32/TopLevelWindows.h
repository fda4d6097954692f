// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What both windows share: pixel scaling by the window's DPI, the form's
// font, text in the window system's UTF-16, placing and centring, and the
// one way this program shows a message box.

#include "FormText.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace win32 {

// The sizes in the windows are given in pixels at 96 DPI and scaled to the
// DPI of the monitor the window is on.
struct Scale {
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    [[nodiscard]] int operator()(int pixels) const
    {
        return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    }
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Reports that the window system refused `what`, with its reason.
[[noreturn]] void ThrowLastError(const char *what);

// The form's font at `scale`: "MS Sans Serif", 12 pixels high, GB2312
// character set, or the first face after it that shows every fixed text of
// the windows in real letters and fitting its control (FormFont.cpp gives
// the order). Chosen once for each DPI.
[[nodiscard]] UniqueFont FormFont(Scale scale);
// Whether `font` has real letters for every fixed text of the windows, and
// each fits its control at `scale`.
[[nodiscard]] bool FormFaceFits(const LOGFONTW &font, Scale scale);
// The system's font for status text.
[[nodiscard]] UniqueFont StatusFont(Scale scale);
// One of the program's icons, at the size nearest to `size` pixels.
[[nodiscard]] UniqueIcon LoadIconAt(int resource, int size);

// The program's icon on a window, in the sizes its title bar and the
// taskbar ask for at the window's DPI, once that differs from the system's.
class WindowIcons
{
public:
    void Apply(HWND window, Scale scale);

private:
    UniqueIcon big;
    UniqueIcon small;
};

[[nodiscard]] std::wstring Wide(std::string_view utf8);
[[nodiscard]] std::string Utf8(std::wstring_view text);
[[nodiscard]] std::wstring WindowText(HWND window);
// What the user typed, as the generators read it: UTF-8.
[[nodiscard]] std::string WindowTextUtf8(HWND window);

// A child control with the given class, text, style and control ID.
HWND AddControl(HWND parent, const wchar_t *className, std::string_view text, DWORD style, int id,
                DWORD exStyle = 0);
// Sets the font of `window` and all its children.
void SetFontOfChildren(HWND window, HFONT font);
// The size a label needs to show its whole text in the font selected into `dc`.
[[nodiscard]] SIZE LabelSize(HDC dc, std::wstring_view text);

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
