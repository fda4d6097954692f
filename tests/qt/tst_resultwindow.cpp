// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The command list window (TfrmResult), driven as a user drives it: what it
// looks like, how its text behaves, how it is closed.

#include "ATCommandList.h"
#include "Centring.h"
#include "ExpectedLayout.h"
#include "ExpectedTexts.h"
#include "ModalHelper.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>
#include <memory>

namespace layout = brenvik::expect::layout;

namespace {

QRect QtRect(const layout::Rect &rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

QPlainTextEdit *MemLog(const TfrmResult &window)
{
    return window.findChild<QPlainTextEdit *>(QStringLiteral("memLog"));
}

QPushButton *OkButton(const TfrmResult &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("btnOK"));
}

void Fill(TfrmResult &window, const QStringList &lines)
{
    for (const QString &line : lines)
        window.AddLine(line);
}

// Lines 1, 2, 5, 11, 12, 13 and 18 of the default study list: leading spaces,
// the single-space line, and a line long enough to wrap (the third here).
const QStringList studyExcerpt = [] {
    QStringList lines;
    for (const qsizetype index : {0, 1, 4, 10, 11, 12, 17})
        lines << brenvik::expected::shown::studyDefaults16.at(index);
    return lines;
}();

QStringList ManyLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("AT+LINE%1").arg(i);
    return lines;
}

} // namespace

class tst_ResultWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void frame();
    void controls_data();
    void controls();
    void memLogStartsEmptyAndReadOnly();
    void memLogFillsGroup();

    void addLine_data();
    void addLine();
    void typingChangesNothing_data();
    void typingChangesNothing();
    void longLinesWrap();
    void scrollsWithCaret();

    void copyByKeyboard();
    void copyByContextMenu();
    void assistiveToolsCannotEdit();

    void keyboardFocus();
    void keysThatLeaveItOpen_data();
    void keysThatLeaveItOpen();
    void closing_data();
    void closing();
};

void tst_ResultWindow::cleanup()
{
    // Every test makes its window on the stack: nothing may be left over.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void tst_ResultWindow::frame()
{
    TfrmResult window;
    QCOMPARE(window.objectName(), QStringLiteral("frmResult"));
    QCOMPARE(window.windowTitle(), QStringLiteral("AT Commands List"));
    QVERIFY(window.parentWidget() == nullptr);

    // A fixed client area.
    const QSize client(layout::resultClient.width, layout::resultClient.height);
    QCOMPARE(window.size(), client);
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);

    // Close box only: no minimise, no maximise.
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));

    QVERIFY(!window.windowIcon().isNull());
    // The same icon as the main window: its images are shared, not copied.
    QCOMPARE(window.windowIcon().cacheKey(), TfrmResult().windowIcon().cacheKey());
    QCOMPARE(window.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window.font().pixelSize(), 12);
}

void tst_ResultWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("GBResult docked at the top, full width")
        << QStringLiteral("GBResult") << QStringLiteral("QGroupBox") << QtRect(layout::resultGroup);
    QTest::newRow("btnOK under the group, left of the centre line")
        << QStringLiteral("btnOK") << QStringLiteral("QPushButton") << QtRect(layout::okButton);
}

void tst_ResultWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);

    TfrmResult window;
    const QList<QWidget *> found = window.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.first();
    QVERIFY2(control->inherits(className.toLatin1().constData()), control->metaObject()->className());
    QCOMPARE(control->parentWidget(), &window);
    QCOMPARE(control->geometry(), geometry);
}

