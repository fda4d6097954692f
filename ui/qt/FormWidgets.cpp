// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FormWidgets.h"

#include "FormStyle.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace form = brenvik::form;

namespace {

// What a group's frame takes from the room of a control docked in it.
constexpr int groupFrameInset = 2;

// A parent whose docked children are stacked by a vertical layout: top ones
// from the top edge in table order, bottom ones upward from the bottom edge,
// the rest one (or, without one, empty space) between them.
struct Docking {
    QWidget *parent;
    QVBoxLayout *layout;
    int tops = 0;
    int bottoms = 0;
    bool rest = false;
};

Docking &DockingOf(std::vector<Docking> &dockings, QWidget *parent)
{
    for (Docking &docking : dockings)
        if (docking.parent == parent)
            return docking;
    auto *layout = new QVBoxLayout(parent);
    const int inset = qobject_cast<QGroupBox *>(parent) != nullptr ? groupFrameInset : 0;
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->setSpacing(0);
    return dockings.emplace_back(Docking{parent, layout});
}

void Dock(std::vector<Docking> &dockings, QWidget *parent, QWidget *widget, const form::Control &control)
{
    // A main window docks its own status bar and central widget.
    if (auto *main = qobject_cast<QMainWindow *>(parent)) {
        if (auto *bar = qobject_cast<QStatusBar *>(widget))
            main->setStatusBar(bar);
        else
            main->setCentralWidget(widget);
        return;
    }
    if (qobject_cast<QTabWidget *>(parent) != nullptr)
        return; // a page: the tab widget gives it its room
    Docking &docking = DockingOf(dockings, parent);
    switch (control.dock) {
    case form::Dock::top:
        widget->setFixedHeight(control.rect.height);
        docking.layout->insertWidget(docking.tops++, widget);
        break;
    case form::Dock::bottom:
        widget->setFixedHeight(control.rect.height);
        docking.layout->insertWidget(docking.layout->count() - docking.bottoms++, widget);
        break;
    case form::Dock::rest:
        docking.layout->insertWidget(docking.tops, widget, 1);
        docking.rest = true;
        break;
    case form::Dock::none:
        break;
    }
}

void Place(QWidget *widget, const form::Control &control)
{
    const form::Rect &rect = control.rect;
    if (rect.width == 0) { // a label, as large as its text
        widget->move(rect.left, rect.top);
        widget->adjustSize();
    } else {
        widget->setGeometry(rect.left, rect.top, rect.width,
                            rect.height > 0 ? rect.height : widget->sizeHint().height());
    }
}

QStatusBar *MakeStatusBar(const form::Control &control)
{
    // No size grip: the window has a fixed size.
    auto *bar = new QStatusBar;
    bar->setFixedHeight(control.rect.height);
    bar->setSizeGripEnabled(false);
    for (const form::StatusPanel &panel : form::StatusPanels) {
        auto *label = new QLabel(QtText(panel.text));
        if (panel.width > 0)
            label->setFixedWidth(panel.width);
        if (panel.centred)
            label->setAlignment(Qt::AlignCenter);
        if (panel.rightToLeft)
            label->setLayoutDirection(Qt::RightToLeft);
        bar->addWidget(label, panel.width > 0 ? 0 : 1);
    }
    return bar;
}

} // namespace

void FormWidgets::Build(QWidget *root)
{
    widgets.reserve(window.controls.size());
    std::vector<Docking> dockings;
    for (const form::Control &control : window.controls) {
        const std::size_t parentRow = form::IndexOf(window.controls, control.parent);
        QWidget *parent = parentRow < widgets.size() ? widgets[parentRow] : root;
        QWidget *widget = Make(control, parent);
        widget->setObjectName(QtText(control.name));
        if (control.dock != form::Dock::none)
            Dock(dockings, parent, widget, control);
        else
            Place(widget, control);
        widgets.push_back(widget);
    }
    // Fixed-height groups with nothing to fill the room between them keep
    // their places at the edges.
    // The window's own docking is done now, in its fixed size; the pages'
    // is done when the tab widget gives them theirs.
    for (const Docking &docking : dockings) {
        if (!docking.rest)
            docking.layout->insertStretch(docking.tops, 1);
        if (docking.parent == root)
            docking.layout->activate();
    }

    // Screen readers announce each field by its group's caption, then by
    // the hint under it; a drop-down list by its label.
    for (std::size_t row = 0; row < widgets.size(); ++row) {
        const form::Control &control = window.controls[row];
        if (control.kind == form::Kind::edit || control.kind == form::Kind::dropDown)
            widgets[row]->setAccessibleName(Get<QGroupBox>(control.parent)->title());
        if (control.hint.empty())
            continue;
        auto *hint = Get<QLabel>(control.hint);
        if (control.kind == form::Kind::dropDown)
            hint->setBuddy(widgets[row]);
        else
            widgets[row]->setAccessibleDescription(hint->text());
    }
    SetKeyboardOrder();
}

QWidget *FormWidgets::Make(const form::Control &control, QWidget *parent) const
{
    const QString text = QtText(control.text);
    switch (control.kind) {
    case form::Kind::tabs: {
        // In the form's font from the start, so that every label in it is
        // measured in that font; the status bar keeps the system's.
        auto *tabs = new QTabWidget(parent);
        tabs->setFont(FormFont());
        return tabs;
    }
    case form::Kind::page: {
        auto *page = new QWidget;
        qobject_cast<QTabWidget *>(parent)->addTab(page, text);
        return page;
    }
    case form::Kind::group:
        return new QGroupBox(text, parent);
    case form::Kind::label:
        return new QLabel(text, parent);
    case form::Kind::dropDown: {
        auto *list = new QComboBox(parent);
        for (const form::Text item : control.items)
            list->addItem(QtText(item));
        return list;
    }
    case form::Kind::edit: {
        auto *field = new QLineEdit(text, parent);
        field->setMaxLength(control.maxLength);
        return field;
    }
    case form::Kind::button: {
        // Never the default button: Enter in a field starts nothing.
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case form::Kind::image: {
        // An empty picture of its size holds its place, a picture to screen
        // readers too, until its window puts the image in.
        auto *image = new QLabel(parent);
        QPixmap placeholder(control.rect.width, control.rect.height);
        placeholder.fill(Qt::transparent);
        image->setPixmap(placeholder);
        image->setAccessibleName(text);
        return image;
    }
    case form::Kind::statusBar:
        return MakeStatusBar(control);
    case form::Kind::memo: {
        // Read and copied, never changed; Tab leaves it.
        auto *memo = new QPlainTextEdit(parent);
        memo->setReadOnly(true);
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setTabChangesFocus(true);
        return memo;
    }
    }
    return nullptr;
}

void FormWidgets::SetKeyboardOrder() const
{
    // Widgets of hidden pages are skipped, so each tab strip leads straight
    // to the controls of its own page.
    QWidget *previous = nullptr;
    for (int place = 1;; ++place) {
        std::size_t row = 0;
        while (row < widgets.size() && window.controls[row].tabOrder != place)
            ++row;
        if (row == widgets.size())
            return;
        QWidget *widget = widgets[row];
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            widget = tabs->tabBar();
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
