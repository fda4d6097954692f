// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brenvik {

// The lines of a generated command list, in order. An empty string is a
// blank line of its own. Every line is 7-bit ASCII.
using CommandList = std::vector<std::string>;

// The input fields a rejection can send the keyboard focus to, named after
// the main window's controls.
enum class FocusField {
    none,
    edtCharNotify,
    edtCharWrite,
    edtiBeaconUUID,
    edtiBeaconMajor,
    edtiBeaconMinor,
};

// The first failed check of a request: its fixed message and the field that
// receives the focus afterwards.
struct InputRejection {
    std::string_view message; // always one of the texts in Texts.h
    FocusField focus = FocusField::none;

    friend bool operator==(const InputRejection &, const InputRejection &) = default;
};

// What a generator returns: the rejection, or the list to show.
using ListOutcome = std::variant<InputRejection, CommandList>;

} // namespace brenvik
