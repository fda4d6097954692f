// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The study command list of the master-role tab: the order of its checks,
// their messages and focus targets, the 128-bit one-byte rule, and the
// generated lists line by line.

#include "CoreTestSupport.h"
#include "ExpectedTexts.h"

#include "StudyList.h"
#include "Texts.h"

#include <QObject>
#include <QTest>

#include <climits>
#include <string_view>

using namespace brenvik::expected;
using namespace std::string_view_literals;
using brenvik::BuildStudyList;
using brenvik::FocusField;
using brenvik::StudyListRequest;
using brenvik::testing::Bytes;
using brenvik::testing::View;

namespace {

// A 128-bit UUID in which every digit can be told apart from its neighbours.
const QByteArray uuid128 = "0123456789ABCDEF0123456789ABCDEF";
const QByteArray uuid128Grouped = "01234567-89ab-cdef-0123-456789abcdef";

constexpr qsizetype openingLines = 7; // up to "AT+NOTI1"
constexpr qsizetype guideLines = 14;  // from "AT+ROLE1"

// A whole list: the fixed opening, the given UUID lines, the fixed guide.
QByteArrayList WithFixedLines(const QByteArrayList &uuidLines)
{
    return studyDefaults16.first(openingLines) + uuidLines + studyDefaults16.last(guideLines);
}

brenvik::ListOutcome Build(const QByteArray &notify, const QByteArray &write, int uuidType)
{
    return BuildStudyList(StudyListRequest{View(notify), View(write), uuidType});
}

} // namespace

class TestStudyList : public QObject
{
    Q_OBJECT

private slots:
    void messageTexts_data();
    void messageTexts();
    void rejections_data();
    void rejections();
    void differingByte_data();
    void differingByte();
    void moreThanOneByte_data();
    void moreThanOneByte();
    void accepted16Bit_data();
    void accepted16Bit();
    void accepted128Bit_data();
    void accepted128Bit();
    void defaultList16Bit();
    void exampleList128Bit();
    void lineLayout_data();
    void lineLayout();
};

void TestStudyList::messageTexts_data()
{
    QTest::addColumn<QByteArray>("programText");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("fill") << Bytes(brenvik::texts::fillAllFields) << fill;
    QTest::newRow("bad Notify") << Bytes(brenvik::texts::badNotify) << badNotify;
    QTest::newRow("bad Write") << Bytes(brenvik::texts::badWrite) << badWrite;
    QTest::newRow("too different") << Bytes(brenvik::texts::tooDifferent) << tooDifferent;
}

void TestStudyList::messageTexts()
{
    QFETCH(QByteArray, programText);
    QFETCH(QByteArray, expected);

    QCOMPARE(programText, expected);
}

