// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The main window (TfrmMain), driven as a user drives it: what it shows when
// it opens, how the keyboard moves through it, and what each click on a
// create button brings up — a message box that sends the focus to the field
// at fault, or a command list window with the whole list.

#include "ATCommandList.h"
#include "Centring.h"
#include "ExpectedLayout.h"
#include "ExpectedTexts.h"
#include "FontAndIcons.h"
#include "ModalHelper.h"
#include "TopLevelWindows.h"
#include "main.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

using namespace brenvik::expected::shown;
namespace layout = brenvik::expect::layout;

namespace {

// Every study list opens with the first seven lines of the default one and
// ends with its last fourteen; only the UUID commands between them change.
QStringList StudyList(const QStringList &uuidCommands)
{
    return studyDefaults16.mid(0, 7) + uuidCommands + studyDefaults16.mid(10);
}

// The 128-bit form: "AT+128B1", the Notify UUID in quarters, then the one
// "AT+CHAR0x" line.
QStringList StudyList128(const QString &notify32, const QString &charLine)
{
    return StudyList({QStringLiteral("AT+128B1"), QStringLiteral("AT+IBE0") + notify32.mid(0, 8),
                      QStringLiteral("AT+IBE1") + notify32.mid(8, 8),
                      QStringLiteral("AT+IBE2") + notify32.mid(16, 8),
                      QStringLiteral("AT+IBE3") + notify32.mid(24, 8), charLine});
}

QStringList BeaconList(const QString &uuid32, const QString &major, const QString &minor)
{
    QStringList lines = beaconDefaults;
    for (int quarter = 0; quarter < 4; ++quarter)
        lines[6 + 2 * quarter]
            = QStringLiteral("AT+IBE%1").arg(quarter) + uuid32.mid(qsizetype{8} * quarter, 8);
    lines[14] = QStringLiteral("AT+MARJ0x") + major;
    lines[16] = QStringLiteral("AT+MINO0x") + minor;
    return lines;
}

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const QString defaultBeaconUuid = Latin1(brenvik::expect::defaultBeaconUuid);
const QString workedNotify = Latin1(brenvik::expect::workedNotify);
const QString workedWrite = Latin1(brenvik::expect::workedWrite);
const QString workedNotify32 = QStringLiteral("0000FFE100001000800000805F9B34FB");

// Types `text` into `widget` key by key. Letters beyond ASCII arrive as a
// keyboard with those letters sends them: the key code and the character.
void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

// What a message box showed, recorded while it was open.
struct MessageSeen {
    bool isMessageBox = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool onlyOk = false;
    QWidget *owner = nullptr;
    int resultWindowsAlive = -1;
};

int ResultWindowsAlive()
{
    int alive = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmResult *>(window) != nullptr)
            ++alive;
    return alive;
}

// Records a message box and dismisses it with its OK button, as a user does.
// Anything else is left for the ModalHelper to close.
MessageSeen RecordAndDismiss(QWidget *modal)
{
    MessageSeen seen;
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box == nullptr)
        return seen;
    seen.isMessageBox = true;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.icon = box->icon();
    seen.buttons = int(box->buttons().size());
    seen.onlyOk = seen.buttons == 1 && box->standardButton(box->buttons().first()) == QMessageBox::Ok;
    seen.owner = box->parentWidget();
    seen.resultWindowsAlive = ResultWindowsAlive();
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        QTest::mouseClick(ok, Qt::LeftButton);
    return seen;
}

// What a command list window showed, recorded while it was open.
struct ListSeen {
    bool isResultWindow = false;
    QPointer<TfrmResult> window;
    QString objectName;
    QString title;
    QSize size;
    bool fixedSize = false;
    QWidget *owner = nullptr;
    bool applicationModal = false;
    int resultWindowsAlive = -1;
    bool markedBefore = false;
    QStringList lines;
};

enum class CloseBy { okButton, closeBox };

ListSeen RecordAndClose(QWidget *modal, CloseBy closeBy)
{
    ListSeen seen;
    auto *result = qobject_cast<TfrmResult *>(modal);
    if (result == nullptr)
        return seen;
    seen.isResultWindow = true;
    seen.window = result;
    seen.objectName = result->objectName();
    seen.title = result->windowTitle();
    seen.size = result->size();
    seen.fixedSize = result->minimumSize() == result->maximumSize();
    seen.owner = result->parentWidget();
    seen.applicationModal
        = result->windowModality() == Qt::ApplicationModal && QApplication::activeModalWidget() == result;
    seen.resultWindowsAlive = ResultWindowsAlive();
    // A window made for an earlier click would still carry this mark.
    seen.markedBefore = result->property("brenvikSeen").toBool();
    result->setProperty("brenvikSeen", true);
    if (const auto *memLog = result->findChild<QPlainTextEdit *>(QStringLiteral("memLog")))
        seen.lines = memLog->toPlainText().split(QLatin1Char('\n'));
    if (closeBy == CloseBy::okButton) {
        if (auto *btnOK = result->findChild<QPushButton *>(QStringLiteral("btnOK")))
            QTest::mouseClick(btnOK, Qt::LeftButton);
    } else {
        result->close();
    }
    return seen;
}

// A command list window whose modal display fails.
class UnshowableResult : public TfrmResult
{
public:
    UnshowableResult() { ++alive; }
    ~UnshowableResult() override { --alive; }
    UnshowableResult(const UnshowableResult &) = delete;
    UnshowableResult &operator=(const UnshowableResult &) = delete;

    int exec() override { throw std::runtime_error("the window system refused to show it"); }

    static inline int alive = 0;
};

// The main window with one failure planted in the making or showing of its
// next command list window; the click after that works normally.
class FailingMain : public TfrmMain
{
public:
    enum class Fault { none, creating, showing };
    Fault nextFault = Fault::none;

protected:
    std::unique_ptr<TfrmResult> NewResultWindow() override
    {
        switch (std::exchange(nextFault, Fault::none)) {
        case Fault::creating:
            throw std::runtime_error("out of window handles");
        case Fault::showing:
            return std::make_unique<UnshowableResult>();
        case Fault::none:
            break;
        }
        return TfrmMain::NewResultWindow();
    }
};

} // namespace

