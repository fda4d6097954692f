// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The generators' C interface for the web page, over the module's own
// memory and nothing else. For each input of a button's row, in its
// order, the page writes an edit field's UTF-8 bytes into the buffer that
// brenvik_text() hands out, or gives a drop-down list's index to
// brenvik_choice(); brenvik_run() then runs the row's action, and the page
// reads brenvik_result_size() bytes at brenvik_result() (see PageResult.h).

#include "Actions.h"
#include "PageResult.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#define BRENVIK_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

namespace form = brenvik::form;

// As many inputs as the longest row has.
constexpr std::size_t MostInputs = [] {
    std::size_t most = 0;
    for (const form::Window *window : form::Windows)
        for (const form::Control &control : window->controls)
            most = std::max(most, control.click.inputs.size());
    return most;
}();

std::array<form::InputValue, MostInputs> inputs;
std::string result;

} // namespace

// A buffer of `size` bytes for the text of input `slot`, valid until the
// next call.
BRENVIK_EXPORT(brenvik_text) char *BrenvikText(std::uint32_t slot, std::uint32_t size)
{
    std::string &text = inputs.at(slot).text;
    text.resize(size);
    return text.data();
}

// The selected index of the drop-down list that is input `slot`.
BRENVIK_EXPORT(brenvik_choice) void BrenvikChoice(std::uint32_t slot, std::int32_t index)
{
    inputs.at(slot).index = index;
}

// Runs the action with this number (form::Action) over the inputs; returns
// the result's kind, or -1 for an action that makes no list.
BRENVIK_EXPORT(brenvik_run) std::int32_t BrenvikRun(std::int32_t action)
{
    const std::optional<brenvik::ListOutcome> outcome
        = form::RunAction(static_cast<form::Action>(action), inputs);
    if (!outcome)
        return -1;
    return static_cast<std::int32_t>(brenvik::web::WriteResult(*outcome, result));
}

BRENVIK_EXPORT(brenvik_result) const char *BrenvikResult()
{
    return result.data();
}

BRENVIK_EXPORT(brenvik_result_size) std::uint32_t BrenvikResultSize()
{
    return static_cast<std::uint32_t>(result.size());
}
