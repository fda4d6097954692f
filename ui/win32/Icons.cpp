// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "Icons.h"

#include "Resources.h"

namespace win32 {

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

} // namespace win32