Q_DECLARE_METATYPE(CloseBy)
Q_DECLARE_METATYPE(FailingMain::Fault)

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // What the window shows when it opens.
    void frame();
    void controls_data();
    void controls();
    void tabs_data();
    void tabs();
    void captions_data();
    void captions();
    void labels_data();
    void labels();
    void defaults_data();
    void defaults();
    void uuidTypeChoices();
    void positions_data();
    void positions();
    void studyPageDocking();
    void beaconPageDocking();
    void aboutPage();
    void statusBar();
    void fonts();
    void accessibleNames_data();
    void accessibleNames();

    // The keyboard.
    void initialFocus();
    void keyboardOrder_data();
    void keyboardOrder();
    void typing_data();
    void typing();
    void enterStartsNothing_data();
    void enterStartsNothing();
    void ampersandMakesNoShortcut();
    void choosingChangesNothing();

    // Clicks.
    void studyRejection_data();
    void studyRejection();
    void beaconRejection_data();
    void beaconRejection();
    void typedNonAscii_data();
    void typedNonAscii();
    void defaultsWith128BitType();
    void studyList_data();
    void studyList();
    void beaconList_data();
    void beaconList();
    void everyCreateButton_data();
    void everyCreateButton();
    void twoClicksTwoWindows();
    void listWindowInFront();
    void failureToShow_data();
    void failureToShow();

private:
    template<typename T = QWidget>
    [[nodiscard]] T *Control(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    [[nodiscard]] QLineEdit *Field(const QString &name) const { return Control<QLineEdit>(name); }
    [[nodiscard]] QPushButton *Button(const char *name) const
    {
        return Control<QPushButton>(QLatin1String(name));
    }
    [[nodiscard]] QTabWidget *MainPage() const { return Control<QTabWidget>(QStringLiteral("MainPage")); }
    [[nodiscard]] QComboBox *UuidType() const { return Control<QComboBox>(QStringLiteral("cbUUIDType")); }
    [[nodiscard]] QString FocusName() const;

    // The texts of every field, the UUID type and the tab: what no click may change.
    [[nodiscard]] QStringList UserState() const;
    void ShowTab(int index);
    void CheckRejection(const MessageSeen &seen, int count, const QString &message, const QString &focus,
                        QPushButton *button);
    void CheckList(const ListSeen &seen, const QStringList &expected);

    std::unique_ptr<TfrmMain> window;
};

void tst_MainWindow::init()
{
    window = std::make_unique<TfrmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_MainWindow::cleanup()
{
    // No message box or command list window outlives its click.
    QTRY_VERIFY([this] {
        for (const QWidget *top : QApplication::topLevelWidgets())
            if (top != window.get() && top->isVisible())
                return false;
        return true;
    }());
    QCOMPARE(ResultWindowsAlive(), 0);
    QVERIFY(window->findChildren<TfrmResult *>().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    window.reset();
}

QString tst_MainWindow::FocusName() const
{
    const QWidget *focus = window->focusWidget();
    if (focus == nullptr)
        return QStringLiteral("(none)");
    if (focus == MainPage()->tabBar())
        return QStringLiteral("tab strip");
    return focus->objectName().isEmpty() ? QString::fromLatin1(focus->metaObject()->className())
                                         : focus->objectName();
}

QStringList tst_MainWindow::UserState() const
{
    QStringList state;
    for (const char *name :
         {"edtCharNotify", "edtCharWrite", "edtiBeaconUUID", "edtiBeaconMajor", "edtiBeaconMinor"})
        state << QString::fromLatin1(name) + QLatin1Char('=') + Field(QLatin1String(name))->text();
    state << QStringLiteral("cbUUIDType=%1").arg(UuidType()->currentIndex());
    state << QStringLiteral("tab=%1").arg(MainPage()->currentIndex());
    return state;
}

// Switches tabs by clicking the tab strip.
void tst_MainWindow::ShowTab(int index)
{
    QTabBar *strip = MainPage()->tabBar();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
}

void tst_MainWindow::CheckRejection(const MessageSeen &seen, int count, const QString &message,
                                    const QString &focus, QPushButton *button)
{
    QCOMPARE(count, 1);
    QVERIFY(seen.isMessageBox);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QString::fromLatin1(MessageCaption));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, 1);
    QVERIFY(seen.onlyOk);
    QCOMPARE(seen.owner, window.get());
    QCOMPARE(seen.resultWindowsAlive, 0);

    // No field named: the focus stays where the click put it.
    QWidget *expected = focus.isEmpty() ? button : Control(focus);
    QVERIFY(expected != nullptr);
    QCOMPARE(FocusName(), focus.isEmpty() ? button->objectName() : focus);
    if (auto *field = qobject_cast<QLineEdit *>(expected))
        QCOMPARE(field->selectedText(), field->text());

    // Back in the active window, the keyboard goes where the message sent it.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(expected->hasFocus());
    if (auto *field = qobject_cast<QLineEdit *>(expected))
        QCOMPARE(field->selectedText(), field->text());
}

void tst_MainWindow::CheckList(const ListSeen &seen, const QStringList &expected)
{
    QVERIFY(seen.isResultWindow);
    QCOMPARE(seen.objectName, QStringLiteral("frmResult"));
    QCOMPARE(seen.title, QStringLiteral("AT Commands List"));
    QCOMPARE(seen.size, QSize(467, 424));
    QVERIFY(seen.fixedSize);
    QVERIFY(seen.owner == nullptr);
    QVERIFY(seen.applicationModal);
    QCOMPARE(seen.resultWindowsAlive, 1);
    QVERIFY(!seen.markedBefore);
    for (int i = 0; i < qMin(seen.lines.size(), expected.size()); ++i)
        QCOMPARE(seen.lines.at(i), expected.at(i));
    QCOMPARE(seen.lines.size(), expected.size());
    // Destroyed when the handler returned.
    QVERIFY(seen.window.isNull());
    QCOMPARE(ResultWindowsAlive(), 0);
}

// ---------------------------------------------------------------------------
// What the window shows when it opens.

void tst_MainWindow::frame()
{
    QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Brenvik Config Assistant V1.02"));
    const QSize client(layout::mainClient.width, layout::mainClient.height);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);

    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    // The program's icon in every size a desktop asks for, real images each.
    const QIcon icon = window->windowIcon();
    const QList<QSize> iconSizes = {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    QCOMPARE(available, iconSizes);
    for (const QSize &size : iconSizes)
        QCOMPARE(icon.pixmap(size).size(), size);

    const QPoint centre = window->frameGeometry().center();
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    QVERIFY2(OffCentre(centre, screenCentre).isEmpty(), OffCentre(centre, screenCentre).constData());
}

