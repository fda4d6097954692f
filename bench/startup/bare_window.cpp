// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The yardstick for the program's start-up: a plain Qt main window with the
// same number and kinds of widgets as TfrmMain, showing the same texts in the
// same places (all taken from the form's description) and asking for the
// same font, built with Qt alone (no font of
// our own, no icons from resources, no command-list code). It prints the
// time from process start to its first paint and quits, as program_window
// does for the program's own window. What it leaves out that the program
// must do: the window icon (all its sizes, which X11 is handed when the
// window is made), and the bundled face where the system lacks one.
//
//   main window, tab widget with 3 pages, 9 group boxes, 17 labels (one of
//   them showing a 32 x 32 picture), 5 line edits, 1 combo box with 2 items,
//   2 push buttons, status bar holding 2 of the labels
#include "FirstPaint.h"
#include "FormLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <span>

namespace {

namespace form = brenvik::form;

// A control of the main window, by name, while compiling.
consteval const form::Control &Row(form::Text name)
{
    return form::ControlNamed(form::MainWindow, name);
}

QString Text(form::Text text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QGroupBox *Group(QVBoxLayout *dock, const form::Control &row)
{
    const int height = row.dock == form::Dock::rest ? 0 : row.rect.height;
    auto *group = new QGroupBox(Text(row.text));
    if (height > 0)
        group->setFixedHeight(height);
    dock->addWidget(group, height > 0 ? 0 : 1);
    return group;
}

void Label(QWidget *parent, form::Text text, form::Rect place)
{
    auto *label = new QLabel(Text(text), parent);
    label->move(place.left, place.top);
    label->adjustSize();
}

void Field(QGroupBox *group, const form::Control &field)
{
    auto *edit = new QLineEdit(Text(field.text), group);
    edit->setGeometry(field.rect.left, field.rect.top, field.rect.width, field.rect.height);
    const form::Control &hint = form::MainControls.at(form::IndexOf(form::MainControls, field.hint));
    Label(group, hint.text, hint.rect);
}

void Button(QWidget *parent, const form::Control &button)
{
    (new QPushButton(Text(button.text), parent))
        ->setGeometry(button.rect.left, button.rect.top, button.rect.width, button.rect.height);
}

void HelpLines(QGroupBox *group, std::span<const form::Text> lines)
{
    int line = 0;
    for (const form::Text text : lines)
        Label(group, text, form::layout::HelpLine(line++));
}

QVBoxLayout *Dock(QWidget *page)
{
    auto *dock = new QVBoxLayout(page);
    dock->setContentsMargins(0, 0, 0, 0);
    dock->setSpacing(0);
    return dock;
}

} // namespace

int main(int argc, char *argv[])
{
    const double mainMs = startup_bench::MillisecondsSinceStart();

    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(Text(form::MainWindow.caption));
    window.setFixedSize(form::MainWindow.clientWidth, form::MainWindow.clientHeight);
    auto *tabs = new QTabWidget(&window);
    // The form's font from the installed faces; the status bar keeps Qt's.
    QFont font;
    font.setFamilies({Text(form::FontFace), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(form::FontPixelHeight);
    tabs->setFont(font);
    window.setCentralWidget(tabs);

    auto *first = new QWidget;
    tabs->addTab(first, Text(Row("tbStudy").text));
    QVBoxLayout *firstDock = Dock(first);
    QGroupBox *choice = Group(firstDock, Row("GBUUIDType"));
    Label(choice, Row("lbUUIDType").text, Row("lbUUIDType").rect);
    auto *combo = new QComboBox(choice);
    for (const form::Text item : Row("cbUUIDType").items)
        combo->addItem(Text(item));
    const form::Rect comboPlace = Row("cbUUIDType").rect;
    combo->setGeometry(comboPlace.left, comboPlace.top, comboPlace.width, combo->sizeHint().height());
    Field(Group(firstDock, Row("GBUUIDNotify")), Row("edtCharNotify"));
    Field(Group(firstDock, Row("GBUUIDWrite")), Row("edtCharWrite"));
    HelpLines(Group(firstDock, Row("GBHelp")), form::StudyHelp);
    Button(Group(firstDock, Row("GBButton")), Row("btnShow"));

    auto *second = new QWidget;
    tabs->addTab(second, Text(Row("tabBeacon").text));
    QVBoxLayout *secondDock = Dock(second);
    Field(Group(secondDock, Row("gbiBeaconUUID")), Row("edtiBeaconUUID"));
    Field(Group(secondDock, Row("gbiBeaconMajor")), Row("edtiBeaconMajor"));
    Field(Group(secondDock, Row("gbiBeaconMinor")), Row("edtiBeaconMinor"));
    QGroupBox *secondHelp = Group(secondDock, Row("gbiBeaconHelp"));
    HelpLines(secondHelp, form::BeaconHelp);
    Button(secondHelp, Row("btniBeacon"));

    auto *third = new QWidget;
    tabs->addTab(third, Text(Row("TabSheet1").text));
    auto *picture = new QLabel(third);
    const form::Rect picturePlace = Row("imgLogo").rect;
    QPixmap square(picturePlace.width, picturePlace.height);
    square.fill(Qt::darkBlue);
    picture->setPixmap(square);
    picture->setGeometry(picturePlace.left, picturePlace.top, picturePlace.width, picturePlace.height);
    Label(third, Row("lbBuilding").text, Row("lbBuilding").rect);

    auto *status = new QStatusBar;
    status->setFixedHeight(Row("sbTitle").rect.height);
    status->setSizeGripEnabled(false);
    const form::StatusPanel &webPanel = form::StatusPanels.at(0);
    auto *web = new QLabel(Text(webPanel.text));
    web->setFixedWidth(webPanel.width);
    web->setAlignment(Qt::AlignCenter);
    web->setLayoutDirection(Qt::RightToLeft);
    status->addWidget(web);
    status->addWidget(new QLabel(Text(form::StatusPanels.at(1).text)), 1);
    window.setStatusBar(status);

    const startup_bench::FirstPaintWatch watch(&window, mainMs);
    window.show();
    return QApplication::exec();
}
