// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ClickFlow.h"
#include "FormWidgets.h"

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// The modal window that shows one command list as read-only text, for the
// user to read or copy. A new one is made for every list.
class TfrmResult : public QDialog, public brenvik::form::ResultView
{
    Q_OBJECT

public:
    explicit TfrmResult(QWidget *parent = nullptr);

    // Appends one line, possibly empty, keeping its leading spaces.
    void AddLine(const QString &line);
    // The same for a line as the generators make it, in UTF-8.
    void AddLine(brenvik::form::Text line) override;
    // Shows the window modally; returns its result once it is closed.
    int ShowModal() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void btnOKClick();

    FormWidgets widgets{brenvik::form::ResultWindow};
    QGroupBox *GBResult = nullptr;
    QPlainTextEdit *memLog = nullptr;
    QPushButton *btnOK = nullptr;
    int addedLines = 0;
};