void tst_ResultWindow::memLogStartsEmptyAndReadOnly()
{
    TfrmResult window;
    QPlainTextEdit *memLog = MemLog(window);
    QVERIFY(memLog != nullptr);
    QVERIFY(memLog->parentWidget() == window.findChild<QGroupBox *>(QStringLiteral("GBResult")));
    QVERIFY(window.findChild<QGroupBox *>(QStringLiteral("GBResult"))->title().isEmpty());

    QVERIFY(memLog->toPlainText().isEmpty());
    QVERIFY(memLog->isReadOnly());
    const Qt::TextInteractionFlags flags = memLog->textInteractionFlags();
    QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    QVERIFY(flags.testFlag(Qt::TextSelectableByKeyboard));
    QVERIFY(!flags.testFlag(Qt::TextEditable));
    QCOMPARE(memLog->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memLog->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memLog->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QPushButton *btnOK = OkButton(window);
    QCOMPARE(btnOK->text(), QStringLiteral("OK"));
    QVERIFY(!btnOK->isDefault());
    QVERIFY(!btnOK->autoDefault());
}

void tst_ResultWindow::memLogFillsGroup()
{
    TfrmResult window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The inside of the group, within its frame and the room its style keeps
    // for a caption.
    const QRect inside = window.findChild<QGroupBox *>(QStringLiteral("GBResult"))->contentsRect();
    const QRect text = MemLog(window)->geometry();
    QVERIFY2(inside.contains(text), "memLog must lie inside its group");
    // Filling it: a narrow margin at most on every side.
    QVERIFY(text.left() - inside.left() <= 3);
    QVERIFY(text.top() - inside.top() <= 3);
    QVERIFY(inside.right() - text.right() <= 3);
    QVERIFY(inside.bottom() - text.bottom() <= 3);
    window.hide();
}

void tst_ResultWindow::addLine_data()
{
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one line") << QStringList{QStringLiteral("AT+RENEW")};
    QTest::newRow("leading spaces kept") << QStringList{QStringLiteral("         Those AT Command"),
                                                        QStringLiteral("      <P1>: Device Type")};
    QTest::newRow("empty line between")
        << QStringList{QStringLiteral("AT+RENEW"), QString(), QStringLiteral("AT+IBEA1")};
    QTest::newRow("single space is a line of its own")
        << QStringList{QStringLiteral("AT+ROLE1"), QStringLiteral(" "), QStringLiteral("  Now")};
    QTest::newRow("two empty lines in a row")
        << QStringList{QStringLiteral("A"), QString(), QString(), QStringLiteral("B")};
    QTest::newRow("empty first line") << QStringList{QString(), QStringLiteral("AT+RENEW")};
    QTest::newRow("empty last line") << QStringList{QStringLiteral("AT+RENEW"), QString()};
    QTest::newRow("only empty lines") << QStringList{QString(), QString(), QString()};
    QTest::newRow("study list excerpt") << studyExcerpt;
    QTest::newRow("eighty lines") << ManyLines(80);
}

void tst_ResultWindow::addLine()
{
    QFETCH(QStringList, lines);

    TfrmResult window;
    Fill(window, lines);
    QPlainTextEdit *memLog = MemLog(window);
    QCOMPARE(memLog->toPlainText(), lines.join(QLatin1Char('\n')));
    QCOMPARE(memLog->document()->blockCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(memLog->document()->findBlockByNumber(i).text(), lines.at(i));
}

void tst_ResultWindow::typingChangesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("letters") << QStringLiteral("AT+X") << 0 << 0;
    QTest::newRow("Backspace") << QString() << int(Qt::Key_Backspace) << 0;
    QTest::newRow("Delete") << QString() << int(Qt::Key_Delete) << 0;
    QTest::newRow("Return") << QString() << int(Qt::Key_Return) << 0;
    QTest::newRow("Ctrl+V") << QString() << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+X") << QString() << int(Qt::Key_X) << int(Qt::ControlModifier);
}

void tst_ResultWindow::typingChangesNothing()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    TfrmResult window;
    Fill(window, studyExcerpt);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));

    QPlainTextEdit *memLog = MemLog(window);
    QTest::keyClick(memLog, Qt::Key_A, Qt::ControlModifier);
    if (!typed.isEmpty())
        QTest::keyClicks(memLog, typed);
    else
        QTest::keyClick(memLog, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(memLog->toPlainText(), studyExcerpt.join(QLatin1Char('\n')));
    window.hide();
}

