// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The program's start, as its entry point does it (ui/qt/BrenvikConfigAssistant.cpp),
// plus a watch that prints the time from process start to the first paint of
// the main window and then quits. The real program reads no environment or
// command line of its own, so it is measured through this copy of its start.
#include "FirstPaint.h"
#include "main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const double mainMs = startup_bench::MillisecondsSinceStart();

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("example.brenvik.ConfigAssistant"));

    TfrmMain frmMain;
    const startup_bench::FirstPaintWatch watch(&frmMain, mainMs);
    frmMain.show();
    return QApplication::exec();
}
