// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

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

} // namespace win32
