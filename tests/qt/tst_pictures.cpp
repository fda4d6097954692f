// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The pictures the main window shows are the program's own: the window icon,
// kept as raw pixels, has the very pixels of its PNGs in every size, and the
// about tab, whose logo is read only when the tab is first shown, shows the
// logo itself, not the empty picture that held its place.

#include "FontAndIcons.h"
#include "main.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

QImage Pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void windowIcon();
    void logoOnFirstShow();
};

void tst_Pictures::windowIcon()
{
    const TfrmMain window;
    const QIcon icon = window.windowIcon();
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString png
            = QStringLiteral(BRENVIK_ICON_DIR "/%1x%1/apps/brenvik-config-assistant.png").arg(side);
        const QImage expected(png);
        QVERIFY2(!expected.isNull(), qPrintable(png));
        QCOMPARE(Pixels(icon.pixmap(QSize(side, side)).toImage()), Pixels(expected));
    }
}

void tst_Pictures::logoOnFirstShow()
{
    TfrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("MainPage"));
    QTabBar *strip = pages->tabBar();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(2).center());
    const auto *logo = window.findChild<QLabel *>(QStringLiteral("imgLogo"));
    QVERIFY(logo->isVisible());
    QCOMPARE(Pixels(logo->pixmap().toImage()), Pixels(LogoIcon().pixmap(32, 32).toImage()));
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