void tst_MainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("within");

    const struct {
        const char *name, *className, *within;
    } rows[] = {
        {"sbTitle", "QStatusBar", "frmMain"},
        {"MainPage", "QTabWidget", "frmMain"},
        {"tbStudy", "QWidget", "MainPage"},
        {"GBUUIDType", "QGroupBox", "tbStudy"},
        {"cbUUIDType", "QComboBox", "GBUUIDType"},
        {"GBUUIDNotify", "QGroupBox", "tbStudy"},
        {"edtCharNotify", "QLineEdit", "GBUUIDNotify"},
        {"GBUUIDWrite", "QGroupBox", "tbStudy"},
        {"edtCharWrite", "QLineEdit", "GBUUIDWrite"},
        {"GBHelp", "QGroupBox", "tbStudy"},
        {"GBButton", "QGroupBox", "tbStudy"},
        {"btnShow", "QPushButton", "GBButton"},
        {"tabBeacon", "QWidget", "MainPage"},
        {"gbiBeaconUUID", "QGroupBox", "tabBeacon"},
        {"edtiBeaconUUID", "QLineEdit", "gbiBeaconUUID"},
        {"gbiBeaconMajor", "QGroupBox", "tabBeacon"},
        {"edtiBeaconMajor", "QLineEdit", "gbiBeaconMajor"},
        {"gbiBeaconMinor", "QGroupBox", "tabBeacon"},
        {"edtiBeaconMinor", "QLineEdit", "gbiBeaconMinor"},
        {"gbiBeaconHelp", "QGroupBox", "tabBeacon"},
        {"btniBeacon", "QPushButton", "gbiBeaconHelp"},
        {"TabSheet1", "QWidget", "MainPage"},
        {"imgLogo", "QLabel", "TabSheet1"},
        {"lbBuilding", "QLabel", "TabSheet1"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.className)
                                << QString::fromLatin1(row.within);
}

void tst_MainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, within);

    const QList<QWidget *> found = window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.first();
    QVERIFY2(control->inherits(className.toLatin1().constData()), control->metaObject()->className());
    QWidget *container = within == window->objectName() ? window.get() : Control(within);
    QVERIFY(container != nullptr);
    QVERIFY(container->isAncestorOf(control));
}

void tst_MainWindow::tabs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");

    QTest::newRow("study") << 0 << QStringLiteral("tbStudy")
                           << QStringLiteral("Study Function for Master Role");
    QTest::newRow("iBeacon") << 1 << QStringLiteral("tabBeacon")
                             << QStringLiteral("iBeacon function for Slave Role");
    // Qt, like the window system it stands in for, shows "&&" as one "&".
    QTest::newRow("about") << 2 << QStringLiteral("TabSheet1") << QStringLiteral("Quorinet&&Zelvane");
}

void tst_MainWindow::tabs()
{
    QFETCH(int, index);
    QFETCH(QString, page);
    QFETCH(QString, caption);

    QCOMPARE(MainPage()->count(), 3);
    QCOMPARE(MainPage()->widget(index), Control(page));
    QCOMPARE(MainPage()->tabText(index), caption);
}

void tst_MainWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("GBUUIDType") << QStringLiteral("GBUUIDType") << QStringLiteral("UUID Type");
    QTest::newRow("GBUUIDNotify") << QStringLiteral("GBUUIDNotify")
                                  << QStringLiteral("Characteristic included \"Notify\" property");
    QTest::newRow("GBUUIDWrite")
        << QStringLiteral("GBUUIDWrite")
        << QStringLiteral("Characteristic included \"Write\" or \"WriteWithoutResponse\" property");
    QTest::newRow("GBHelp") << QStringLiteral("GBHelp") << QStringLiteral("Help information");
    QTest::newRow("GBButton has none") << QStringLiteral("GBButton") << QString();
    QTest::newRow("btnShow") << QStringLiteral("btnShow") << QStringLiteral("Create AT Commands List");
    QTest::newRow("gbiBeaconUUID") << QStringLiteral("gbiBeaconUUID")
                                   << QStringLiteral("iBeacon UUID or WeChat UUID");
    QTest::newRow("gbiBeaconMajor") << QStringLiteral("gbiBeaconMajor")
                                    << QStringLiteral("iBeacon Major or WeChat Major");
    QTest::newRow("gbiBeaconMinor") << QStringLiteral("gbiBeaconMinor")
                                    << QStringLiteral("iBeacon Minor or WeChat Minor");
    QTest::newRow("gbiBeaconHelp") << QStringLiteral("gbiBeaconHelp") << QStringLiteral("Help information");
    QTest::newRow("btniBeacon") << QStringLiteral("btniBeacon")
                                << QStringLiteral("Create iBeacon AT Commands List");
    QTest::newRow("lbBuilding") << QStringLiteral("lbBuilding") << QStringLiteral("Building......");
}

void tst_MainWindow::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    QWidget *control = Control(name);
    QVERIFY(control != nullptr);
    if (const auto *group = qobject_cast<QGroupBox *>(control))
        QCOMPARE(group->title(), caption);
    else if (const auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), caption);
}

void tst_MainWindow::labels_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("position");

    const struct {
        int tab;
        const char *group, *text;
        int left, top;
    } rows[] = {
        {0, "GBUUIDType", "Chose UUID type:", 8, 19},
        {0, "GBUUIDNotify", "Please input UUID which included \"Notify\" property", 8, 48},
        {0, "GBUUIDWrite", "Please input UUID which included \"Write\" or \"WriteWithoutResponse\" property",
         8, 48},
        {0, "GBHelp", "1. 16 Bits UUID format is like 'FFF0'", 8, 24},
        {0, "GBHelp", "2. 128 Bits UUID format is like '0000FFE0-0000-1000-8000-00805F9B34FB'", 8, 40},
        {0, "GBHelp", "3. Please use LightBlue for iOS to find UUID, android always show as 128 Bits UUID", 8,
         56},
        {0, "GBHelp", "4. If slave device is used one UUID, please keep those two UUID is same", 8, 72},
        {1, "gbiBeaconUUID", "Please input UUID, Should like \"0000FFE0-0000-1000-8000-00805F9B34FB\"", 8,
         48},
        {1, "gbiBeaconMajor",
         "Please input Major, Should like \"04D2\" (Hex mode) or \"01234\" (Decimal mode)", 8, 48},
        {1, "gbiBeaconMinor",
         "Please input Minor, Should like \"04D3\" (Hex mode) or \"01235\" (Decimal mode)", 8, 48},
        {1, "gbiBeaconHelp", "1. Major or Minor is between 1~65535, Hex mode length is 4, Decimal mode is 5.",
         8, 24},
        {1, "gbiBeaconHelp",
         "2. If you want to use it in WeChat, Please ask Tencent to get UUID information.", 8, 40},
        {1, "gbiBeaconHelp", "3. iBeacon is based on BLE, iBeacon format is 21 Bytes in advertising data.", 8,
         56},
        {2, "TabSheet1", "Building......", 168, 144},
    };
    for (const auto &row : rows)
        QTest::newRow(row.text) << row.tab << QString::fromLatin1(row.group) << QString::fromLatin1(row.text)
                                << QPoint(row.left, row.top);
}

