// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// A text as a JSON string, for the tools that print the program's data for
// the browser page and its suites. The texts are 7-bit ASCII without
// control characters: quotes and backslashes are all that need escaping.

#include <string>
#include <string_view>

inline std::string JsonQuoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}
