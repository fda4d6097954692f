// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// The generators by the name a button's row gives them: what a click
// makes of the values of its inputs. Needs no exceptions, so that the web
// page's WebAssembly module runs it too.

#include "CommandList.h"
#include "FormLayout.h"

#include <optional>
#include <span>
#include <string>

namespace brenvik::form {

// The value of one of a click's inputs: an edit field's text (UTF-8), or a
// drop-down list's selected index.
struct InputValue {
    std::string text;
    int index = 0;
};

// What `action` makes of `values`, given in the order of its row's inputs;
// nothing for an action that makes no list, or too few values.
[[nodiscard]] std::optional<ListOutcome> RunAction(Action action, std::span<const InputValue> values);

} // namespace brenvik::form
