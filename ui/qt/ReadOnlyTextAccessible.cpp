// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ReadOnlyTextAccessible.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QAccessibleInterface *ReadOnlyTextFactory(const QString &className, QObject *object)
{
    auto *edit = qobject_cast<QPlainTextEdit *>(object);
    if (className == QLatin1String("QPlainTextEdit") && edit != nullptr && edit->isReadOnly())
        return new ReadOnlyTextAccessible(edit);
    return nullptr;
}

} // namespace

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QPlainTextEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{ }

void ReadOnlyTextAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(ReadOnlyTextFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

QPlainTextEdit *ReadOnlyTextAccessible::edit() const
{
    return static_cast<QPlainTextEdit *>(widget());
}

QAccessible::State ReadOnlyTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return edit()->toPlainText();
    return QAccessibleWidget::text(kind);
}

void *ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

// Offsets are positions in the document: one per character, one per line
// break, as in toPlainText().

void ReadOnlyTextAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const QTextCursor cursor = edit()->textCursor();
    const bool selected = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = selected ? cursor.selectionStart() : 0;
    *endOffset = selected ? cursor.selectionEnd() : 0;
}

int ReadOnlyTextAccessible::selectionCount() const
{
    return edit()->textCursor().hasSelection() ? 1 : 0;
}

void ReadOnlyTextAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyTextAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = edit()->textCursor();
    cursor.clearSelection();
    edit()->setTextCursor(cursor);
}

void ReadOnlyTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int last = characterCount();
    QTextCursor cursor = edit()->textCursor();
    cursor.setPosition(qBound(0, startOffset, last));
    cursor.setPosition(qBound(0, endOffset, last), QTextCursor::KeepAnchor);
    edit()->setTextCursor(cursor);
}

int ReadOnlyTextAccessible::cursorPosition() const
{
    return edit()->textCursor().position();
}

void ReadOnlyTextAccessible::setCursorPosition(int position)
{
    setSelection(0, position, position);
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const
{
    return edit()->toPlainText().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const
{
    // The document ends with a paragraph separator that is not part of the text.
    return edit()->document()->characterCount() - 1;
}

QRect ReadOnlyTextAccessible::characterRect(int offset) const
{
    QTextCursor cursor(edit()->document());
    cursor.setPosition(qBound(0, offset, characterCount()));
    QRect place = edit()->cursorRect(cursor);
    const QChar character = edit()->document()->characterAt(cursor.position());
    place.setWidth(edit()->fontMetrics().horizontalAdvance(character));
    return {edit()->viewport()->mapToGlobal(place.topLeft()), place.size()};
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint inside = edit()->viewport()->mapFromGlobal(point);
    if (!edit()->viewport()->rect().contains(inside))
        return -1;
    return edit()->cursorForPosition(inside).position();
}

void ReadOnlyTextAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The text scrolls with its caret.
    setSelection(0, startIndex, endIndex);
    edit()->ensureCursorVisible();
}

QString ReadOnlyTextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // Plain text: one run of no particular attributes.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
