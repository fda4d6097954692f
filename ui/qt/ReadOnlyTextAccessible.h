// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

class QPlainTextEdit;

// What assistive tools see of a read-only QPlainTextEdit: its text, caret
// and selection, which they may read, move and select for copying, and no
// way to change the text. (Qt's own interface offers editing even when the
// widget is read-only.)
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyTextAccessible(QPlainTextEdit *edit);

    // Makes every read-only QPlainTextEdit get this interface; once is enough.
    static void Install();

    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] QPlainTextEdit *edit() const;
};
