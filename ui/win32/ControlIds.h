// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormLayout.h"

#include <windows.h>

// The control ID of every control, from its row in the form's table: 100
// and up in the main window, 200 and up in the command list window. IDOK
// (1) and IDCANCEL (2) are left free: Enter and Escape send those, and no
// control must answer them.
namespace ControlId {

inline constexpr int mainFirst = 100;
inline constexpr int resultFirst = 200;

// The ID of the control in `row` of `window`'s table.
constexpr int OfRow(const brenvik::form::Window &window, std::size_t row)
{
    return (&window == &brenvik::form::ResultWindow ? resultFirst : mainFirst) + static_cast<int>(row);
}

// The row of `window`'s table whose control has this ID;
// window.controls.size() for none.
constexpr std::size_t RowOf(const brenvik::form::Window &window, int id)
{
    const int row = id - OfRow(window, 0);
    return row >= 0 && static_cast<std::size_t>(row) < window.controls.size() ? static_cast<std::size_t>(row)
                                                                              : window.controls.size();
}

// The ID of the named control; a name no window has does not build where
// the ID is a constant.
constexpr int Of(brenvik::form::Text name)
{
    for (const brenvik::form::Window *window : brenvik::form::Windows)
        if (const std::size_t row = brenvik::form::IndexOf(window->controls, name);
            row < window->controls.size())
            return OfRow(*window, row);
    brenvik::form::NoControlOfThatName();
    return 0;
}

// The control with this ID anywhere in `window`, for the tools that drive
// the windows from outside; nullptr when there is none.
inline HWND Find(HWND window, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) {
            auto *search = reinterpret_cast<Search *>(data);
            if (GetDlgCtrlID(child) != search->id)
                return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace ControlId
