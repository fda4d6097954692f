// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Text between the program's UTF-8 and the window system's UTF-16.

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

[[nodiscard]] std::wstring Wide(std::string_view utf8);
[[nodiscard]] std::string Utf8(std::wstring_view text);
[[nodiscard]] std::wstring WindowText(HWND window);
// What the user typed, as the generators read it: UTF-8.
[[nodiscard]] std::string WindowTextUtf8(HWND window);

} // namespace win32
