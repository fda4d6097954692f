// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FormStyle.h"

#include <QDir>
#include <QScreen>
#include <QSize>
#include <QStyle>
#include <QWidget>

QFont FormFont()
{
    // Where the first face is missing, the next ones have close metrics, so
    // the captions fit their fixed places.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

QIcon ProgramIcon()
{
    // One icon for the whole run, so that every command list window shares
    // its images; each size is read only when a window first needs it.
    static const QIcon icon = [] {
        QIcon sizes;
        const QDir theme(QStringLiteral(":/icons/hicolor"));
        for (const QString &size : theme.entryList(QDir::Dirs)) { // "16x16", "24x24", ...
            const int pixels = size.section(QLatin1Char('x'), 0, 0).toInt();
            sizes.addFile(theme.filePath(size + QStringLiteral("/apps/brenvik-config-assistant.png")),
                          QSize(pixels, pixels));
        }
        return sizes;
    }();
    return icon;
}

QIcon LogoIcon()
{
    return QIcon(QStringLiteral(":/icons/brenvik-logo.ico"));
}

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
    box.exec();
}

void CentreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                                screen->availableGeometry()));
}
