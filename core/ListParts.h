// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CommandList.h"

#include <array>
#include <string>
#include <string_view>

// Pieces of command lists that both generators use.
namespace brenvik {

[[nodiscard]] std::string Concat(std::string_view prefix, std::string_view rest);

// The three opening lines of every list, up to and including "AT+RENEW".
void AppendOnceHeading(CommandList &list);

// "AT+IBE0" to "AT+IBE3", each followed by 8 digits of a 32-digit UUID.
[[nodiscard]] std::array<std::string, 4> UuidQuarterCommands(std::string_view uuid32);

} // namespace brenvik
