// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Every fixed text of both windows fits its control, measured with the font
// that control really has: labels, group captions, button captions, the
// drop-down's items and the tab strip. CTest runs this suite twice: with the
// fonts installed on the machine, and with a fontconfig setup that holds
// nothing but the faces of one folder (ONLY_FONTS_IN), as on a system with
// fewer fonts than ours.

#include "ATCommandList.h"
#include "main.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Every text that does not fit, so that one run names them all.
using Misfits = QStringList;

QString Name(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

void CheckWidth(Misfits &misfits, const QString &text, int needed, int room)
{
    if (needed > room)
        misfits << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
}

// The room inside a group box's frame, or the whole of any other parent.
QRect Room(const QWidget *parent)
{
    if (qobject_cast<const QGroupBox *>(parent) == nullptr)
        return parent->rect();
    const int frame = parent->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, parent);
    return parent->rect().adjusted(frame, 0, -frame, -frame);
}

// `text`, drawn over `drawn` in `parent`, stays inside `room` and clear of
// every other control there.
void CheckPlace(Misfits &misfits, const QString &text, const QRect &drawn, const QRect &room,
                const QWidget *parent, const QWidget *self = nullptr)
{
    if (!room.contains(drawn))
        misfits << QStringLiteral("\"%1\" takes %2..%3, its place has %4..%5")
                       .arg(text)
                       .arg(drawn.left())
                       .arg(drawn.right())
                       .arg(room.left())
                       .arg(room.right());
    for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (other != self && other->isVisible() && drawn.intersects(other->geometry()))
            misfits << QStringLiteral("\"%1\" runs into %2").arg(text, Name(other));
}

void CheckLabel(Misfits &misfits, const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const int width = metrics.horizontalAdvance(label->text());
    CheckWidth(misfits, label->text(), width, label->contentsRect().width());
    CheckPlace(misfits, label->text(), QRect(label->pos(), QSize(width, metrics.height())),
               Room(label->parentWidget()), label->parentWidget(), label);
}

void CheckGroupCaption(Misfits &misfits, const QGroupBox *group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect caption
        = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QFontMetrics metrics(group->font());
    // The caption stands above the frame line, so it may use the full width.
    CheckPlace(misfits, group->title(),
               QRect(caption.topLeft(), QSize(metrics.horizontalAdvance(group->title()), metrics.height())),
               group->rect(), group);
}

void CheckButton(Misfits &misfits, const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle *style = button->style();
    const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    // The caption keeps the style's margin clear of the frame.
    const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text())
                       + style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    CheckWidth(misfits, button->text(), needed, contents.width());
}

void CheckItems(Misfits &misfits, const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = list->hasFrame();
    const QRect field
        = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const QFontMetrics metrics(list->font());
    for (int item = 0; item < list->count(); ++item)
        CheckWidth(misfits, list->itemText(item), metrics.horizontalAdvance(list->itemText(item)),
                   field.width());
}

Misfits CheckControls(const QWidget *part)
{
    Misfits misfits;
    for (const QLabel *label : part->findChildren<QLabel *>())
        if (!label->text().isEmpty())
            CheckLabel(misfits, label);
    for (const QGroupBox *group : part->findChildren<QGroupBox *>())
        if (!group->title().isEmpty())
            CheckGroupCaption(misfits, group);
    for (const QPushButton *button : part->findChildren<QPushButton *>())
        CheckButton(misfits, button);
    for (const QComboBox *list : part->findChildren<QComboBox *>())
        CheckItems(misfits, list);
    if (!misfits.isEmpty())
        misfits.prepend(QStringLiteral("with %1:").arg(QFontInfo(part->font()).family()));
    return misfits;
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

public:
    static void initMain();

private slots:
    void initTestCase();
    void formFace();
    void mainWindowParts_data();
    void mainWindowParts();
    void tabStrip();
    void resultWindow();

private:
    static inline bool reducedFonts = false;
};

// Before the application starts: a fontconfig setup that knows only the faces
// in ONLY_FONTS_IN, when that is set.
void tst_TextFit::initMain()
{
    const QByteArray folder = qgetenv("ONLY_FONTS_IN");
    if (folder.isEmpty())
        return;
    static const QTemporaryDir setup; // removed when the suite ends
    QFile config(setup.filePath(QStringLiteral("fonts.conf")));
    if (!config.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(config.fileName()));
    config.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n  <dir>"
                 + folder + "</dir>\n</fontconfig>\n");
    config.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config.fileName()));
    reducedFonts = true;
}

void tst_TextFit::initTestCase()
{
    const QStringList families = QFontDatabase::families();
    qInfo("%lld font families installed: %s", families.size(),
          qPrintable(families.join(QStringLiteral(", "))));
    if (reducedFonts)
        QVERIFY2(!families.contains(QStringLiteral("Liberation Sans")),
                 "the reduced font setup is not in effect");
}

void tst_TextFit::formFace()
{
    // The windows get one of the faces they ask for, never a stand-in.
    const TfrmMain window;
    const QFont font = window.findChild<QTabWidget *>(QStringLiteral("MainPage"))->font();
    const QString face = QFontInfo(font).family();
    qInfo("form face: %s, %d px", qPrintable(face), QFontInfo(font).pixelSize());
    QVERIFY2(font.families().contains(face), qPrintable(face));
    QCOMPARE(QFontInfo(font).pixelSize(), 12);
}

void tst_TextFit::mainWindowParts_data()
{
    QTest::addColumn<QString>("part");
    for (const char *part : {"tbStudy", "tabBeacon", "TabSheet1", "sbTitle"})
        QTest::newRow(part) << QString::fromLatin1(part);
}

void tst_TextFit::mainWindowParts()
{
    QFETCH(QString, part);
    TfrmMain window;
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("MainPage"));
    auto *shown = window.findChild<QWidget *>(part);
    if (pages->indexOf(shown) >= 0)
        pages->setCurrentWidget(shown);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const Misfits misfits = CheckControls(shown);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

void tst_TextFit::tabStrip()
{
    TfrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QTabBar *strip = window.findChild<QTabWidget *>(QStringLiteral("MainPage"))->tabBar();

    // All three tabs at the width they ask for, with no scroll arrows.
    QVERIFY2(strip->width() >= strip->sizeHint().width(),
             qPrintable(QStringLiteral("the tabs need %1 px, have %2")
                            .arg(strip->sizeHint().width())
                            .arg(strip->width())));
    QVERIFY(strip->geometry().right() < window.width());
    for (const QToolButton *arrow : strip->findChildren<QToolButton *>())
        QVERIFY(!arrow->isVisible());
    for (int tab = 0; tab < strip->count(); ++tab)
        QVERIFY(strip->tabRect(tab).right() < strip->width());
}

void tst_TextFit::resultWindow()
{
    TfrmResult window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Misfits misfits = CheckControls(&window);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
