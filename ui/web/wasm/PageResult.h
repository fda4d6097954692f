// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What the web page reads of a generator's outcome, as bytes: for a list,
// its lines each ended by a line feed; for a rejection, the name of the
// field to focus (empty for none), a line feed and the message. The test
// that compares the WebAssembly build with the native one uses it too.

#include "CommandList.h"
#include "FormLayout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace brenvik::web {

enum class ResultKind : std::int32_t { list = 0, rejection = 1 };

// Writes the outcome's bytes into `out` and returns its kind.
inline ResultKind WriteResult(const ListOutcome &outcome, std::string &out)
{
    out.clear();
    if (const auto *list = std::get_if<CommandList>(&outcome)) {
        for (const std::string &line : *list) {
            out += line;
            out += '\n';
        }
        return ResultKind::list;
    }
    const auto &rejection = std::get<InputRejection>(outcome);
    out += form::FieldName(rejection.focus);
    out += '\n';
    out += rejection.message;
    return ResultKind::rejection;
}

} // namespace brenvik::web
