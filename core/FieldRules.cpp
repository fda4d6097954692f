// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FieldRules.h"

#include <algorithm>
#include <charconv>

namespace brenvik {

namespace {

bool IsTrimmed(char c) noexcept
{
    return static_cast<unsigned char>(c) <= 32;
}

std::uint32_t ParseDigits(std::string_view digits, int base) noexcept
{
    std::uint32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return value;
}

} // namespace

std::string_view TrimField(std::string_view text) noexcept
{
    const auto first = std::find_if_not(text.begin(), text.end(), IsTrimmed);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsTrimmed).base();
    return first < last ? std::string_view(first, last) : std::string_view();
}

std::string NormaliseField(std::string_view text, FieldKind kind)
{
    std::string result;
    const std::string_view trimmed = TrimField(text);
    result.reserve(trimmed.size());
    for (const char c : trimmed) {
        if (kind == FieldKind::uuid && c == '-')
            continue;
        // Only ASCII letters change; bytes above 127 are left alone.
        result.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return result;
}

bool AllHexDigits(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), IsHexDigit);
}

bool AllDecimalDigits(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), IsDecimalDigit);
}

std::uint32_t HexValue16(std::string_view fourHexDigits) noexcept
{
    return ParseDigits(fourHexDigits, 16);
}

std::uint32_t DecimalValue(std::string_view digits) noexcept
{
    return ParseDigits(digits, 10);
}

std::string UpperHex(std::uint32_t value, int width)
{
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::string result(static_cast<std::size_t>(width), '0');
    for (auto it = result.rbegin(); it != result.rend(); ++it, value >>= 4)
        *it = digits[value & 0xFU];
    return result;
}

} // namespace brenvik
