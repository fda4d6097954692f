// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What the page draws around the room it gives docked controls, in CSS
// pixels, as form.css draws it: a tab control's row of tabs (21) and its
// pages' margin (4); a group's frame (2) and, at its top, its caption's
// line (15). tools/form-facts works out the page's places with them.

#include "FormLayout.h"

namespace brenvik::web {

inline constexpr form::Insets PageInsets{
    .tabPages = {4, 21 + 4, 4, 4},
    .group = {2, 15, 2, 2},
    .plainGroup = {2, 15, 2, 2},
};

} // namespace brenvik::web