void tst_MainWindow::labels()
{
    QFETCH(int, tab);
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(QPoint, position);

    ShowTab(tab);
    QWidget *container = Control(group);
    QVERIFY(container != nullptr);
    QLabel *label = nullptr;
    for (QLabel *candidate : container->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (candidate->text() == text) {
            QVERIFY2(label == nullptr, "the label appears twice");
            label = candidate;
        }
    QVERIFY2(label != nullptr, "no such label in the group");
    QCOMPARE(label->pos(), position);
    QVERIFY(label->isVisible());
    // Shown whole: as wide as its text needs, and inside its group.
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY2(
        container->rect().contains(label->geometry()),
        qPrintable(
            QStringLiteral("label %1 wide in a group %2 wide").arg(label->width()).arg(container->width())));
}

void tst_MainWindow::defaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");

    QTest::newRow("edtCharNotify") << QStringLiteral("edtCharNotify") << QStringLiteral("FFE1") << 36;
    QTest::newRow("edtCharWrite") << QStringLiteral("edtCharWrite") << QStringLiteral("FFE1") << 36;
    QTest::newRow("edtiBeaconUUID") << QStringLiteral("edtiBeaconUUID") << defaultBeaconUuid << 36;
    QTest::newRow("edtiBeaconMajor") << QStringLiteral("edtiBeaconMajor") << QStringLiteral("10123") << 5;
    QTest::newRow("edtiBeaconMinor") << QStringLiteral("edtiBeaconMinor") << QStringLiteral("10125") << 5;
}

void tst_MainWindow::defaults()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, maxLength);

    QLineEdit *field = Field(name);
    QVERIFY(field != nullptr);
    QCOMPARE(field->text(), text);
    QCOMPARE(field->maxLength(), maxLength);
    QVERIFY(!field->isReadOnly());
    QVERIFY(field->validator() == nullptr);
    QVERIFY(field->inputMask().isEmpty());
    QCOMPARE(MainPage()->currentWidget(), Control(QStringLiteral("tbStudy")));
}

void tst_MainWindow::uuidTypeChoices()
{
    QComboBox *cbUUIDType = UuidType();
    QVERIFY(!cbUUIDType->isEditable());
    QCOMPARE(cbUUIDType->count(), 2);
    QCOMPARE(cbUUIDType->itemText(0), QStringLiteral("Slave device is using 16 Bit format UUID"));
    QCOMPARE(cbUUIDType->itemText(1), QStringLiteral("Slave device is using 128 Bit format UUID"));
    QCOMPARE(cbUUIDType->currentIndex(), 0);
}

void tst_MainWindow::positions_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // height 0: whatever the control needs

    // The fields, the drop-down list, the buttons and the logo; labels fit their texts (tst_textfit).
    for (const layout::Place &place : layout::places)
        if (place.width > 0)
            QTest::newRow(place.name.data())
                << place.tab << Latin1(place.name) << QRect(place.left, place.top, place.width, place.height);
}

void tst_MainWindow::positions()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    ShowTab(tab);
    QWidget *control = Control(name);
    QVERIFY(control != nullptr);
    QVERIFY(control->isVisible());
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->width(), geometry.width());
    if (geometry.height() > 0)
        QCOMPARE(control->height(), geometry.height());
    // Nothing is cut off by the edge of its group or page.
    QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
             qPrintable(QStringLiteral("%1 reaches %2,%3 in a parent of %4x%5")
                            .arg(name)
                            .arg(control->geometry().right())
                            .arg(control->geometry().bottom())
                            .arg(control->parentWidget()->width())
                            .arg(control->parentWidget()->height())));
}

namespace {

// The page's groups, across it, from the top down: fixed heights above the
// one that fills the rest, fixed heights below it.
void CheckDocking(QWidget *page, const layout::DockedPage &docked)
{
    const int width = page->width();
    int rest = page->height();
    for (const layout::Group &group : docked.groups)
        rest -= group.height;
    int top = 0;
    for (const layout::Group &group : docked.groups) {
        const int height = group.height > 0 ? group.height : rest;
        QCOMPARE(page->findChild<QWidget *>(Latin1(group.name))->geometry(), QRect(0, top, width, height));
        top += height;
    }
    QCOMPARE(top, page->height());
}

} // namespace

void tst_MainWindow::studyPageDocking()
{
    CheckDocking(Control(QStringLiteral("tbStudy")), layout::dockedPages[0]);
    // The help group has room for its four lines.
    QVERIFY(Control(QStringLiteral("GBHelp"))->height() >= 72 + 16);
}

void tst_MainWindow::beaconPageDocking()
{
    ShowTab(1);
    QWidget *page = Control(QStringLiteral("tabBeacon"));
    CheckDocking(page, layout::dockedPages[1]);
    // Both pages share the tab control's page area.
    QCOMPARE(page->size(), Control(QStringLiteral("tbStudy"))->size());
}

void tst_MainWindow::aboutPage()
{
    ShowTab(2);
    auto *imgLogo = Control<QLabel>(QStringLiteral("imgLogo"));
    QVERIFY(imgLogo->isVisible());
    const QPixmap logo = imgLogo->pixmap();
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(imgLogo->size(), QSize(32, 32));
    // A real image for displays scaled by 1.5 and 2, not a stretched one.
    const QList<QSize> logoSizes = LogoIcon().availableSizes();
    QVERIFY(logoSizes.contains(QSize(48, 48)));
    QVERIFY(logoSizes.contains(QSize(64, 64)));
    // A screen reader names the picture.
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(imgLogo);
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Brenvik logo"));
    // The text stands to the right of the picture.
    auto *lbBuilding = Control<QLabel>(QStringLiteral("lbBuilding"));
    QVERIFY(lbBuilding->x() >= imgLogo->geometry().right());
    QVERIFY(lbBuilding->isVisible());
}

