// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ATCommandList.h"

#include "FormStyle.h"
#include "ReadOnlyTextAccessible.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {
constexpr int clientWidth = brenvik::form::ResultClientWidth;
constexpr int clientHeight = brenvik::form::ResultClientHeight;
constexpr int resultHeight = 385;
} // namespace

TfrmResult::TfrmResult(QWidget *parent)
    : QDialog(parent)
    , GBResult(new QGroupBox(this))
    , memLog(new QPlainTextEdit(GBResult))
    , btnOK(new QPushButton(QtText(brenvik::form::OkButton), this))
{
    // Assistive tools may read and copy the list, never change it.
    ReadOnlyTextAccessible::Install();
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QtText(brenvik::form::ResultCaption));
    setFont(FormFont());
    MakeFixedSizeWindow(this, clientWidth, clientHeight, MinimiseButton::hidden);

    GBResult->setObjectName(QStringLiteral("GBResult"));
    GBResult->setGeometry(0, 0, clientWidth, resultHeight);
    auto *resultLayout = new QVBoxLayout(GBResult);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    resultLayout->addWidget(memLog);

    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setReadOnly(true);
    memLog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memLog->setTabChangesFocus(true);
    memLog->setAccessibleName(windowTitle());

    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(176, 392, 75, 25);
    // Enter in the text must not close the window.
    btnOK->setAutoDefault(false);
    btnOK->setDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmResult::btnOKClick);

    setTabOrder(memLog, btnOK);
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