void tst_ResultWindow::longLinesWrap()
{
    const QString endless(300, QLatin1Char('A'));
    TfrmResult window;
    Fill(window, {studyExcerpt.at(2), endless});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QPlainTextEdit *memLog = MemLog(window);
    // Never sideways: nothing to scroll to, and the long line is broken into
    // several screen lines that all fit the width.
    QCOMPARE(memLog->horizontalScrollBar()->maximum(), 0);
    const QTextBlock block = memLog->document()->findBlockByNumber(1);
    QVERIFY(block.layout()->lineCount() > 1);
    for (int i = 0; i < block.layout()->lineCount(); ++i)
        QVERIFY(block.layout()->lineAt(i).naturalTextWidth() <= memLog->viewport()->width());
    window.hide();
}

void tst_ResultWindow::scrollsWithCaret()
{
    TfrmResult window;
    Fill(window, ManyLines(80));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QPlainTextEdit *memLog = MemLog(window);
    QScrollBar *vertical = memLog->verticalScrollBar();
    // No scroll bar is shown, yet there is more text than fits.
    QVERIFY(!vertical->isVisible());
    QVERIFY(vertical->maximum() > 0);

    // A list taller than the window opens at its first line, caret and all.
    QCOMPARE(vertical->value(), 0);
    QCOMPARE(memLog->textCursor().position(), 0);

    // The view follows the caret to either end of the text.
    QTest::keyClick(memLog, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(vertical->value(), 0);
    QVERIFY(memLog->viewport()->rect().contains(memLog->cursorRect()));
    QTest::keyClick(memLog, Qt::Key_End, Qt::ControlModifier);
    const int atEnd = vertical->value();
    QVERIFY(atEnd > 0);
    QVERIFY(memLog->viewport()->rect().contains(memLog->cursorRect()));
    QTest::keyClick(memLog, Qt::Key_PageUp);
    QVERIFY(vertical->value() < atEnd);
    QVERIFY(memLog->viewport()->rect().contains(memLog->cursorRect()));
    window.hide();
}

void tst_ResultWindow::copyByKeyboard()
{
    TfrmResult window;
    Fill(window, studyExcerpt);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));

    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, MemLog(window));
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), studyExcerpt.join(QLatin1Char('\n')));
    window.hide();
}

void tst_ResultWindow::copyByContextMenu()
{
    TfrmResult window;
    Fill(window, studyExcerpt);
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));

    const std::unique_ptr<QMenu> menu(MemLog(window)->createStandardContextMenu());
    auto *selectAll = menu->findChild<QAction *>(QStringLiteral("select-all"));
    auto *copy = menu->findChild<QAction *>(QStringLiteral("edit-copy"));
    QVERIFY(selectAll != nullptr);
    QVERIFY(copy != nullptr);
    // Text that cannot be changed offers nothing that changes it.
    for (const char *editing : {"edit-cut", "edit-paste", "edit-delete", "edit-undo", "edit-redo"}) {
        const QAction *action = menu->findChild<QAction *>(QLatin1String(editing));
        QVERIFY2(action == nullptr || !action->isEnabled(), editing);
    }

    selectAll->trigger();
    // The menu's actions follow the selection; the menu the user opens next
    // has Copy enabled.
    const std::unique_ptr<QMenu> second(MemLog(window)->createStandardContextMenu());
    auto *copyNow = second->findChild<QAction *>(QStringLiteral("edit-copy"));
    QVERIFY(copyNow->isEnabled());
    copyNow->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), studyExcerpt.join(QLatin1Char('\n')));
}

void tst_ResultWindow::assistiveToolsCannotEdit()
{
    // A screen reader or a voice-control tool may read the list and select
    // in it, but never change it.
    TfrmResult window;
    Fill(window, studyExcerpt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPlainTextEdit *memLog = MemLog(window);
    const QString shown = studyExcerpt.join(QLatin1Char('\n'));

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(memLog);
    QVERIFY(accessible->state().readOnly);
    QVERIFY(accessible->editableTextInterface() == nullptr);
    accessible->setText(QAccessible::Value, QStringLiteral("changed"));
    QCOMPARE(memLog->toPlainText(), shown);

    QAccessibleTextInterface *text = accessible->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), shown);
    QCOMPARE(accessible->text(QAccessible::Value), shown);
    text->setSelection(0, 9, 14);
    QCOMPARE(memLog->textCursor().selectedText(), QStringLiteral("Those"));
    window.hide();
}

