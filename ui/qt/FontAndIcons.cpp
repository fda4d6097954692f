// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FontAndIcons.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace {

const QString BundledFamily = QStringLiteral("Liberation Sans");

// The Liberation Sans face the program carries in its resources, registered
// from memory the first time a window asks for its font, but only where
// neither the form's face nor Liberation Sans is installed: registering a face
// costs more at start than anything else the window does with its font.
// Should registering fail, the next face in FormFont() takes its place.
void RegisterBundledFace()
{
    static const bool registered = [] {
        const QStringList installed = QFontDatabase::families();
        if (installed.contains(QtText(brenvik::form::FontFace)) || installed.contains(BundledFamily))
            return true;
        // Kept uncompressed in the resources: Qt reads the face where the
        // program's read-only data maps it, without a copy.
        const QResource face(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        return QFontDatabase::addApplicationFontFromData(face.uncompressedData()) >= 0;
    }();
    Q_UNUSED(registered)
}

} // namespace

QFont FormFont()
{
    // The fixed positions were laid out for the first face. Where it is
    // missing, the bundled face, with close metrics, comes next, so that the
    // captions fit their places whatever fonts the system has.
    RegisterBundledFace();
    QFont font;
    font.setFamilies({QtText(brenvik::form::FontFace), BundledFamily, QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(brenvik::form::FontPixelHeight);
    return font;
}

QIcon ProgramIcon()
{
    // One icon for the whole run, so that every command list window shares
    // its images. Each size lies in the resources as raw pixels, named by its
    // width (see IconPixels.cpp): nothing to decode at start.
    static const QIcon icon = [] {
        QIcon sizes;
        const QDir pixels(QStringLiteral(":/window-icon"));
        for (const QString &name : pixels.entryList(QDir::Files)) {
            const QResource raw(pixels.filePath(name));
            const int side = name.toInt();
            if (side <= 0 || raw.size() != qint64{side} * side * 4)
                continue;
            sizes.addPixmap(
                QPixmap::fromImage(QImage(raw.data(), side, side, QImage::Format_ARGB32_Premultiplied)));
        }
        return sizes;
    }();
    return icon;
}

QIcon LogoIcon()
{
    return QIcon(QStringLiteral(":/icons/brenvik-logo.ico"));
}
