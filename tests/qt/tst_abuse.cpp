// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The main window under abuse: hundreds of requests in a row, and hostile
// text pasted into every field. Nothing may be left behind, nothing may
// crash, and every field keeps what the user put there.

#include "ATCommandList.h"
#include "ExpectedTexts.h"
#include "ModalHelper.h"
#include "main.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <unistd.h>

#include <fstream>

using namespace brenvik::expected::shown;

namespace {

// What one click brought up: a message box's text, or "list".
const QString listShown = QStringLiteral("list");

// Records what a click opened, then closes it by its OK button.
struct Outcome {
    QString shown;
    int windows = 0;
    QPointer<QWidget> resultWindow;
};

void CloseByOk(QWidget *modal, Outcome &outcome)
{
    ++outcome.windows;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        outcome.shown = box->text();
        box->button(QMessageBox::Ok)->click();
    } else if (qobject_cast<TfrmResult *>(modal) != nullptr) {
        outcome.shown = listShown;
        outcome.resultWindow = modal;
        modal->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    }
}

// The process's resident memory, in KiB.
long ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The offscreen platform warns each time a message box fixes its size;
// hundreds of those would bury the test's own output.
QtMessageHandler testlibHandler = nullptr;
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        testlibHandler(type, context, message);
}

bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

} // namespace

class tst_Abuse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void manyRequestsLeaveNothingBehind();
    void hostilePaste_data();
    void hostilePaste();

private:
    template<typename T = QWidget>
    T *Control(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    Outcome Click(const char *button);

    std::unique_ptr<TfrmMain> window;
};

void tst_Abuse::initTestCase()
{
    testlibHandler = qInstallMessageHandler(DropSizeHintWarnings);
}

