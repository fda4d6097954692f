// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// The shared expectations (Expected.h) as the Qt suites use them: bytes
// for the core suites, QString for the window suites (namespace `shown`).

#include "Expected.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <string_view>

namespace brenvik::expected {

namespace detail {

inline QByteArray Bytes(std::string_view text)
{
    return {text.data(), static_cast<qsizetype>(text.size())};
}

template<std::size_t N>
QByteArrayList ByteLines(const std::array<std::string_view, N> &lines)
{
    QByteArrayList byteLines;
    for (const std::string_view line : lines)
        byteLines << Bytes(line);
    return byteLines;
}

} // namespace detail

inline const QByteArray fill = detail::Bytes(expect::fill);
inline const QByteArray badNotify = detail::Bytes(expect::badNotify);
inline const QByteArray badWrite = detail::Bytes(expect::badWrite);
inline const QByteArray tooDifferent = detail::Bytes(expect::tooDifferent);
inline const QByteArray badUuidDigits = detail::Bytes(expect::badUuidDigits);
inline const QByteArray badUuidLength = detail::Bytes(expect::badUuidLength);
inline const QByteArray badMajor = detail::Bytes(expect::badMajor);
inline const QByteArray badMinor = detail::Bytes(expect::badMinor);

inline const QByteArrayList studyDefaults16 = detail::ByteLines(expect::studyDefaults16);
inline const QByteArrayList studyExample128 = detail::ByteLines(expect::studyExample128);
inline const QByteArrayList beaconDefaults = detail::ByteLines(expect::beaconDefaults);

// A text as a widget shows it.
inline QString Text(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

// Lines as a widget shows them.
inline QStringList Lines(const QByteArrayList &lines)
{
    QStringList shownLines;
    shownLines.reserve(lines.size());
    for (const QByteArray &line : lines)
        shownLines << Text(line);
    return shownLines;
}

// The same texts and lists for the window suites.
namespace shown {

inline const QString fill = Text(expected::fill);
inline const QString badNotify = Text(expected::badNotify);
inline const QString badWrite = Text(expected::badWrite);
inline const QString tooDifferent = Text(expected::tooDifferent);
inline const QString badUuidDigits = Text(expected::badUuidDigits);
inline const QString badUuidLength = Text(expected::badUuidLength);
inline const QString badMajor = Text(expected::badMajor);
inline const QString badMinor = Text(expected::badMinor);

inline const QStringList studyDefaults16 = Lines(expected::studyDefaults16);
inline const QStringList studyExample128 = Lines(expected::studyExample128);
inline const QStringList beaconDefaults = Lines(expected::beaconDefaults);

} // namespace shown

} // namespace brenvik::expected
