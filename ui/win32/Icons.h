// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// The program's icons, loaded at the size a DPI asks for.

#include "DpiScale.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

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

} // namespace win32