void tst_MainWindow::statusBar()
{
    auto *sbTitle = Control<QStatusBar>(QStringLiteral("sbTitle"));
    QCOMPARE(window->statusBar(), sbTitle);
    QCOMPARE(sbTitle->height(), layout::statusBarHeight);
    QCOMPARE(sbTitle->geometry().bottom(), window->height() - 1);
    QCOMPARE(sbTitle->width(), window->width());
    QVERIFY(!sbTitle->isSizeGripEnabled());
    // The status bar keeps the system's font.
    QVERIFY(!sbTitle->font().families().contains(QStringLiteral("MS Sans Serif")));

    const QList<QLabel *> panels = sbTitle->findChildren<QLabel *>();
    QCOMPARE(panels.size(), 2);
    QLabel *web = panels.at(0)->x() < panels.at(1)->x() ? panels.at(0) : panels.at(1);
    QLabel *mail = web == panels.at(0) ? panels.at(1) : panels.at(0);
    QVERIFY(web->isVisible());
    QVERIFY(mail->isVisible());
    QCOMPARE(web->width(), layout::webPanelWidth);
    QVERIFY(web->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(web->layoutDirection(), Qt::RightToLeft);
    QVERIFY(web->text().endsWith(QLatin1String(".example")));
    QVERIFY(!web->text().contains(QLatin1Char('@')));
    QVERIFY(mail->text().contains(QLatin1Char('@')));
    QVERIFY(mail->text().endsWith(QLatin1String(".example")));
    // The last panel reaches the right edge (up to the status bar's margin).
    QVERIFY(mail->geometry().right() >= sbTitle->width() - 1 - 6);
    QVERIFY(mail->width() >= 50);
    // Message boxes carry a made-up web address as their caption.
    QVERIFY(QString::fromLatin1(MessageCaption).endsWith(QLatin1String(".example")));
    QVERIFY(!QString::fromLatin1(MessageCaption).contains(QLatin1Char('@')));
}

void tst_MainWindow::fonts()
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control == window->statusBar() || window->statusBar()->isAncestorOf(control))
            continue;
        if (!MainPage()->isAncestorOf(control) || control->window() != window.get())
            continue;
        QVERIFY2(control->font().families().value(0) == QLatin1String("MS Sans Serif"),
                 qPrintable(control->objectName() + QLatin1Char(' ') + control->font().toString()));
        QVERIFY2(control->font().pixelSize() == 12, qPrintable(control->objectName()));
    }
    QCOMPARE(MainPage()->font().families().value(0), QStringLiteral("MS Sans Serif"));
}

void tst_MainWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("description");

    QTest::newRow("cbUUIDType") << QStringLiteral("cbUUIDType") << QStringLiteral("GBUUIDType") << QString();
    QTest::newRow("edtCharNotify") << QStringLiteral("edtCharNotify") << QStringLiteral("GBUUIDNotify")
                                   << QStringLiteral("Please input UUID which included \"Notify\" property");
    QTest::newRow("edtCharWrite")
        << QStringLiteral("edtCharWrite") << QStringLiteral("GBUUIDWrite")
        << QStringLiteral("Please input UUID which included \"Write\" or \"WriteWithoutResponse\" property");
    QTest::newRow("edtiBeaconUUID")
        << QStringLiteral("edtiBeaconUUID") << QStringLiteral("gbiBeaconUUID")
        << QStringLiteral("Please input UUID, Should like \"0000FFE0-0000-1000-8000-00805F9B34FB\"");
    QTest::newRow("edtiBeaconMajor")
        << QStringLiteral("edtiBeaconMajor") << QStringLiteral("gbiBeaconMajor")
        << QStringLiteral("Please input Major, Should like \"04D2\" (Hex mode) or \"01234\" (Decimal mode)");
    QTest::newRow("edtiBeaconMinor")
        << QStringLiteral("edtiBeaconMinor") << QStringLiteral("gbiBeaconMinor")
        << QStringLiteral("Please input Minor, Should like \"04D3\" (Hex mode) or \"01235\" (Decimal mode)");
}

void tst_MainWindow::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(QString, description);

    const QString caption = Control<QGroupBox>(group)->title();
    QVERIFY(!caption.isEmpty());
    QCOMPARE(Control(name)->accessibleName(), caption);
    // What a screen reader is told. On Linux, Qt names a drop-down list by
    // its current item and announces its label through a relation.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(Control(name));
    QVERIFY(accessible != nullptr);
    if (qobject_cast<QComboBox *>(Control(name)) == nullptr) {
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        // The hint under the field describes it.
        QCOMPARE(accessible->text(QAccessible::Description), description);
        return;
    }
    QStringList labels;
    for (const auto &relation : accessible->relations(QAccessible::Label))
        labels << relation.first->text(QAccessible::Name);
    labels.sort();
    QCOMPARE(labels, QStringList({QStringLiteral("Chose UUID type:"), caption}));
}

// ---------------------------------------------------------------------------
// The keyboard.

void tst_MainWindow::initialFocus()
{
    QCOMPARE(QApplication::focusWidget(), MainPage()->tabBar());
    QCOMPARE(window->focusWidget(), MainPage()->tabBar());
    QCOMPARE(MainPage()->currentIndex(), 0);
}

void tst_MainWindow::keyboardOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");

    const char *const rows[] = {"study tab", "iBeacon tab", "about tab: nothing to stop at"};
    for (const layout::TabOrder &tab : layout::keyboardOrder) {
        QStringList order{QStringLiteral("tab strip")};
        for (const std::string_view control : tab.controls)
            order << Latin1(control);
        QTest::newRow(rows[tab.tab]) << tab.tab << (order << QStringLiteral("tab strip"));
    }
}

void tst_MainWindow::keyboardOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);

    // Right arrow on the tab strip changes the page, as a keyboard user does.
    QCOMPARE(FocusName(), QStringLiteral("tab strip"));
    for (int i = 0; i < tab; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(MainPage()->currentIndex(), tab);

    QStringList forward{FocusName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << FocusName();
    }
    QCOMPARE(forward, order);

    QStringList backward{FocusName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << FocusName();
    }
    std::reverse(order.begin(), order.end());
    QCOMPARE(backward, order);
    // Moving through the fields changes none of them.
    QCOMPARE(MainPage()->currentIndex(), tab);
}

void tst_MainWindow::typing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    const QString uuid37 = QStringLiteral("0000FFE0-0000-1000-8000-00805F9B34FBA");
    QTest::newRow("sixth character into Major refused")
        << QStringLiteral("edtiBeaconMajor") << false << QStringLiteral("4") << QStringLiteral("10123");
    QTest::newRow("sixth character into Minor refused")
        << QStringLiteral("edtiBeaconMinor") << false << QStringLiteral("4") << QStringLiteral("10125");
    QTest::newRow("Major takes five of six")
        << QStringLiteral("edtiBeaconMajor") << true << QStringLiteral("123456") << QStringLiteral("12345");
    QTest::newRow("37th character into the iBeacon UUID refused")
        << QStringLiteral("edtiBeaconUUID") << false << QStringLiteral("A") << defaultBeaconUuid;
    QTest::newRow("Notify takes 36 of 37")
        << QStringLiteral("edtCharNotify") << true << uuid37 << uuid37.left(36);
    QTest::newRow("Write takes 36 of 37")
        << QStringLiteral("edtCharWrite") << true << uuid37 << uuid37.left(36);
    // Only the length limits typing; every other check waits for the click.
    QTest::newRow("Major takes any characters")
        << QStringLiteral("edtiBeaconMajor") << true << QStringLiteral("g-. z") << QStringLiteral("g-. z");
    QTest::newRow("Notify takes any characters")
        << QStringLiteral("edtCharNotify") << true << QStringLiteral("xyz!\u00e9 -")
        << QStringLiteral("xyz!\u00e9 -");
    QTest::newRow("Notify typed after its text")
        << QStringLiteral("edtCharNotify") << false << QStringLiteral("-0") << QStringLiteral("FFE1-0");
}

