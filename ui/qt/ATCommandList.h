// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// The modal window that shows one command list as read-only text, for the
// user to read or copy. A new one is made for every list.
class TfrmResult : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmResult(QWidget *parent = nullptr);

    // Appends one line, possibly empty, keeping its leading spaces.
    void AddLine(const QString &line);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void btnOKClick();

    QGroupBox *GBResult;
    QPlainTextEdit *memLog;
    QPushButton *btnOK;
    int addedLines = 0;
};