void TestStudyList::rejections_data()
{
    QTest::addColumn<QByteArray>("notify");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<int>("uuidType");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<FocusField>("focus");

    const auto notifyFocus = FocusField::edtCharNotify;
    const auto writeFocus = FocusField::edtCharWrite;
    const QByteArray uuid31 = uuid128.left(31);

    // Emptiness, tested on the trimmed texts before anything else.
    QTest::newRow("both empty") << Bytes(""sv) << Bytes(""sv) << 0 << fill << notifyFocus;
    QTest::newRow("Notify empty") << Bytes(""sv) << Bytes("FFE1"sv) << 0 << fill << notifyFocus;
    QTest::newRow("Write empty") << Bytes("FFE1"sv) << Bytes(""sv) << 0 << fill << writeFocus;
    QTest::newRow("Notify spaces only") << Bytes("    "sv) << Bytes("FFE1"sv) << 0 << fill << notifyFocus;
    QTest::newRow("Write spaces only") << Bytes("FFE1"sv) << Bytes("    "sv) << 0 << fill << writeFocus;
    QTest::newRow("Notify control bytes only")
        << Bytes("\t\r\n\0\x1F"sv) << Bytes("FFE1"sv) << 0 << fill << notifyFocus;
    QTest::newRow("Write NUL bytes only") << Bytes("FFE1"sv) << Bytes("\0\0"sv) << 0 << fill << writeFocus;
    QTest::newRow("Notify empty, 128-bit") << Bytes(""sv) << uuid128 << 1 << fill << notifyFocus;
    QTest::newRow("Write tabs only, 128-bit") << uuid128 << Bytes("\t\t"sv) << 1 << fill << writeFocus;
    QTest::newRow("Write empty, Notify bad digits")
        << Bytes("12G4"sv) << Bytes(""sv) << 0 << fill << writeFocus;
    // Dashes are removed only after the emptiness test.
    QTest::newRow("Notify dashes only, Write empty")
        << Bytes("----"sv) << Bytes(""sv) << 0 << fill << writeFocus;

    // Digits: after upper-casing and removing dashes, Notify before Write.
    QTest::newRow("Notify G") << Bytes("12G4"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write G") << Bytes("FFE1"sv) << Bytes("12G4"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("both G") << Bytes("12G4"sv) << Bytes("12G4"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify lower-case g")
        << Bytes("ffg1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify inner space")
        << Bytes("FF E1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write inner space") << Bytes("FFE1"sv) << Bytes("FF E1"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Notify inner NUL")
        << Bytes("FF\0E1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify inner tab")
        << Bytes("FF\tE1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify trailing byte 127")
        << Bytes("FFE1\x7F"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify trailing byte 160")
        << Bytes("FFE1\xA0"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write leading UTF-8 no-break space") << Bytes("FFE1"sv)
                                                        << Bytes("\xC2\xA0"
                                                                 "FFE1"sv)
                                                        << 0 << badWrite << writeFocus;
    QTest::newRow("Write UTF-8 e acute")
        << Bytes("FFE1"sv) << Bytes("FF\xC3\xA9"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Notify 0x prefix")
        << Bytes("0xFFE1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify dashes guard a space")
        << Bytes("-FF E1-"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify bad digits before Write length")
        << Bytes("12G4"sv) << Bytes("12345"sv) << 0 << badNotify << notifyFocus;
    // All digit checks precede every length and value check.
    QTest::newRow("Write bad digits before Notify length")
        << Bytes("12345"sv) << Bytes("12G4"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Write bad digits before Notify value")
        << Bytes("0000"sv) << Bytes("12G4"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Write bad digits before Notify length, 128-bit")
        << uuid31 << Bytes("0123456789ABCDEF0123456789ABCDEG"sv) << 1 << badWrite << writeFocus;
    QTest::newRow("Notify G, 128-bit")
        << Bytes("G123456789ABCDEF0123456789ABCDEF"sv) << uuid128 << 1 << badNotify << notifyFocus;

    // 16-bit form: four digits and a value from 0001 to FFFF.
    QTest::newRow("Notify 0000") << Bytes("0000"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write 0000") << Bytes("FFE1"sv) << Bytes("0000"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("both 0000") << Bytes("0000"sv) << Bytes("0000"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify 00-00") << Bytes("00-00"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify 0000 before Write length")
        << Bytes("0000"sv) << Bytes("12345"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify 5 digits") << Bytes("12345"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify 5 digits, value in range")
        << Bytes("0FFE1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write 5 digits, value in range")
        << Bytes("FFE1"sv) << Bytes("00001"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Notify 3 digits") << Bytes("FE1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Notify 1 digit") << Bytes("1"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write 5 digits") << Bytes("FFE1"sv) << Bytes("FFE12"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Write 3 digits") << Bytes("FFE1"sv) << Bytes("FE1"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Notify dashes only")
        << Bytes("----"sv) << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("Write one dash") << Bytes("FFE1"sv) << Bytes("-"sv) << 0 << badWrite << writeFocus;
    QTest::newRow("Notify 32 digits, 16-bit") << uuid128 << Bytes("FFE1"sv) << 0 << badNotify << notifyFocus;
    QTest::newRow("both 32 digits, 16-bit") << uuid128 << uuid128 << 0 << badNotify << notifyFocus;
    QTest::newRow("Write 32 digits, 16-bit") << Bytes("FFE1"sv) << uuid128 << 0 << badWrite << writeFocus;

    // 128-bit form: 32 digits each, Notify first; any type but 0 means it.
    QTest::newRow("Notify 4 digits, 128-bit")
        << Bytes("FFE1"sv) << Bytes("FFE1"sv) << 1 << badNotify << notifyFocus;
    QTest::newRow("Notify 4 digits, type 2")
        << Bytes("FFE1"sv) << Bytes("FFE1"sv) << 2 << badNotify << notifyFocus;
    QTest::newRow("Notify 4 digits, type -1")
        << Bytes("FFE1"sv) << Bytes("FFE1"sv) << -1 << badNotify << notifyFocus;
    QTest::newRow("Notify 31 digits") << uuid31 << uuid128 << 1 << badNotify << notifyFocus;
    QTest::newRow("Notify 33 digits") << uuid128 + "0" << uuid128 << 1 << badNotify << notifyFocus;
    QTest::newRow("Notify dashes only, 128-bit")
        << Bytes("--------"sv) << uuid128 << 1 << badNotify << notifyFocus;
    QTest::newRow("Notify 31 digits in groups")
        << Bytes("01234567-89AB-CDEF-0123-456789ABCDE"sv) << uuid128 << 1 << badNotify << notifyFocus;
    QTest::newRow("Write 31 digits") << uuid128 << uuid31 << 1 << badWrite << writeFocus;
    QTest::newRow("Write 33 digits") << uuid128 << uuid128 + "0" << 1 << badWrite << writeFocus;
    QTest::newRow("Write 4 digits, 128-bit") << uuid128 << Bytes("FFE1"sv) << 1 << badWrite << writeFocus;
    QTest::newRow("Write dashes only, 128-bit") << uuid128 << Bytes("-"sv) << 1 << badWrite << writeFocus;
    // The lengths are checked before the two UUIDs are compared.
    QTest::newRow("Notify 31 digits before comparison")
        << uuid31 << Bytes("FEDCBA9876543210FEDCBA9876543210"sv) << 1 << badNotify << notifyFocus;
    QTest::newRow("Write 31 digits before comparison")
        << uuid128 << Bytes("FEDCBA9876543210FEDCBA987654321"sv) << 1 << badWrite << writeFocus;
}

void TestStudyList::rejections()
{
    QFETCH(QByteArray, notify);
    QFETCH(QByteArray, write);
    QFETCH(int, uuidType);
    QFETCH(QByteArray, message);
    QFETCH(FocusField, focus);

    brenvik::testing::VerifyRejection(Build(notify, write, uuidType), message, focus);
}

// Two 128-bit UUIDs that differ in one byte at most: Notify fills the
// "AT+IBE" lines and the characteristic line names the first differing byte
// with Write's two digits of it.
void TestStudyList::differingByte_data()
{
    QTest::addColumn<QByteArray>("notify");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("characteristicLine");

    // Notify is "0123456789ABCDEF0123456789ABCDEF" unless the row says else.
    QTest::newRow("equal") << uuid128 << uuid128 << Bytes("AT+CHAR0x00FF"sv);
    QTest::newRow("equal up to case and dashes") << uuid128 << uuid128Grouped << Bytes("AT+CHAR0x00FF"sv);
    QTest::newRow("equal, Notify grouped") << uuid128Grouped << uuid128 << Bytes("AT+CHAR0x00FF"sv);
    QTest::newRow("32 zeros, equal") << Bytes("00000000000000000000000000000000"sv)
                                     << Bytes("00000000-0000-0000-0000-000000000000"sv)
                                     << Bytes("AT+CHAR0x00FF"sv);
    QTest::newRow("32 zeros, one digit different")
        << Bytes("00000000-0000-0000-0000-000000000000"sv) << Bytes("00000000000000000000000000000001"sv)
        << Bytes("AT+CHAR0x1001"sv);

    // One differing digit: byte = position / 2 rounded up.
    QTest::newRow("digit 1") << uuid128 << Bytes("F123456789ABCDEF0123456789ABCDEF"sv)
                             << Bytes("AT+CHAR0x01F1"sv);
    QTest::newRow("digit 2") << uuid128 << Bytes("0F23456789ABCDEF0123456789ABCDEF"sv)
                             << Bytes("AT+CHAR0x010F"sv);
    QTest::newRow("digit 8") << uuid128 << Bytes("0123456F89ABCDEF0123456789ABCDEF"sv)
                             << Bytes("AT+CHAR0x046F"sv);
    QTest::newRow("digit 9") << uuid128 << Bytes("01234567F9ABCDEF0123456789ABCDEF"sv)
                             << Bytes("AT+CHAR0x05F9"sv);
    QTest::newRow("digit 16") << uuid128 << Bytes("0123456789ABCDE00123456789ABCDEF"sv)
                              << Bytes("AT+CHAR0x08E0"sv);
    QTest::newRow("digit 17") << uuid128 << Bytes("0123456789ABCDEFF123456789ABCDEF"sv)
                              << Bytes("AT+CHAR0x09F1"sv);
    QTest::newRow("digit 20, byte 0A")
        << uuid128 << Bytes("0123456789ABCDEF012F456789ABCDEF"sv) << Bytes("AT+CHAR0x0A2F"sv);
    QTest::newRow("digit 31") << uuid128 << Bytes("0123456789ABCDEF0123456789ABCDFF"sv)
                              << Bytes("AT+CHAR0x10FF"sv);
    QTest::newRow("digit 32") << uuid128 << Bytes("0123456789ABCDEF0123456789ABCDE0"sv)
                              << Bytes("AT+CHAR0x10E0"sv);
    QTest::newRow("digit 32, Write lower case in groups")
        << uuid128 << Bytes("01234567-89ab-cdef-0123-456789abcde0"sv) << Bytes("AT+CHAR0x10E0"sv);
    QTest::newRow("digit 31, Notify lower case in groups")
        << uuid128Grouped << Bytes("0123456789ABCDEF0123456789ABCD0F"sv) << Bytes("AT+CHAR0x100F"sv);

    // Both digits of one byte.
    QTest::newRow("digits 1 and 2") << uuid128 << Bytes("FF23456789ABCDEF0123456789ABCDEF"sv)
                                    << Bytes("AT+CHAR0x01FF"sv);
    QTest::newRow("digits 7 and 8") << uuid128 << Bytes("012345FF89ABCDEF0123456789ABCDEF"sv)
                                    << Bytes("AT+CHAR0x04FF"sv);
    QTest::newRow("digits 19 and 20, byte 0A")
        << uuid128 << Bytes("0123456789ABCDEF01FF456789ABCDEF"sv) << Bytes("AT+CHAR0x0AFF"sv);
    QTest::newRow("digits 31 and 32")
        << uuid128 << Bytes("0123456789ABCDEF0123456789ABCD12"sv) << Bytes("AT+CHAR0x1012"sv);
}

void TestStudyList::differingByte()
{
    QFETCH(QByteArray, notify);
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, characteristicLine);

    const brenvik::ListOutcome outcome = Build(notify, write, 1);
    const QByteArray n = QByteArray(notify).replace("-", "").toUpper();
    brenvik::testing::VerifyList(outcome, WithFixedLines({
                                              "AT+128B1",
                                              "AT+IBE0" + n.mid(0, 8),
                                              "AT+IBE1" + n.mid(8, 8),
                                              "AT+IBE2" + n.mid(16, 8),
                                              "AT+IBE3" + n.mid(24, 8),
                                              characteristicLine,
                                          }));
}

// More than one byte apart, a byte boundary straddled, or three digits:
// rejected, and the focus stays where it is.
void TestStudyList::moreThanOneByte_data()
{
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<int>("uuidType");

    // Notify is always "0123456789ABCDEF0123456789ABCDEF".
    QTest::newRow("digits 2 and 3, across a byte boundary")
        << Bytes("0FF3456789ABCDEF0123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 8 and 9, across a byte boundary")
        << Bytes("0123456FF9ABCDEF0123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 16 and 17, across a byte boundary")
        << Bytes("0123456789ABCDE0F123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 30 and 31, across a byte boundary")
        << Bytes("0123456789ABCDEF0123456789ABCFFF"sv) << 1;
    QTest::newRow("digits 1 and 3") << Bytes("F1F3456789ABCDEF0123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 1 and 5") << Bytes("F123F56789ABCDEF0123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 1 and 32") << Bytes("F123456789ABCDEF0123456789ABCDE0"sv) << 1;
    QTest::newRow("digits 1, 2 and 3") << Bytes("FFF3456789ABCDEF0123456789ABCDEF"sv) << 1;
    QTest::newRow("digits 1, 2 and 32") << Bytes("FF23456789ABCDEF0123456789ABCDE0"sv) << 1;
    QTest::newRow("digits 1, 31 and 32") << Bytes("F123456789ABCDEF0123456789ABCDF0"sv) << 1;
    QTest::newRow("every digit") << Bytes("FEDCBA9876543210FEDCBA9876543210"sv) << 1;
    QTest::newRow("digits 2 and 3, type 2") << Bytes("0FF3456789ABCDEF0123456789ABCDEF"sv) << 2;
    QTest::newRow("digits 1 and 5, type -1") << Bytes("F123F56789ABCDEF0123456789ABCDEF"sv) << -1;
}

void TestStudyList::moreThanOneByte()
{
    QFETCH(QByteArray, write);
    QFETCH(int, uuidType);

    brenvik::testing::VerifyRejection(Build(uuid128, write, uuidType), tooDifferent, FocusField::none);
    // Swapping the two UUIDs does not change the verdict.
    brenvik::testing::VerifyRejection(Build(write, uuid128, uuidType), tooDifferent, FocusField::none);
}

void TestStudyList::accepted16Bit_data()
{
    QTest::addColumn<QByteArray>("notify");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("serviceLine");
    QTest::addColumn<QByteArray>("characteristicLine");

    // Write goes into "AT+UUID0x", Notify into "AT+CHAR0x"; the two values
    // are not compared with each other.
    QTest::newRow("different values")
        << Bytes("FFE1"sv) << Bytes("FFE2"sv) << Bytes("AT+UUID0xFFE2"sv) << Bytes("AT+CHAR0xFFE1"sv);
    QTest::newRow("0001 and FFFF") << Bytes("0001"sv) << Bytes("FFFF"sv) << Bytes("AT+UUID0xFFFF"sv)
                                   << Bytes("AT+CHAR0x0001"sv);
    QTest::newRow("FFFF and 0001") << Bytes("FFFF"sv) << Bytes("0001"sv) << Bytes("AT+UUID0x0001"sv)
                                   << Bytes("AT+CHAR0xFFFF"sv);
    QTest::newRow("every digit different")
        << Bytes("1234"sv) << Bytes("ABCD"sv) << Bytes("AT+UUID0xABCD"sv) << Bytes("AT+CHAR0x1234"sv);
    QTest::newRow("lower case with dashes")
        << Bytes("ff-e1"sv) << Bytes("-ab-cd-"sv) << Bytes("AT+UUID0xABCD"sv) << Bytes("AT+CHAR0xFFE1"sv);
    QTest::newRow("dashes only around")
        << Bytes("--FFE1--"sv) << Bytes("F-F-E-2"sv) << Bytes("AT+UUID0xFFE2"sv) << Bytes("AT+CHAR0xFFE1"sv);
    QTest::newRow("trimmed spaces and controls") << Bytes("\t FFE1 \n"sv) << Bytes("\0FFE2\r"sv)
                                                 << Bytes("AT+UUID0xFFE2"sv) << Bytes("AT+CHAR0xFFE1"sv);
    QTest::newRow("36 characters of dashes around")
        << Bytes("----------------FFE1----------------"sv) << Bytes("0010"sv) << Bytes("AT+UUID0x0010"sv)
        << Bytes("AT+CHAR0xFFE1"sv);
}

void TestStudyList::accepted16Bit()
{
    QFETCH(QByteArray, notify);
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, serviceLine);
    QFETCH(QByteArray, characteristicLine);

    brenvik::testing::VerifyList(Build(notify, write, 0),
                                 WithFixedLines({"AT+128B0", serviceLine, characteristicLine}));
}

void TestStudyList::accepted128Bit_data()
{
    QTest::addColumn<QByteArray>("notify");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<int>("uuidType");
    QTest::addColumn<QByteArrayList>("uuidLines");

    const QByteArray base = "0000FFE1-0000-1000-8000-00805F9B34FB";
    const QByteArrayList baseLines = {
        "AT+128B1",        "AT+IBE00000FFE1", "AT+IBE100001000",
        "AT+IBE280000080", "AT+IBE35F9B34FB", "AT+CHAR0x00FF",
    };

    // Every type but 0 is the 128-bit form.
    QTest::newRow("type 1") << base << base << 1 << baseLines;
    QTest::newRow("type 2") << base << base << 2 << baseLines;
    QTest::newRow("type -1") << base << base << -1 << baseLines;
    QTest::newRow("largest type") << base << base << INT_MAX << baseLines;
    QTest::newRow("smallest type") << base << base << INT_MIN << baseLines;

    QTest::newRow("lower case, no dashes")
        << Bytes("0000ffe100001000800000805f9b34fb"sv) << base << 1 << baseLines;
    QTest::newRow("dashes anywhere") << Bytes("-0-0-0-0-F-F-E-1-0000100080000080-5F9B34FB--"sv) << base << 1
                                     << baseLines;
    QTest::newRow("trimmed spaces and controls") << Bytes(" \t0000FFE1-0000-1000-8000-00805F9B34FB\n "sv)
                                                 << Bytes("\0"
                                                          "0000FFE100001000800000805F9B34FB\0"sv)
                                                 << 1 << baseLines;
    // No value check on 128-bit UUIDs.
    QTest::newRow("32 zeros") << Bytes("00000000000000000000000000000000"sv)
                              << Bytes("00000000-0000-0000-0000-000000000000"sv) << 1
                              << QByteArrayList{"AT+128B1",        "AT+IBE000000000", "AT+IBE100000000",
                                                "AT+IBE200000000", "AT+IBE300000000", "AT+CHAR0x00FF"};
    QTest::newRow("32 F") << Bytes("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"sv)
                          << Bytes("ffffffffffffffffffffffffffffffff"sv) << 1
                          << QByteArrayList{"AT+128B1",        "AT+IBE0FFFFFFFF", "AT+IBE1FFFFFFFF",
                                            "AT+IBE2FFFFFFFF", "AT+IBE3FFFFFFFF", "AT+CHAR0x00FF"};
    // Notify fills the quarters; Write only supplies the differing byte.
    QTest::newRow("quarters from Notify")
        << Bytes("0000FFE1-0000-1000-8000-00805F9B34FB"sv) << Bytes("0000FFE1-0000-1000-8000-00805F9B3400"sv)
        << 1 << QByteArrayList{"AT+128B1",        "AT+IBE00000FFE1", "AT+IBE100001000",
                               "AT+IBE280000080", "AT+IBE35F9B34FB", "AT+CHAR0x1000"};
}

void TestStudyList::accepted128Bit()
{
    QFETCH(QByteArray, notify);
    QFETCH(QByteArray, write);
    QFETCH(int, uuidType);
    QFETCH(QByteArrayList, uuidLines);

    brenvik::testing::VerifyList(Build(notify, write, uuidType), WithFixedLines(uuidLines));
}

void TestStudyList::defaultList16Bit()
{
    QCOMPARE(studyDefaults16.size(), 24);
    brenvik::testing::VerifyList(Build("FFE1", "FFE1", 0), studyDefaults16);
}

void TestStudyList::exampleList128Bit()
{
    QCOMPARE(studyExample128.size(), 27);
    brenvik::testing::VerifyList(
        Build("0000FFE1-0000-1000-8000-00805F9B34FB", "0000ffe2-0000-1000-8000-00805f9b34fb", 1),
        studyExample128);
}

// The indented lines, counted out independently of the literal lists in
// ExpectedTexts.h.
void TestStudyList::lineLayout_data()
{
    QTest::addColumn<int>("uuidType");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<int>("leadingSpaces");
    QTest::addColumn<QByteArray>("rest");

    const auto row = [](const char *name, int line, int spaces, const QByteArray &rest) {
        // The guide starts at line 11 in the 16-bit list and 14 in the 128-bit one.
        const int shift = line > 10 ? 3 : 0;
        QTest::addRow("%s, 16-bit", name) << 0 << line << spaces << rest;
        QTest::addRow("%s, 128-bit", name) << 1 << line + shift << spaces << rest;
    };
    row("heading", 1, 9, "Those AT Command only need be executed once more");
    row("heading underline, 48 =", 2, 9, QByteArray(48, '='));
    row("one space", 12, 1, "");
    row("guide heading", 13, 2, "Now you can use those AT Commands to discovery or connect a slave device.");
    row("guide underline, 73 =", 14, 2, QByteArray(73, '='));
    row("found device type", 18, 6, "<P1>: Device Type");
    row("found device address", 19, 6, "<P2>: Device MAC Address");
    row("found device name", 20, 6, "<P3>: Device Name");
    row("connect device type", 23, 5, "<P1>: Device Type");
    row("connect device address", 24, 5, "<P2>: Device MAC address");
}

void TestStudyList::lineLayout()
{
    QFETCH(int, uuidType);
    QFETCH(int, lineNumber);
    QFETCH(int, leadingSpaces);
    QFETCH(QByteArray, rest);

    const QByteArray uuid = uuidType == 0 ? QByteArray("FFE1") : uuid128;
    const QByteArrayList lines = brenvik::testing::LinesOf(Build(uuid, uuid, uuidType));
    QVERIFY(lineNumber <= lines.size());
    const QByteArray &line = lines[lineNumber - 1];
    QCOMPARE(line, QByteArray(leadingSpaces, ' ') + rest);
}

QTEST_APPLESS_MAIN(TestStudyList)

#include "tst_studylist.moc"