void tst_MainWindow::typing()
{
    QFETCH(QString, name);
    QFETCH(bool, clearFirst);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    QLineEdit *field = Field(name);
    if (name.startsWith(QLatin1String("edtiBeacon")))
        ShowTab(1);
    field->setFocus();
    if (clearFirst)
        field->clear();
    field->end(false);
    Type(field, typed);
    QCOMPARE(field->text(), expected);
}

void tst_MainWindow::enterStartsNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");

    for (const char *name :
         {"edtCharNotify", "edtCharWrite", "edtiBeaconUUID", "edtiBeaconMajor", "edtiBeaconMinor"}) {
        QTest::addRow("Return in %s", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
        QTest::addRow("Enter in %s", name) << QString::fromLatin1(name) << int(Qt::Key_Enter);
    }
}

void tst_MainWindow::enterStartsNothing()
{
    QFETCH(QString, name);
    QFETCH(int, key);

    QVERIFY(!Button("btnShow")->isDefault());
    QVERIFY(!Button("btnShow")->autoDefault());
    QVERIFY(!Button("btniBeacon")->isDefault());
    QVERIFY(!Button("btniBeacon")->autoDefault());

    if (name.startsWith(QLatin1String("edtiBeacon")))
        ShowTab(1);
    QLineEdit *field = Field(name);
    field->setFocus();
    const QStringList before = UserState();
    int opened = 0;
    ModalHelper helper([&](QWidget *) { ++opened; });
    QTest::keyClick(field, Qt::Key(key));
    QCoreApplication::processEvents();
    QCOMPARE(opened, 0);
    QCOMPARE(UserState(), before);
    QCOMPARE(QApplication::focusWidget(), field);
}

void tst_MainWindow::ampersandMakesNoShortcut()
{
    // "&&" is a literal "&": no Alt+Z (nor Alt+Q) opens the third tab.
    for (const Qt::Key key : {Qt::Key_Z, Qt::Key_Q}) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QCOMPARE(MainPage()->currentIndex(), 0);
    }
    // A screen reader reads what is shown: one "&".
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(MainPage()->tabBar());
    QVERIFY(strip != nullptr);
    QStringList tabNames;
    for (int i = 0; i < strip->childCount(); ++i)
        if (strip->child(i)->role() == QAccessible::PageTab)
            tabNames << strip->child(i)->text(QAccessible::Name);
    QCOMPARE(tabNames, (QStringList{QStringLiteral("Study Function for Master Role"),
                                    QStringLiteral("iBeacon function for Slave Role"),
                                    QStringLiteral("Quorinet&Zelvane")}));
}

void tst_MainWindow::choosingChangesNothing()
{
    const QStringList fields = UserState().mid(0, 5);
    QComboBox *cbUUIDType = UuidType();
    cbUUIDType->setFocus();
    QTest::keyClick(cbUUIDType, Qt::Key_Down);
    QCOMPARE(cbUUIDType->currentIndex(), 1);
    QCOMPARE(UserState().mid(0, 5), fields);
    ShowTab(1);
    ShowTab(2);
    ShowTab(0);
    QCOMPARE(UserState().mid(0, 5), fields);
    QCOMPARE(cbUUIDType->currentIndex(), 1);
}

// ---------------------------------------------------------------------------
// Clicks that bring up a message box.

void tst_MainWindow::studyRejection_data()
{
    QTest::addColumn<QString>("notify");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("uuidType");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // empty: no field named

    for (const auto &row : brenvik::expect::studyRejections)
        QTest::newRow(row.name.data()) << Latin1(row.notify) << Latin1(row.write) << row.uuidType
                                       << Latin1(row.message) << Latin1(row.focus);
}

void tst_MainWindow::studyRejection()
{
    QFETCH(QString, notify);
    QFETCH(QString, write);
    QFETCH(int, uuidType);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Field(QStringLiteral("edtCharNotify"))->setText(notify);
    Field(QStringLiteral("edtCharWrite"))->setText(write);
    UuidType()->setCurrentIndex(uuidType);
    const QStringList before = UserState();

    MessageSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndDismiss(modal); });
    QTest::mouseClick(Button("btnShow"), Qt::LeftButton);

    QCOMPARE(helper.leftOpen(), 0);
    CheckRejection(seen, helper.seen(), message, focus, Button("btnShow"));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(UserState(), before);
}

void tst_MainWindow::beaconRejection_data()
{
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("minor");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    for (const auto &row : brenvik::expect::beaconRejections)
        QTest::newRow(row.name.data()) << Latin1(row.uuid) << Latin1(row.major) << Latin1(row.minor)
                                       << Latin1(row.message) << Latin1(row.focus);
}

void tst_MainWindow::beaconRejection()
{
    QFETCH(QString, uuid);
    QFETCH(QString, major);
    QFETCH(QString, minor);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    ShowTab(1);
    Field(QStringLiteral("edtiBeaconUUID"))->setText(uuid);
    Field(QStringLiteral("edtiBeaconMajor"))->setText(major);
    Field(QStringLiteral("edtiBeaconMinor"))->setText(minor);
    const QStringList before = UserState();

    MessageSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndDismiss(modal); });
    QTest::mouseClick(Button("btniBeacon"), Qt::LeftButton);

    QCOMPARE(helper.leftOpen(), 0);
    CheckRejection(seen, helper.seen(), message, focus, Button("btniBeacon"));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(UserState(), before);
}

