// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ATCommandList.h"

#include "FontAndIcons.h"
#include "ReadOnlyTextAccessible.h"
#include "TopLevelWindows.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace form = brenvik::form;

TfrmResult::TfrmResult(QWidget *parent)
    : QDialog(parent)
{
    // Assistive tools may read and copy the list, never change it.
    ReadOnlyTextAccessible::Install();
    setObjectName(QtText(form::ResultWindow.name));
    setWindowTitle(QtText(form::ResultWindow.caption));
    setFont(FormFont());
    MakeFixedSizeWindow(this, form::ResultWindow.clientWidth, form::ResultWindow.clientHeight,
                        MinimiseButton::hidden);
    widgets.Build(this);
    GBResult = widgets.Get<QGroupBox>("GBResult");
    memLog = widgets.Get<QPlainTextEdit>("memLog");
    btnOK = widgets.Get<QPushButton>("btnOK");

    memLog->setAccessibleName(windowTitle());
    // Enter in the text must not close the window.
    btnOK->setDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmResult::btnOKClick);
    memLog->setFocus();
}

void TfrmResult::AddLine(const QString &line)
{
    // Through a cursor of its own, so that empty lines are kept even at the
    // start of the text.
    QTextCursor end(memLog->document());
    end.movePosition(QTextCursor::End);
    if (addedLines > 0)
        end.insertBlock();
    end.insertText(line);
    ++addedLines;
}

void TfrmResult::AddLine(form::Text line)
{
    AddLine(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

int TfrmResult::ShowModal()
{
    return exec();
}

void TfrmResult::showEvent(QShowEvent *event)
{
    // A list taller than the window opens at its first line.
    memLog->moveCursor(QTextCursor::Start);
    QDialog::showEvent(event);
}

void TfrmResult::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button: Escape leaves it open, as Enter does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmResult::btnOKClick()
{
    accept();
}
