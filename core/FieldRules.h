// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The value rules shared by both generators. Texts are byte strings: a
// character is one byte, and embedded NUL bytes are ordinary characters.
namespace brenvik {

enum class FieldKind {
    value, // Major, Minor: dashes are kept (and then fail the digit check)
    uuid,  // UUID fields: dashes are ignored wherever they stand
};

// Removes leading and trailing bytes 0 to 32 (space and control characters).
// Byte 127 and bytes 128 to 255 are kept, as is everything inside the text.
[[nodiscard]] std::string_view TrimField(std::string_view text) noexcept;

// Trims, upper-cases "a" to "z" and, for UUID fields, removes every "-".
// Callers test for emptiness on TrimField's result, before this runs.
[[nodiscard]] std::string NormaliseField(std::string_view text, FieldKind kind);

// "0" to "9" and "A" to "F": applied after upper-casing.
[[nodiscard]] constexpr bool IsHexDigit(char c) noexcept
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

[[nodiscard]] constexpr bool IsDecimalDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

[[nodiscard]] bool AllHexDigits(std::string_view text) noexcept;
[[nodiscard]] bool AllDecimalDigits(std::string_view text) noexcept;

// The value of four hex digits; the caller has checked the digits.
[[nodiscard]] std::uint32_t HexValue16(std::string_view fourHexDigits) noexcept;

// The value of a text of decimal digits; the caller has checked the digits
// and that there are at most nine of them.
[[nodiscard]] std::uint32_t DecimalValue(std::string_view digits) noexcept;

// Both 16-bit values and decimal Major/Minor values must lie in 1..65535.
[[nodiscard]] constexpr bool IsAcceptedValue16(std::uint32_t value) noexcept
{
    return value >= 1 && value <= 65535;
}

// `value` as exactly `width` upper-case hex digits (higher digits dropped).
[[nodiscard]] std::string UpperHex(std::uint32_t value, int width);

} // namespace brenvik
