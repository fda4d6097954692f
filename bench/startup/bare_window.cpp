// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The yardstick for the program's start-up: a plain Qt main window with the
// same number and kinds of widgets as TfrmMain, built with Qt alone (no font
// of our own, no icons from resources, no command-list code). It prints the
// time from process start to its first paint and quits, as program_window
// does for the program's own window.
//
//   main window, tab widget with 3 pages, 9 group boxes, 17 labels (one of
//   them showing a 32 x 32 picture), 5 line edits, 1 combo box with 2 items,
//   2 push buttons, status bar holding 2 of the labels
#include "FirstPaint.h"

#include <QApplication>
#include <QComboBox>
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
}

void Field(QGroupBox *group, const QString &text)
{
    auto *field = new QLineEdit(text, group);
    field->setGeometry(8, 16, 497, 20);
    Label(group, QStringLiteral("Hint under the field"), 8, 48);
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
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(520, 384);
    auto *tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);

    auto *first = new QWidget;
    tabs->addTab(first, QStringLiteral("First page"));
    QVBoxLayout *firstDock = Dock(first);
    QGroupBox *choice = Group(firstDock, QStringLiteral("Choice"), 41);
    Label(choice, QStringLiteral("Choose:"), 8, 19);
    auto *combo = new QComboBox(choice);
    combo->addItems({QStringLiteral("First item"), QStringLiteral("Second item")});
    combo->setGeometry(112, 16, 393, combo->sizeHint().height());
    Field(Group(firstDock, QStringLiteral("First field"), 72), QStringLiteral("FFE1"));
    Field(Group(firstDock, QStringLiteral("Second field"), 72), QStringLiteral("FFE1"));
    QGroupBox *firstHelp = Group(firstDock, QStringLiteral("Help"), 0);
    for (int line = 0; line < 4; ++line)
        Label(firstHelp, QStringLiteral("A line of help text"), 8, 24 + 16 * line);
    QGroupBox *buttonGroup = Group(firstDock, QString(), 44);
    (new QPushButton(QStringLiteral("First button"), buttonGroup))->setGeometry(344, 11, 155, 25);

    auto *second = new QWidget;
    tabs->addTab(second, QStringLiteral("Second page"));
    QVBoxLayout *secondDock = Dock(second);
    Field(Group(secondDock, QStringLiteral("Third field"), 72),
          QStringLiteral("0000FFF0-0000-1000-8000-00805F9B34FB"));
    Field(Group(secondDock, QStringLiteral("Fourth field"), 72), QStringLiteral("10123"));
    Field(Group(secondDock, QStringLiteral("Fifth field"), 72), QStringLiteral("10125"));
    QGroupBox *secondHelp = Group(secondDock, QStringLiteral("Help"), 0);
    for (int line = 0; line < 3; ++line)
        Label(secondHelp, QStringLiteral("A line of help text"), 8, 24 + 16 * line);
    (new QPushButton(QStringLiteral("Second button"), secondHelp))->setGeometry(272, 80, 227, 25);

    auto *third = new QWidget;
    tabs->addTab(third, QStringLiteral("Third page"));
    auto *picture = new QLabel(third);
    QPixmap square(32, 32);
    square.fill(Qt::darkBlue);
    picture->setPixmap(square);
    picture->setGeometry(112, 134, 32, 32);
    Label(third, QStringLiteral("Some text"), 168, 144);

    auto *status = new QStatusBar;
    status->addWidget(new QLabel(QStringLiteral("First panel")));
    status->addWidget(new QLabel(QStringLiteral("Second panel")), 1);
    window.setStatusBar(status);

    const startup_bench::FirstPaintWatch watch(&window, mainMs);
    window.show();
    return QApplication::exec();
}
