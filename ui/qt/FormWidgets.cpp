// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FormWidgets.h"

#include "FontAndIcons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

#include <span>

namespace form = brenvik::form;

namespace {

// What a group's frame takes from the room of a control docked in it,
// besides the margins its style keeps for the frame and the caption.
constexpr int groupFrameInset = 2;

// A tab widget that tells where its style puts the pages.
class FormTabWidget : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;

    // What the style keeps around the pages, the frame and the row of
    // tabs, as the widget lays them out when shown: the same edges at any
    // size that holds the tabs.
    [[nodiscard]] form::Edges PageEdges(QSize size) const
    {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(), size);
        const QRect pages = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
        return {pages.left(), pages.top(), size.width() - 1 - pages.right(),
                size.height() - 1 - pages.bottom()};
    }
};

form::Edges GroupEdges(const QGroupBox *group)
{
    const QMargins margins = group->contentsMargins() + groupFrameInset;
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

QStatusBar *MakeStatusBar(QWidget *parent)
{
    // No size grip: the window has a fixed size.
    auto *bar = new QStatusBar(parent);
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
    // A main window's own status bar, which it keeps along its bottom edge.
    if (auto *main = qobject_cast<QMainWindow *>(parent))
        main->setStatusBar(bar);
    return bar;
}

} // namespace

void FormWidgets::Build(QWidget *root)
{
    widgets.assign(window.controls.size(), nullptr);
    const form::ControlRows making = form::MakingOrder(window);
    const std::span<const std::size_t> order(making.data(), widgets.size());
    for (const std::size_t row : order) {
        const form::Control &control = window.controls[row];
        const std::size_t parentRow = form::IndexOf(window.controls, control.parent);
        QWidget *widget = Make(control, parentRow < widgets.size() ? widgets[parentRow] : root);
        widget->setObjectName(QtText(control.name));
        widgets[row] = widget;
    }
    Place();

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
    SetKeyboardOrder(order);
}

form::Insets FormWidgets::StyleInsets() const
{
    form::Insets insets;
    for (std::size_t row = 0; row < widgets.size(); ++row) {
        const form::Control &control = window.controls[row];
        if (control.kind == form::Kind::tabs)
            insets.tabPages = static_cast<const FormTabWidget *>(widgets[row])
                                  ->PageEdges(QSize(window.clientWidth, window.clientHeight));
        else if (control.kind == form::Kind::group)
            (control.text.empty() ? insets.plainGroup : insets.group)
                = GroupEdges(Get<QGroupBox>(control.name));
    }
    return insets;
}

void FormWidgets::Place() const
{
    const form::ControlPlaces places = form::PlaceControls(window, StyleInsets());
    for (std::size_t row = 0; row < widgets.size(); ++row) {
        const form::Rect &place = places.at(row);
        QWidget *widget = widgets[row];
        const form::Kind kind = window.controls[row].kind;
        // A page is given the same room by its tab widget when shown.
        if (kind == form::Kind::page)
            continue;
        // A main window keeps its status bar at the bar's own height.
        if (kind == form::Kind::statusBar)
            widget->setFixedHeight(place.height);
        if (place.width == 0) { // a label, as large as its text
            widget->move(place.left, place.top);
            widget->adjustSize();
        } else {
            widget->setGeometry(place.left, place.top, place.width,
                                place.height > 0 ? place.height : widget->sizeHint().height());
        }
    }
}

QWidget *FormWidgets::Make(const form::Control &control, QWidget *parent) const
{
    const QString text = QtText(control.text);
    switch (control.kind) {
    case form::Kind::tabs: {
        // In the form's font from the start, so that every label in it is
        // measured in that font; the status bar keeps the system's.
        auto *tabs = new FormTabWidget(parent);
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
        return MakeStatusBar(parent);
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

void FormWidgets::SetKeyboardOrder(std::span<const std::size_t> order) const
{
    // Widgets of hidden pages are skipped, so each tab strip leads straight
    // to the controls of its own page.
    QWidget *previous = nullptr;
    for (const std::size_t row : order) {
        if (window.controls[row].tabOrder == 0)
            continue;
        QWidget *widget = widgets[row];
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            widget = tabs->tabBar();
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
