// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What the user is meant to read, written out once for every suite: the
// eight message texts and the whole command lists for the default and the
// worked inputs. They are literals on purpose and never taken from the
// program's own texts, so that a changed or misspelt text there is caught.
//
// The core suites compare bytes and use these as they stand; the window
// suites compare what a widget shows and use the same texts as QString,
// from the namespace `shown` below.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

namespace brenvik::expected {

// The messages of the study tab.
inline const QByteArray fill = "Please fill in all fields";
inline const QByteArray badNotify = R"(Please input correct included "Notify" Characteristic!)";
inline const QByteArray badWrite
    = R"(Please input correct included "Write" or "WriteWithoutResponse" Characteristic!)";
inline const QByteArray tooDifferent
    = "Those two Characteristics is defferent more than 1 Bytes, We cant use it!";

// The messages of the iBeacon tab, which also uses `fill`.
inline const QByteArray badUuidDigits = "Please input correct iBeacon UUID!";
inline const QByteArray badUuidLength = "Please input correct iBeacon UUID value!";
inline const QByteArray badMajor = "Please input correct iBeacon Major value!";
inline const QByteArray badMinor = "Please input correct iBeacon Minor value!";

// The whole study list for the default fields, "FFE1" and "FFE1" as 16-bit
// UUIDs: 24 lines.
inline const QByteArrayList studyDefaults16 = {
    "         Those AT Command only need be executed once more",
    "         ================================================",
    "AT+RENEW",
    "AT+IMME1",
    "AT+SHOW1 (If you doesnt want to get slave device name, forget this command)",
    "AT+COMP1",
    "AT+NOTI1",
    "AT+128B0",
    "AT+UUID0xFFE1",
    "AT+CHAR0xFFE1",
    "AT+ROLE1",
    " ",
    "  Now you can use those AT Commands to discovery or connect a slave device.",
    "  =========================================================================",
    "AT+DISC? (Start a scan procedure)",
    "OK+DISCS (Module response, Start scan procedure)",
    "OK+DIS<P1><P2><P3> (Module response, Found device)",
    "      <P1>: Device Type",
    "      <P2>: Device MAC Address",
    "      <P3>: Device Name",
    "OK+DISCE (Module response, Scan procedure finished)",
    "AT+CO<P1><P2> (Try to connect a slave device)",
    "     <P1>: Device Type",
    "     <P2>: Device MAC address",
};

// The whole study list for Notify "0000FFE1-0000-1000-8000-00805F9B34FB" and
// Write "0000ffe2-0000-1000-8000-00805f9b34fb" as 128-bit UUIDs: they differ
// in digit 8 only, which lies in byte 4. 27 lines.
inline const QByteArrayList studyExample128 = {
    "         Those AT Command only need be executed once more",
    "         ================================================",
    "AT+RENEW",
    "AT+IMME1",
    "AT+SHOW1 (If you doesnt want to get slave device name, forget this command)",
    "AT+COMP1",
    "AT+NOTI1",
    "AT+128B1",
    "AT+IBE00000FFE1",
    "AT+IBE100001000",
    "AT+IBE280000080",
    "AT+IBE35F9B34FB",
    "AT+CHAR0x04E2",
    "AT+ROLE1",
    " ",
    "  Now you can use those AT Commands to discovery or connect a slave device.",
    "  =========================================================================",
    "AT+DISC? (Start a scan procedure)",
    "OK+DISCS (Module response, Start scan procedure)",
    "OK+DIS<P1><P2><P3> (Module response, Found device)",
    "      <P1>: Device Type",
    "      <P2>: Device MAC Address",
    "      <P3>: Device Name",
    "OK+DISCE (Module response, Scan procedure finished)",
    "AT+CO<P1><P2> (Try to connect a slave device)",
    "     <P1>: Device Type",
    "     <P2>: Device MAC address",
};

// The whole iBeacon list for the default fields: UUID
// "0000FFF0-0000-1000-8000-00805F9B34FB", Major "10123", Minor "10125".
// 17 lines.
inline const QByteArrayList beaconDefaults = {
    "         Those AT Command only need be executed once more",
    "         ================================================",
    "AT+RENEW",
    "",
    "AT+IBEA1",
    "",
    "AT+IBE00000FFF0",
    "",
    "AT+IBE100001000",
    "",
    "AT+IBE280000080",
    "",
    "AT+IBE35F9B34FB",
    "",
    "AT+MARJ0x278B",
    "",
    "AT+MINO0x278D",
};

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