void tst_ResultWindow::keyboardFocus()
{
    TfrmResult window;
    Fill(window, studyExcerpt);
    QPlainTextEdit *memLog = MemLog(window);
    QPushButton *btnOK = OkButton(window);
    QCOMPARE(window.focusWidget(), memLog);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), memLog);

    // The text area, then OK, and round again; Shift+Tab goes back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), btnOK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), memLog);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), btnOK);
    // Tab moved the focus and typed nothing.
    QCOMPARE(memLog->toPlainText(), studyExcerpt.join(QLatin1Char('\n')));
    window.hide();
}

void tst_ResultWindow::keysThatLeaveItOpen_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");

    QTest::newRow("Return in memLog") << QStringLiteral("memLog") << int(Qt::Key_Return);
    QTest::newRow("Enter in memLog") << QStringLiteral("memLog") << int(Qt::Key_Enter);
    QTest::newRow("Escape in memLog") << QStringLiteral("memLog") << int(Qt::Key_Escape);
    QTest::newRow("Return on OK") << QStringLiteral("btnOK") << int(Qt::Key_Return);
    QTest::newRow("Escape on OK") << QStringLiteral("btnOK") << int(Qt::Key_Escape);
}

void tst_ResultWindow::keysThatLeaveItOpen()
{
    QFETCH(QString, target);
    QFETCH(int, key);

    TfrmResult window;
    Fill(window, studyExcerpt);
    bool openAfterKey = false;
    ModalHelper helper([&](QWidget *modal) {
        if (modal != &window)
            return;
        auto *receiver = window.findChild<QWidget *>(target);
        receiver->setFocus();
        QTest::keyClick(receiver, Qt::Key(key));
        openAfterKey = window.isVisible();
        if (openAfterKey)
            OkButton(window)->click();
    });
    const int result = window.exec();

    QCOMPARE(helper.seen(), 1);
    QVERIFY(openAfterKey);
    QCOMPARE(helper.leftOpen(), 0);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(MemLog(window)->toPlainText(), studyExcerpt.join(QLatin1Char('\n')));
}

void tst_ResultWindow::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");

    QTest::newRow("mouse click on OK") << QStringLiteral("click") << int(QDialog::Accepted);
    QTest::newRow("Space on OK") << QStringLiteral("space") << int(QDialog::Accepted);
    QTest::newRow("close box") << QStringLiteral("close") << int(QDialog::Rejected);
}

void tst_ResultWindow::closing()
{
    QFETCH(QString, how);
    QFETCH(int, result);

    TfrmResult window;
    Fill(window, studyExcerpt);
    bool wasModal = false;
    QPoint centre;
    QPoint screenCentre;
    bool closedByAction = false;
    ModalHelper helper([&](QWidget *modal) {
        if (modal != &window)
            return;
        wasModal = window.isModal() && window.windowModality() == Qt::ApplicationModal;
        centre = window.frameGeometry().center();
        screenCentre = window.screen()->availableGeometry().center();
        QPushButton *btnOK = OkButton(window);
        if (how == QLatin1String("click")) {
            QTest::mouseClick(btnOK, Qt::LeftButton);
        } else if (how == QLatin1String("space")) {
            btnOK->setFocus();
            QTest::keyClick(btnOK, Qt::Key_Space);
        } else {
            window.close();
        }
        closedByAction = !window.isVisible();
    });
    const int returned = window.exec();

    QCOMPARE(helper.seen(), 1);
    QVERIFY(closedByAction);
    QCOMPARE(helper.leftOpen(), 0);
    QCOMPARE(helper.closedAtLimit(), 0);
    QCOMPARE(returned, result);
    QVERIFY(wasModal);
    // Centred on the screen, give or take the rounding of an odd size.
    QVERIFY2(OffCentre(centre, screenCentre).isEmpty(), OffCentre(centre, screenCentre).constData());
}

QTEST_MAIN(tst_ResultWindow)
#include "tst_resultwindow.moc"
