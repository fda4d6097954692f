// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Build helper: writes the pixels of one size of the program's icon as Qt
// keeps them in a pixmap (32-bit premultiplied ARGB in this machine's byte
// order, rows from the top, no padding), so that the program hands them to
// the window system at start without decoding a PNG or copying them. X11 gets
// the same icon as from the PNG: Qt premultiplies a decoded PNG the same way.
//
// Usage: brenvik-icon-pixels IN.png OUT
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: brenvik-icon-pixels IN.png OUT\n");
        return 2;
    }
    const QImage image
        = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "brenvik-icon-pixels: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    const qint64 rowBytes = qint64{image.width()} * 4;
    for (int row = 0; row < image.height(); ++row)
        if (out.write(reinterpret_cast<const char *>(image.constScanLine(row)), rowBytes) != rowBytes)
            return 1;
    return out.flush() ? 0 : 1;
}