void tst_MainWindow::typedNonAscii_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("accented letter in Notify")
        << QStringLiteral("edtCharNotify") << QStringLiteral("FFE\u00e91") << badNotify;
    QTest::newRow("accented letter in Write")
        << QStringLiteral("edtCharWrite") << QStringLiteral("FFE\u00e91") << badWrite;
    // A no-break space is not trimmed like a space.
    QTest::newRow("no-break space before Notify")
        << QStringLiteral("edtCharNotify") << QStringLiteral("\u00a0FFE1") << badNotify;
    QTest::newRow("accented letter in the iBeacon UUID")
        << QStringLiteral("edtiBeaconUUID") << QStringLiteral("0000FFF0-0000-1000-8000-00805F9B34F\u00c9")
        << badUuidDigits;
    QTest::newRow("accented letter in Major")
        << QStringLiteral("edtiBeaconMajor") << QStringLiteral("1\u00e923") << badMajor;
    QTest::newRow("accented letter alone in Minor")
        << QStringLiteral("edtiBeaconMinor") << QStringLiteral("\u00e9") << badMinor;
}

void tst_MainWindow::typedNonAscii()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    const bool beacon = name.startsWith(QLatin1String("edtiBeacon"));
    if (beacon)
        ShowTab(1);
    QLineEdit *field = Field(name);
    field->setFocus();
    field->clear();
    Type(field, typed);
    QCOMPARE(field->text(), typed);
    const QStringList before = UserState();

    QPushButton *button = Button(beacon ? "btniBeacon" : "btnShow");
    MessageSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndDismiss(modal); });
    QTest::mouseClick(button, Qt::LeftButton);

    CheckRejection(seen, helper.seen(), message, name, button);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(UserState(), before);
}

void tst_MainWindow::defaultsWith128BitType()
{
    // Choosing the other type with the keyboard leaves the fields as they are...
    QComboBox *cbUUIDType = UuidType();
    cbUUIDType->setFocus();
    QTest::keyClick(cbUUIDType, Qt::Key_Down);
    QCOMPARE(cbUUIDType->currentIndex(), 1);
    QCOMPARE(Field(QStringLiteral("edtCharNotify"))->text(), QStringLiteral("FFE1"));
    QCOMPARE(Field(QStringLiteral("edtCharWrite"))->text(), QStringLiteral("FFE1"));

    // ...so the 16-bit defaults are now a bad 128-bit Notify UUID.
    MessageSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndDismiss(modal); });
    QTest::mouseClick(Button("btnShow"), Qt::LeftButton);
    CheckRejection(seen, helper.seen(), badNotify, QStringLiteral("edtCharNotify"), Button("btnShow"));
}

// ---------------------------------------------------------------------------
// Clicks that bring up a command list window.

void tst_MainWindow::studyList_data()
{
    QTest::addColumn<QString>("notify");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("uuidType");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<CloseBy>("closeBy");

    QTest::newRow("defaults, closed by OK")
        << QStringLiteral("FFE1") << QStringLiteral("FFE1") << 0 << studyDefaults16 << CloseBy::okButton;
    QTest::newRow("defaults, closed by the close box")
        << QStringLiteral("FFE1") << QStringLiteral("FFE1") << 0 << studyDefaults16 << CloseBy::closeBox;
    // Write goes into AT+UUID, Notify into AT+CHAR.
    QTest::newRow("16-bit: lower case and dashes")
        << QStringLiteral("ff-e1") << QStringLiteral("-fff2") << 0
        << StudyList(
               {QStringLiteral("AT+128B0"), QStringLiteral("AT+UUID0xFFF2"), QStringLiteral("AT+CHAR0xFFE1")})
        << CloseBy::okButton;
    QTest::newRow("128-bit: one digit differs at 8")
        << workedNotify << workedWrite << 1 << studyExample128 << CloseBy::okButton;
    QTest::newRow("128-bit: one digit differs at 8, closed by the close box")
        << workedNotify << workedWrite << 1 << studyExample128 << CloseBy::closeBox;
    QTest::newRow("128-bit: identical")
        << workedNotify << workedNotify.toLower() << 1
        << StudyList128(workedNotify32, QStringLiteral("AT+CHAR0x00FF")) << CloseBy::okButton;
    QTest::newRow("128-bit: last digit differs")
        << workedNotify << QStringLiteral("0000FFE1-0000-1000-8000-00805F9B34FC") << 1
        << StudyList128(workedNotify32, QStringLiteral("AT+CHAR0x10FC")) << CloseBy::okButton;
    QTest::newRow("128-bit: all zeros, no dashes")
        << QString(32, QLatin1Char('0')) << QStringLiteral("00000000000000000000000000000001") << 1
        << StudyList128(QString(32, QLatin1Char('0')), QStringLiteral("AT+CHAR0x1001")) << CloseBy::okButton;
}

void tst_MainWindow::studyList()
{
    QFETCH(QString, notify);
    QFETCH(QString, write);
    QFETCH(int, uuidType);
    QFETCH(QStringList, expected);
    QFETCH(CloseBy, closeBy);

    Field(QStringLiteral("edtCharNotify"))->setText(notify);
    Field(QStringLiteral("edtCharWrite"))->setText(write);
    UuidType()->setCurrentIndex(uuidType);
    const QStringList before = UserState();

    ListSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndClose(modal, closeBy); });
    QTest::mouseClick(Button("btnShow"), Qt::LeftButton);

    QCOMPARE(helper.seen(), 1);
    QCOMPARE(helper.leftOpen(), 0);
    CheckList(seen, expected);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(expected.size(), uuidType == 0 ? 24 : 27);
    // Back in the main window, as it was.
    QCOMPARE(UserState(), before);
    QCOMPARE(FocusName(), QStringLiteral("btnShow"));
    QVERIFY(window->isVisible());
}

void tst_MainWindow::beaconList_data()
{
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("minor");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<CloseBy>("closeBy");

    QTest::newRow("defaults, closed by OK") << defaultBeaconUuid << QStringLiteral("10123")
                                            << QStringLiteral("10125") << beaconDefaults << CloseBy::okButton;
    QTest::newRow("defaults, closed by the close box")
        << defaultBeaconUuid << QStringLiteral("10123") << QStringLiteral("10125") << beaconDefaults
        << CloseBy::closeBox;
    QTest::newRow("hex Major and Minor, lower case")
        << defaultBeaconUuid << QStringLiteral("04d2") << QStringLiteral("1234")
        << BeaconList(QStringLiteral("0000FFF000001000800000805F9B34FB"), QStringLiteral("04D2"),
                      QStringLiteral("1234"))
        << CloseBy::okButton;
    QTest::newRow("decimal 00001 and 65535")
        << defaultBeaconUuid << QStringLiteral("00001") << QStringLiteral("65535")
        << BeaconList(QStringLiteral("0000FFF000001000800000805F9B34FB"), QStringLiteral("0001"),
                      QStringLiteral("FFFF"))
        << CloseBy::okButton;
    QTest::newRow("space and four digits is hex")
        << defaultBeaconUuid << QStringLiteral(" 1234") << QStringLiteral("01234")
        << BeaconList(QStringLiteral("0000FFF000001000800000805F9B34FB"), QStringLiteral("1234"),
                      QStringLiteral("04D2"))
        << CloseBy::okButton;
    QTest::newRow("lower-case UUID with dashes anywhere")
        << QStringLiteral("-e2c56db5dffb-48d2-b060-d0f5a71096e0") << QStringLiteral("10123")
        << QStringLiteral("10125")
        << BeaconList(QStringLiteral("E2C56DB5DFFB48D2B060D0F5A71096E0"), QStringLiteral("278B"),
                      QStringLiteral("278D"))
        << CloseBy::okButton;
}

