// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The yardstick for the program's start-up: a plain Qt main window with the
// same number and kinds of widgets as TfrmMain, showing the same texts in the
// same places and asking for the same font, built with Qt alone (no font of
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
#include "FormText.h"

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

namespace {

namespace form = brenvik::form;

QString Text(form::Text text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QGroupBox *Group(QVBoxLayout *dock, const QString &title, int height)
{
    auto *group = new QGroupBox(title);
    if (height > 0)
        group->setFixedHeight(height);
    dock->addWidget(group, height > 0 ? 0 : 1);
    return group;
}

void Label(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
}

void Field(QGroupBox *group, form::Text text, form::Text hint)
{
    auto *field = new QLineEdit(Text(text), group);
    field->setGeometry(8, 16, 497, 20);
    Label(group, Text(hint), 8, 48);
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
    window.setWindowTitle(Text(form::MainCaption));
    window.setFixedSize(form::MainClientWidth, form::MainClientHeight);
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
    tabs->addTab(first, Text(form::StudyTab));
    QVBoxLayout *firstDock = Dock(first);
    QGroupBox *choice = Group(firstDock, Text(form::UuidTypeCaption), 41);
    Label(choice, Text(form::UuidTypeLabel), 8, 19);
    auto *combo = new QComboBox(choice);
    for (const form::Text item : form::UuidTypes)
        combo->addItem(Text(item));
    combo->setGeometry(112, 16, 393, combo->sizeHint().height());
    Field(Group(firstDock, Text(form::NotifyCaption), 72), form::NotifyDefault, form::NotifyHint);
    Field(Group(firstDock, Text(form::WriteCaption), 72), form::WriteDefault, form::WriteHint);
    QGroupBox *firstHelp = Group(firstDock, Text(form::HelpCaption), 0);
    int top = 24;
    for (const form::Text line : form::StudyHelp) {
        Label(firstHelp, Text(line), 8, top);
        top += 16;
    }
    QGroupBox *buttonGroup = Group(firstDock, QString(), 44);
    (new QPushButton(Text(form::ShowButton), buttonGroup))->setGeometry(344, 11, 155, 25);

    auto *second = new QWidget;
    tabs->addTab(second, Text(form::BeaconTab));
    QVBoxLayout *secondDock = Dock(second);
    Field(Group(secondDock, Text(form::BeaconUuidCaption), 72), form::BeaconUuidDefault,
          form::BeaconUuidHint);
    Field(Group(secondDock, Text(form::MajorCaption), 72), form::MajorDefault, form::MajorHint);
    Field(Group(secondDock, Text(form::MinorCaption), 72), form::MinorDefault, form::MinorHint);
    QGroupBox *secondHelp = Group(secondDock, Text(form::HelpCaption), 0);
    top = 24;
    for (const form::Text line : form::BeaconHelp) {
        Label(secondHelp, Text(line), 8, top);
        top += 16;
    }
    (new QPushButton(Text(form::BeaconButton), secondHelp))->setGeometry(272, 80, 227, 25);

    auto *third = new QWidget;
    tabs->addTab(third, Text(form::AboutTab));
    auto *picture = new QLabel(third);
    QPixmap square(32, 32);
    square.fill(Qt::darkBlue);
    picture->setPixmap(square);
    picture->setGeometry(112, 134, 32, 32);
    Label(third, Text(form::Building), 168, 144);

    auto *status = new QStatusBar;
    status->setFixedHeight(25);
    status->setSizeGripEnabled(false);
    auto *web = new QLabel(Text(form::WebAddress));
    web->setFixedWidth(160);
    web->setAlignment(Qt::AlignCenter);
    web->setLayoutDirection(Qt::RightToLeft);
    status->addWidget(web);
    status->addWidget(new QLabel(Text(form::SupportAddress)), 1);
    window.setStatusBar(status);

    const startup_bench::FirstPaintWatch watch(&window, mainMs);
    window.show();
    return QApplication::exec();
}
