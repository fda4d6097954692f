// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// The form's font and the status bar's, each for a DPI.

#include "DpiScale.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

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
// Sets the font of `window` and all its children.
void SetFontOfChildren(HWND window, HFONT font);

} // namespace win32