void tst_Abuse::init()
{
    window = std::make_unique<TfrmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_Abuse::cleanup()
{
    window.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

Outcome tst_Abuse::Click(const char *button)
{
    Outcome outcome;
    ModalHelper helper([&outcome](QWidget *modal) { CloseByOk(modal, outcome); });
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    return outcome;
}

void tst_Abuse::manyRequestsLeaveNothingBehind()
{
    auto *pages = Control<QTabWidget>("MainPage");
    auto *notify = Control<QLineEdit>("edtCharNotify");
    auto *major = Control<QLineEdit>("edtiBeaconMajor");

    // Lists and rejections in turn, on both tabs.
    struct Request {
        const char *page;
        QLineEdit *field;
        QString text;
        const char *button;
        bool list;
    };
    const Request requests[] = {
        {"tbStudy", notify, QStringLiteral("FFE1"), "btnShow", true},
        {"tabBeacon", major, QStringLiteral("99999"), "btniBeacon", false},
        {"tabBeacon", major, QStringLiteral("10123"), "btniBeacon", true},
        {"tbStudy", notify, QStringLiteral("0000"), "btnShow", false},
    };
    constexpr std::size_t total = 500;
    constexpr std::size_t warmUp = 100;

    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    long residentAfterWarmUp = 0;
    std::size_t lists = 0;
    std::size_t rejections = 0;
    for (std::size_t i = 0; i < total; ++i) {
        const Request &request = requests[i % std::size(requests)];
        pages->setCurrentWidget(Control(request.page));
        request.field->setText(request.text);
        const Outcome outcome = Click(request.button);
        QCOMPARE(outcome.windows, 1);
        QCOMPARE(outcome.shown == listShown, request.list);
        QVERIFY(outcome.resultWindow.isNull());
        (request.list ? lists : rejections) += 1;
        if (i + 1 == warmUp) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            residentAfterWarmUp = ResidentKiB();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const long residentAtEnd = ResidentKiB();

    QCOMPARE(lists, total / 2);
    QCOMPARE(rejections, total / 2);
    QVERIFY(window->findChildren<TfrmResult *>().isEmpty());
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        QVERIFY2(topLevel == window.get() || !topLevel->isVisible(), qPrintable(topLevel->objectName()));
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);

    qInfo("resident memory after %zu requests: %ld KiB, after %zu: %ld KiB (%+ld KiB)", warmUp,
          residentAfterWarmUp, total, residentAtEnd, residentAtEnd - residentAfterWarmUp);
    // AddressSanitizer holds freed memory back on purpose; there LeakSanitizer
    // checks instead that nothing was lost.
    if (!UnderAddressSanitizer())
        QVERIFY2(residentAtEnd - residentAfterWarmUp < 1024, "memory grows with the requests");
}

void tst_Abuse::hostilePaste_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected"); // the message, or "list"

    const QString tenThousand = QString(10000, QLatin1Char('A'));
    const QString tenThousandDigits = QString(10000, QLatin1Char('1'));

    QTest::newRow("10,000 letters, Notify") << "edtCharNotify" << tenThousand << badNotify;
    QTest::newRow("10,000 letters, Write") << "edtCharWrite" << tenThousand << badWrite;
    QTest::newRow("10,000 digits, UUID") << "edtiBeaconUUID" << tenThousandDigits << badUuidLength;
    QTest::newRow("10,000 letters, Major") << "edtiBeaconMajor" << tenThousand << badMajor;
    QTest::newRow("10,000 digits, Minor") << "edtiBeaconMinor" << tenThousandDigits << listShown;
    QTest::newRow("control characters around, Notify")
        << "edtCharNotify" << QStringLiteral("\t\u0001FFE1\u001f") << listShown;
    QTest::newRow("control characters only, Write")
        << "edtCharWrite" << QStringLiteral("\x01\x02\x1b") << fill;
    QTest::newRow("DEL stays, Minor") << "edtiBeaconMinor" << QStringLiteral("1012\x7f") << badMinor;
    QTest::newRow("NUL inside, Notify") << "edtCharNotify" << QString::fromUtf16(u"FF\0E1", 5) << badNotify;
    QTest::newRow("NUL inside, UUID")
        << "edtiBeaconUUID" << QString::fromUtf16(u"0000FFF0-0000-1000-8000-00805F9B3\0FB", 36)
        << badUuidDigits;
    QTest::newRow("NUL at the end is trimmed, UUID")
        << "edtiBeaconUUID" << QString::fromUtf16(u"0000FFF0-0000-1000-8000-00805F9B34F\0", 36)
        << badUuidLength;
    QTest::newRow("right-to-left mark, Write") << "edtCharWrite" << QStringLiteral("\u200fFFE1") << badWrite;
    QTest::newRow("right-to-left override, UUID")
        << "edtiBeaconUUID" << QStringLiteral("\u202e0000FFF0-0000-1000-8000-00805F9B34FB") << badUuidDigits;
    QTest::newRow("emoji, Minor") << "edtiBeaconMinor" << QStringLiteral("1\U0001F600") << badMinor;
    QTest::newRow("emoji, Notify") << "edtCharNotify" << QStringLiteral("FFE\U0001F600") << badNotify;
    QTest::newRow("no-break space, Major") << "edtiBeaconMajor" << QStringLiteral("\u00a01234") << badMajor;
    QTest::newRow("Arabic-Indic digits, Major")
        << "edtiBeaconMajor" << QStringLiteral("\u0661\u0662\u0663\u0664\u0665") << badMajor;
    QTest::newRow("full-width letters, Write")
        << "edtCharWrite" << QStringLiteral("\uff26\uff26\uff25\uff11") << badWrite;
    QTest::newRow("accented letters, UUID")
        << "edtiBeaconUUID" << QStringLiteral("\u00e9\u00e9\u00e9") << badUuidDigits;
    QTest::newRow("markup, Notify") << "edtCharNotify" << QStringLiteral("<b>FFE1</b>") << badNotify;
    QTest::newRow("format string, Major") << "edtiBeaconMajor" << QStringLiteral("%s%n") << badMajor;
}

void tst_Abuse::hostilePaste()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);

    auto *edit = Control<QLineEdit>(field.toLatin1().constData());
    QVERIFY(edit != nullptr);
    const bool onStudyTab = field.startsWith(QLatin1String("edtChar"));
    Control<QTabWidget>("MainPage")->setCurrentWidget(Control(onStudyTab ? "tbStudy" : "tabBeacon"));

    QGuiApplication::clipboard()->setText(pasted);
    edit->setFocus();
    edit->selectAll();
    QTest::keySequence(edit, QKeySequence::Paste);
    // The field keeps its limit; what it holds is the start of the paste.
    QVERIFY(edit->text().size() <= edit->maxLength());
    QVERIFY2(pasted.startsWith(edit->text()), edit->text().toUtf8().toHex(' ').constData());
    const QString typed = edit->text();

    const Outcome outcome = Click(onStudyTab ? "btnShow" : "btniBeacon");
    QCOMPARE(outcome.windows, 1);
    QCOMPARE(outcome.shown, expected);
    QCOMPARE(edit->text(), typed);
}

QTEST_MAIN(tst_Abuse)
#include "tst_abuse.moc"
