// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "TopLevelWindows.h"

#include "FontAndIcons.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>

void MakeFixedSizeWindow(QWidget *window, int width, int height, MinimiseButton minimise)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (minimise == MinimiseButton::shown)
        flags |= Qt::WindowMinimizeButtonHint;
    // Keep only the window's type: a top-level widget starts with every
    // title-bar button hint set, the maximise button among them.
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | flags);
    window->setFixedSize(width, height);
    window->setWindowIcon(ProgramIcon());
}

void ShowMessage(QWidget *owner, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromLatin1(MessageCaption), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // The box fits its width to the text, with 50 px to spare beside the
    // caption. A title bar that Qt draws itself (on Wayland) centres the
    // caption, 14 px high, over the whole width and cuts it where the window
    // icon and the three buttons begin; a spacer row keeps the box wide enough.
    QFont captionFont = QGuiApplication::font();
    captionFont.setPixelSize(14);
    constexpr int titleBarButtons = 90; // on either side of a centred caption
    const int width = QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()) + 2 * titleBarButtons;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void CentreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                                screen->availableGeometry()));
}