void tst_MainWindow::beaconList()
{
    QFETCH(QString, uuid);
    QFETCH(QString, major);
    QFETCH(QString, minor);
    QFETCH(QStringList, expected);
    QFETCH(CloseBy, closeBy);

    ShowTab(1);
    Field(QStringLiteral("edtiBeaconUUID"))->setText(uuid);
    Field(QStringLiteral("edtiBeaconMajor"))->setText(major);
    Field(QStringLiteral("edtiBeaconMinor"))->setText(minor);
    const QStringList before = UserState();

    ListSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndClose(modal, closeBy); });
    QTest::mouseClick(Button("btniBeacon"), Qt::LeftButton);

    QCOMPARE(helper.seen(), 1);
    QCOMPARE(helper.leftOpen(), 0);
    CheckList(seen, expected);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(expected.size(), 17);
    QCOMPARE(UserState(), before);
    QCOMPARE(FocusName(), QStringLiteral("btniBeacon"));
}

void tst_MainWindow::everyCreateButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected"); // empty: no list known for its action

    // Every button of the description that does something, and what its
    // action makes of the defaults.
    namespace form = brenvik::form;
    for (const form::Control &control : form::MainWindow.controls)
        if (control.click.action != form::Action::none)
            QTest::newRow(control.name.data())
                << Latin1(control.name)
                << (control.click.action == form::Action::studyList    ? studyDefaults16
                    : control.click.action == form::Action::beaconList ? beaconDefaults
                                                                       : QStringList());
}

void tst_MainWindow::everyCreateButton()
{
    QFETCH(QString, button);
    QFETCH(QStringList, expected);

    QVERIFY2(!expected.isEmpty(), "no list is expected of this button's action");
    // The tab it is on, as a user looks for it.
    for (int tab = 0; tab < MainPage()->count() && !Control(button)->isVisible(); ++tab)
        ShowTab(tab);
    ListSeen seen;
    ModalHelper helper([&](QWidget *modal) { seen = RecordAndClose(modal, CloseBy::okButton); });
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);

    QCOMPARE(helper.seen(), 1);
    CheckList(seen, expected);
    QCOMPARE(FocusName(), button);
}

void tst_MainWindow::twoClicksTwoWindows()
{
    ListSeen first;
    ListSeen second;
    {
        ModalHelper helper([&](QWidget *modal) { first = RecordAndClose(modal, CloseBy::okButton); });
        QTest::mouseClick(Button("btnShow"), Qt::LeftButton);
        QCOMPARE(helper.seen(), 1);
    }
    CheckList(first, studyDefaults16);
    if (QTest::currentTestFailed())
        return;
    {
        ModalHelper helper([&](QWidget *modal) { second = RecordAndClose(modal, CloseBy::closeBox); });
        QTest::mouseClick(Button("btnShow"), Qt::LeftButton);
        QCOMPARE(helper.seen(), 1);
    }
    // A fresh window, holding this click's list and nothing from the first.
    CheckList(second, studyDefaults16);
}

void tst_MainWindow::listWindowInFront()
{
    // Moved off the centre: a list centred on this window would show it.
    window->move(window->screen()->availableGeometry().topLeft());
    QWindow *transientParent = nullptr;
    QWidget *owner = window.get();
    QByteArray offCentre = "no command list window";
    ModalHelper helper([&](QWidget *modal) {
        if (qobject_cast<TfrmResult *>(modal) == nullptr)
            return;
        transientParent = modal->windowHandle()->transientParent();
        owner = modal->parentWidget();
        offCentre = OffCentre(modal->frameGeometry().center(), modal->screen()->availableGeometry().center());
    });
    QTest::mouseClick(Button("btnShow"), Qt::LeftButton);

    QCOMPARE(helper.seen(), 1);
    // The window system keeps it in front of the window it blocks, yet it has no owner.
    QVERIFY(transientParent == window->windowHandle());
    QVERIFY(owner == nullptr);
    QVERIFY2(offCentre.isEmpty(), offCentre.constData());
}

void tst_MainWindow::failureToShow_data()
{
    QTest::addColumn<FailingMain::Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("making the window fails")
        << FailingMain::Fault::creating << QStringLiteral("out of window handles");
    QTest::newRow("showing the window fails")
        << FailingMain::Fault::showing << QStringLiteral("the window system refused to show it");
}

void tst_MainWindow::failureToShow()
{
    QFETCH(FailingMain::Fault, fault);
    QFETCH(QString, reason);

    FailingMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.nextFault = fault;
    auto *btnShow = main.findChild<QPushButton *>(QStringLiteral("btnShow"));

    MessageSeen error;
    int unshowableAlive = -1;
    {
        ModalHelper helper([&](QWidget *modal) {
            unshowableAlive = UnshowableResult::alive;
            error = RecordAndDismiss(modal);
        });
        QTest::mouseClick(btnShow, Qt::LeftButton);
        QCOMPARE(helper.seen(), 1);
        QCOMPARE(helper.leftOpen(), 0);
    }
    QVERIFY(error.isMessageBox);
    QCOMPARE(error.icon, QMessageBox::Critical);
    QCOMPARE(error.title, QString::fromLatin1(MessageCaption));
    QVERIFY2(error.text.contains(reason), qPrintable(error.text));
    QVERIFY(error.onlyOk);
    QCOMPARE(error.owner, &main);
    // The window was gone before the failure was reported.
    QCOMPARE(error.resultWindowsAlive, 0);
    QCOMPARE(unshowableAlive, 0);
    QCOMPARE(UnshowableResult::alive, 0);
    QCOMPARE(ResultWindowsAlive(), 0);

    // The program carries on: the next click shows its list.
    ListSeen seen;
    {
        ModalHelper helper([&](QWidget *modal) { seen = RecordAndClose(modal, CloseBy::okButton); });
        QTest::mouseClick(btnShow, Qt::LeftButton);
        QCOMPARE(helper.seen(), 1);
    }
    CheckList(seen, studyDefaults16);
    main.hide();
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
