// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormLayout.h"

#include <QWidget>

#include <span>
#include <vector>

// The widgets of one window of the form's description, made by walking its
// table: one widget per row, named after it, in its parent, in the
// description's making order, each where the description places it, then
// put in the window's keyboard order. How each kind of control is made in
// Qt is written here; what it says and where it stands comes from the
// table.
class FormWidgets
{
public:
    explicit FormWidgets(const brenvik::form::Window &window)
        : window(window)
    { }

    // Makes the window's controls in `root`, the window itself.
    void Build(QWidget *root);

    // The widget of the named control, as the type it was made with.
    template<typename Widget>
    [[nodiscard]] Widget *Get(brenvik::form::Text name) const
    {
        return qobject_cast<Widget *>(widgets.at(brenvik::form::IndexOf(window.controls, name)));
    }

private:
    [[nodiscard]] QWidget *Make(const brenvik::form::Control &control, QWidget *parent) const;
    // What the style keeps around what is docked in the tab widget and the groups.
    [[nodiscard]] brenvik::form::Insets StyleInsets() const;
    void Place() const;
    void SetKeyboardOrder(std::span<const std::size_t> order) const;

    const brenvik::form::Window &window;
    std::vector<QWidget *> widgets;
};
