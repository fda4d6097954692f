// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Whether a window stands centred on its screen, for the tests of both windows.

#include <QByteArray>
#include <QPoint>
#include <QString>

// Empty when `centre` lies on `screenCentre`, give or take the rounding of an
// odd size; otherwise a description of both, for QVERIFY2.
inline QByteArray OffCentre(QPoint centre, QPoint screenCentre)
{
    if ((centre - screenCentre).manhattanLength() <= 2)
        return {};
    return QStringLiteral("window centre %1,%2, screen centre %3,%4")
        .arg(centre.x())
        .arg(centre.y())
        .arg(screenCentre.x())
        .arg(screenCentre.y())
        .toUtf8();
}
