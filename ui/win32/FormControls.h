// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DpiScale.h"
#include "FormLayout.h"

#include <windows.h>

#include <vector>

namespace win32 {

// The controls of one window of the form's description, made by walking its
// table: one control a row, with the row's control ID, in the description's
// making order, each where the description places it at the window's DPI.
// How each kind of control is made in Win32 is written here; what it says
// and where it stands comes from the table.
class FormControls
{
public:
    explicit FormControls(const brenvik::form::Window &window)
        : window(window)
    { }

    // Makes the controls in `frame`, the window itself. Tab pages are
    // windows of `pageClass`, handed `pageData` when they are made.
    void Create(HWND frame, const wchar_t *pageClass = nullptr, void *pageData = nullptr);
    // Places and sizes every control at `scale`, labels as large as their
    // text in `font`.
    void Layout(Scale scale, HFONT font) const;

    // The named control.
    [[nodiscard]] HWND operator[](brenvik::form::Text name) const
    {
        return handles.at(brenvik::form::IndexOf(window.controls, name));
    }
    // The tab pages, in the order of their tabs.
    [[nodiscard]] std::vector<HWND> Pages() const;

private:
    void CreateControl(std::size_t row, const wchar_t *pageClass, void *pageData);
    // What the tab control and the groups keep around what is docked in them, at `scale`.
    [[nodiscard]] brenvik::form::Insets Insets(Scale scale) const;
    [[nodiscard]] POINT Origin(std::size_t row, const brenvik::form::ControlPlaces &places) const;
    // What screen readers call the field in `row`: a drop-down list, the
    // label beside it (its hint); an edit field, its group's caption.
    [[nodiscard]] brenvik::form::Text FieldName(std::size_t row) const;
    [[nodiscard]] std::size_t ParentRow(std::size_t row) const;
    [[nodiscard]] HWND WindowParent(std::size_t row) const;

    const brenvik::form::Window &window;
    HWND frame = nullptr;
    std::vector<HWND> handles; // by row of the table
};

} // namespace win32
