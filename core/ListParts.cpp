// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ListParts.h"

#include "Texts.h"

namespace brenvik {

std::string Concat(std::string_view prefix, std::string_view rest)
{
    std::string line;
    line.reserve(prefix.size() + rest.size());
    line.append(prefix).append(rest);
    return line;
}

void AppendOnceHeading(CommandList &list)
{
    list.emplace_back(texts::onceHeading);
    list.emplace_back(texts::onceUnderline);
    list.emplace_back(texts::renew);
}

std::array<std::string, 4> UuidQuarterCommands(std::string_view uuid32)
{
    constexpr std::size_t quarter = 8;
    std::array<std::string, 4> commands;
    for (std::size_t i = 0; i < commands.size(); ++i)
        commands[i] = Concat(texts::uuidQuarterPrefixes[i], uuid32.substr(i * quarter, quarter));
    return commands;
}

} // namespace brenvik
