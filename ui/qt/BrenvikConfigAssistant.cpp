// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Brenvik Config Assistant: turns a few UUIDs into the AT commands that set
// up a BLE module. It only shows text; it never talks to a module.
#include "main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("example.brenvik.ConfigAssistant"));

    TfrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
