// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The iBeacon command list of the slave-role tab: the order of its checks
// across the three fields, hex and decimal Major and Minor values, and the
// generated list line by line.

#include "CoreTestSupport.h"
#include "ExpectedTexts.h"

#include "BeaconList.h"
#include "Texts.h"

#include <QObject>
#include <QTest>

#include <string_view>

using namespace brenvik::expected;
using namespace std::string_view_literals;
using brenvik::BeaconListRequest;
using brenvik::BuildBeaconList;
using brenvik::FocusField;
using brenvik::testing::Bytes;
using brenvik::testing::View;

namespace {

// The window's default values.
const QByteArray uuid = "0000FFF0-0000-1000-8000-00805F9B34FB";
const QByteArray major = "10123";
const QByteArray minor = "10125";

const QByteArray uuid31 = "0000FFF0-0000-1000-8000-00805F9B34F";
const QByteArray uuid33 = "0000FFF0-0000-1000-8000-00805F9B34FB0";
const QByteArray uuidWithG = "0000FFF0-0000-1000-8000-00805F9B34FG";

brenvik::ListOutcome Build(const QByteArray &uuidText, const QByteArray &majorText,
                           const QByteArray &minorText)
{
    return BuildBeaconList(BeaconListRequest{View(uuidText), View(majorText), View(minorText)});
}

} // namespace

class TestBeaconList : public QObject
{
    Q_OBJECT

private slots:
    void messageTexts_data();
    void messageTexts();
    void rejections_data();
    void rejections();
    void acceptedValues_data();
    void acceptedValues();
    void acceptedUuids_data();
    void acceptedUuids();
    void defaultValuesList();
    void blankLinesSeparateCommands();
    void headingLayout();
};

void TestBeaconList::messageTexts_data()
{
    QTest::addColumn<QByteArray>("programText");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("fill") << Bytes(brenvik::texts::fillAllFields) << fill;
    QTest::newRow("bad UUID digits") << Bytes(brenvik::texts::badBeaconUuidDigits) << badUuidDigits;
    QTest::newRow("bad UUID length") << Bytes(brenvik::texts::badBeaconUuidLength) << badUuidLength;
    QTest::newRow("bad Major") << Bytes(brenvik::texts::badBeaconMajor) << badMajor;
    QTest::newRow("bad Minor") << Bytes(brenvik::texts::badBeaconMinor) << badMinor;
}

void TestBeaconList::messageTexts()
{
    QFETCH(QByteArray, programText);
    QFETCH(QByteArray, expected);

    QCOMPARE(programText, expected);
}

void TestBeaconList::rejections_data()
{
    QTest::addColumn<QByteArray>("uuidText");
    QTest::addColumn<QByteArray>("majorText");
    QTest::addColumn<QByteArray>("minorText");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<FocusField>("focus");

    const auto uuidFocus = FocusField::edtiBeaconUUID;
    const auto majorFocus = FocusField::edtiBeaconMajor;
    const auto minorFocus = FocusField::edtiBeaconMinor;
    const QByteArray none;

    // Emptiness of the trimmed texts, UUID then Major then Minor.
    QTest::newRow("all empty") << none << none << none << fill << uuidFocus;
    QTest::newRow("UUID empty") << none << major << minor << fill << uuidFocus;
    QTest::newRow("Major empty") << uuid << none << minor << fill << majorFocus;
    QTest::newRow("Minor empty") << uuid << major << none << fill << minorFocus;
    QTest::newRow("Major and Minor empty") << uuid << none << none << fill << majorFocus;
    QTest::newRow("UUID and Minor empty") << none << major << none << fill << uuidFocus;
    QTest::newRow("UUID spaces only") << Bytes("      "sv) << major << minor << fill << uuidFocus;
    QTest::newRow("Major tab and NUL only") << uuid << Bytes("\t\0"sv) << minor << fill << majorFocus;
    QTest::newRow("Minor spaces only") << uuid << major << Bytes("     "sv) << fill << minorFocus;
    QTest::newRow("Minor empty, UUID bad digits") << uuidWithG << major << none << fill << minorFocus;
    QTest::newRow("Minor empty, Major bad digits") << uuid << Bytes("1A123"sv) << none << fill << minorFocus;
    // Dashes are removed only after the emptiness test.
    QTest::newRow("UUID dashes only, Minor empty") << Bytes("----"sv) << major << none << fill << minorFocus;

    // UUID digits, after upper-casing and removing dashes.
    QTest::newRow("UUID G") << uuidWithG << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID lower-case g")
        << Bytes("0000fff0-0000-1000-8000-00805f9b34fg"sv) << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID G, Major bad digits")
        << uuidWithG << Bytes("1A123"sv) << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID G, Major too short")
        << uuidWithG << Bytes("123"sv) << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID G, Minor bad value")
        << uuidWithG << major << Bytes("0000"sv) << badUuidDigits << uuidFocus;
    QTest::newRow("UUID G, too short") << Bytes("G123"sv) << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID inner space")
        << Bytes("0000FFF0 0000-1000-8000-00805F9B34FB"sv) << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID inner NUL") << Bytes("0000FFF0\0"
                                             "0000-1000-8000-00805F9B34FB"sv)
                                    << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID in braces") << Bytes("{0000FFF0-0000-1000-8000-00805F9B34FB}"sv) << major << minor
                                    << badUuidDigits << uuidFocus;
    QTest::newRow("UUID 0x prefix") << Bytes("0x0000FFF0000010008000-00805F9B34FB"sv) << major << minor
                                    << badUuidDigits << uuidFocus;
    QTest::newRow("UUID UTF-8 e acute") << Bytes("0000FFF0-0000-1000-8000-00805F9B34\xC3\xA9"sv) << major
                                        << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID trailing byte 160") << uuid + "\xA0" << major << minor << badUuidDigits << uuidFocus;
    QTest::newRow("UUID trailing byte 127") << uuid + "\x7F" << major << minor << badUuidDigits << uuidFocus;

    // Major digits: hex with exactly 4 characters, decimal otherwise.
    QTest::newRow("Major 5 characters with A") << uuid << Bytes("1A123"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 5 characters with A, UUID 31 digits")
        << uuid31 << Bytes("1A123"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 3 hex letters, UUID 31 digits")
        << uuid31 << Bytes("ABC"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 5 lower-case hex digits")
        << uuid << Bytes("0abcd"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major G, hex mode") << uuid << Bytes("12G4"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major lower-case g, hex mode")
        << uuid << Bytes("12g4"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major dash, hex mode") << uuid << Bytes("1-23"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major dash, decimal mode") << uuid << Bytes("10-23"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major one dash") << uuid << Bytes("-"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major dashes only") << uuid << Bytes("----"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major inner space") << uuid << Bytes("1 234"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major plus sign") << uuid << Bytes("+1234"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major UTF-8 e acute, 5 bytes") << uuid
                                                  << Bytes("\xC3\xA9"
                                                           "123"sv)
                                                  << minor << badMajor << majorFocus;
    QTest::newRow("Major UTF-8 e acute, 4 bytes")
        << uuid << Bytes("12\xC3\xA9"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major byte 160, 5 bytes") << uuid
                                             << Bytes("\xA0"
                                                      "1234"sv)
                                             << minor << badMajor << majorFocus;
    QTest::newRow("Major byte 160, 4 bytes") << uuid << Bytes("123\xA0"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major bad digits before Minor bad digits")
        << uuid << Bytes("1A123"sv) << Bytes("1A123"sv) << badMajor << majorFocus;
    QTest::newRow("Minor 5 characters with A") << uuid << major << Bytes("1A125"sv) << badMinor << minorFocus;
    QTest::newRow("Minor G, hex mode") << uuid << major << Bytes("G000"sv) << badMinor << minorFocus;
    QTest::newRow("Minor dash, decimal mode") << uuid << major << Bytes("10-25"sv) << badMinor << minorFocus;
    QTest::newRow("Minor byte 160") << uuid << major << Bytes("1012\xA0"sv) << badMinor << minorFocus;
    // All digit checks precede every length and value check.
    QTest::newRow("Minor bad digits before UUID length")
        << uuid31 << major << Bytes("1A125"sv) << badMinor << minorFocus;
    QTest::newRow("Minor bad digits before Major length")
        << uuid << Bytes("123"sv) << Bytes("1A125"sv) << badMinor << minorFocus;
    QTest::newRow("Minor bad digits before Major value")
        << uuid << Bytes("00000"sv) << Bytes("1A125"sv) << badMinor << minorFocus;

    // UUID length: 32 digits once the dashes are gone.
    QTest::newRow("UUID 31 digits") << uuid31 << major << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID 33 digits") << uuid33 << major << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID 4 digits") << Bytes("FFF0"sv) << major << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID dashes only") << Bytes("----"sv) << major << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID 36 dashes") << QByteArray(36, '-') << major << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID 31 digits before Major length")
        << uuid31 << Bytes("123"sv) << minor << badUuidLength << uuidFocus;
    QTest::newRow("UUID 31 digits before Minor length")
        << uuid31 << major << Bytes("123"sv) << badUuidLength << uuidFocus;
    QTest::newRow("UUID 31 digits before Major value")
        << uuid31 << Bytes("00000"sv) << minor << badUuidLength << uuidFocus;

    // Major and Minor length: 4 or 5 characters.
    QTest::newRow("Major 3 decimal digits") << uuid << Bytes("123"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 1 digit") << uuid << Bytes("1"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 6 digits") << uuid << Bytes("101234"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 6 digits, value in range")
        << uuid << Bytes("001234"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 3 digits after trimming")
        << uuid << Bytes(" 123 "sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major length before Minor length")
        << uuid << Bytes("123"sv) << Bytes("123"sv) << badMajor << majorFocus;
    QTest::newRow("Major length before Minor value")
        << uuid << Bytes("123"sv) << Bytes("00000"sv) << badMajor << majorFocus;
    QTest::newRow("Minor 3 decimal digits") << uuid << major << Bytes("125"sv) << badMinor << minorFocus;
    QTest::newRow("Minor 6 digits") << uuid << major << Bytes("101250"sv) << badMinor << minorFocus;
    QTest::newRow("Minor 6 digits, value in range")
        << uuid << major << Bytes("000125"sv) << badMinor << minorFocus;
    QTest::newRow("Minor length before Major value")
        << uuid << Bytes("00000"sv) << Bytes("125"sv) << badMinor << minorFocus;

    // Values: 1 to 65535 in either mode.
    QTest::newRow("Major 00000") << uuid << Bytes("00000"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 0000, hex mode") << uuid << Bytes("0000"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 65536") << uuid << Bytes("65536"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 99999") << uuid << Bytes("99999"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major 0000 after a space") << uuid << Bytes(" 0000"sv) << minor << badMajor << majorFocus;
    QTest::newRow("Major value before Minor value")
        << uuid << Bytes("0000"sv) << Bytes("0000"sv) << badMajor << majorFocus;
    QTest::newRow("Minor 00000") << uuid << major << Bytes("00000"sv) << badMinor << minorFocus;
    QTest::newRow("Minor 0000, hex mode") << uuid << major << Bytes("0000"sv) << badMinor << minorFocus;
    QTest::newRow("Minor 65536") << uuid << major << Bytes("65536"sv) << badMinor << minorFocus;
    QTest::newRow("Minor 70000") << uuid << major << Bytes("70000"sv) << badMinor << minorFocus;
}

void TestBeaconList::rejections()
{
    QFETCH(QByteArray, uuidText);
    QFETCH(QByteArray, majorText);
    QFETCH(QByteArray, minorText);
    QFETCH(QByteArray, message);
    QFETCH(FocusField, focus);

    brenvik::testing::VerifyRejection(Build(uuidText, majorText, minorText), message, focus);
}

void TestBeaconList::acceptedValues_data()
{
    QTest::addColumn<QByteArray>("majorText");
    QTest::addColumn<QByteArray>("minorText");
    QTest::addColumn<QByteArray>("majorLine");
    QTest::addColumn<QByteArray>("minorLine");

    // Four characters are written as they stand (upper-cased).
    QTest::newRow("Major 1234 is hex")
        << Bytes("1234"sv) << minor << Bytes("AT+MARJ0x1234"sv) << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 4096 is hex")
        << Bytes("4096"sv) << minor << Bytes("AT+MARJ0x4096"sv) << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 0001") << Bytes("0001"sv) << minor << Bytes("AT+MARJ0x0001"sv)
                                << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major FFFF") << Bytes("FFFF"sv) << minor << Bytes("AT+MARJ0xFFFF"sv)
                                << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 04d2, upper-cased")
        << Bytes("04d2"sv) << minor << Bytes("AT+MARJ0x04D2"sv) << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 1234 after a space")
        << Bytes(" 1234"sv) << minor << Bytes("AT+MARJ0x1234"sv) << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 1234 between tab and NUL")
        << Bytes("\t1234\0"sv) << minor << Bytes("AT+MARJ0x1234"sv) << Bytes("AT+MINO0x278D"sv);

    // Five characters are decimal, written as four hex digits.
    QTest::newRow("Major 00001") << Bytes("00001"sv) << minor << Bytes("AT+MARJ0x0001"sv)
                                 << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 00016") << Bytes("00016"sv) << minor << Bytes("AT+MARJ0x0010"sv)
                                 << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 00255") << Bytes("00255"sv) << minor << Bytes("AT+MARJ0x00FF"sv)
                                 << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 01234 is decimal")
        << Bytes("01234"sv) << minor << Bytes("AT+MARJ0x04D2"sv) << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 10000") << Bytes("10000"sv) << minor << Bytes("AT+MARJ0x2710"sv)
                                 << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 12345") << Bytes("12345"sv) << minor << Bytes("AT+MARJ0x3039"sv)
                                 << Bytes("AT+MINO0x278D"sv);
    QTest::newRow("Major 65535") << Bytes("65535"sv) << minor << Bytes("AT+MARJ0xFFFF"sv)
                                 << Bytes("AT+MINO0x278D"sv);

    // Minor follows the same rule, independently of Major's mode.
    QTest::newRow("Minor abcd") << major << Bytes("abcd"sv) << Bytes("AT+MARJ0x278B"sv)
                                << Bytes("AT+MINO0xABCD"sv);
    QTest::newRow("Minor 9999 after a space, hex")
        << major << Bytes(" 9999"sv) << Bytes("AT+MARJ0x278B"sv) << Bytes("AT+MINO0x9999"sv);
    QTest::newRow("Minor 09999, decimal")
        << major << Bytes("09999"sv) << Bytes("AT+MARJ0x278B"sv) << Bytes("AT+MINO0x270F"sv);
    QTest::newRow("Minor 00001") << major << Bytes("00001"sv) << Bytes("AT+MARJ0x278B"sv)
                                 << Bytes("AT+MINO0x0001"sv);
    QTest::newRow("Minor 65535") << major << Bytes("65535"sv) << Bytes("AT+MARJ0x278B"sv)
                                 << Bytes("AT+MINO0xFFFF"sv);
    QTest::newRow("Major hex, Minor decimal")
        << Bytes("1234"sv) << Bytes("01234"sv) << Bytes("AT+MARJ0x1234"sv) << Bytes("AT+MINO0x04D2"sv);
    QTest::newRow("Major decimal, Minor hex")
        << Bytes("01234"sv) << Bytes("1234"sv) << Bytes("AT+MARJ0x04D2"sv) << Bytes("AT+MINO0x1234"sv);
    QTest::newRow("Major and Minor swapped")
        << minor << major << Bytes("AT+MARJ0x278D"sv) << Bytes("AT+MINO0x278B"sv);
}

void TestBeaconList::acceptedValues()
{
    QFETCH(QByteArray, majorText);
    QFETCH(QByteArray, minorText);
    QFETCH(QByteArray, majorLine);
    QFETCH(QByteArray, minorLine);

    QByteArrayList expected = beaconDefaults;
    expected[14] = majorLine;
    expected[16] = minorLine;
    brenvik::testing::VerifyList(Build(uuid, majorText, minorText), expected);
}

void TestBeaconList::acceptedUuids_data()
{
    QTest::addColumn<QByteArray>("uuidText");
    QTest::addColumn<QByteArrayList>("quarterLines");

    const QByteArrayList defaultQuarters
        = {"AT+IBE00000FFF0", "AT+IBE100001000", "AT+IBE280000080", "AT+IBE35F9B34FB"};
    QTest::newRow("lower case") << Bytes("0000fff0-0000-1000-8000-00805f9b34fb"sv) << defaultQuarters;
    QTest::newRow("no dashes") << Bytes("0000FFF000001000800000805F9B34FB"sv) << defaultQuarters;
    QTest::newRow("dashes anywhere") << Bytes("-0000-FFF00000100080000080-5F9B-34FB-"sv) << defaultQuarters;
    QTest::newRow("trimmed spaces and controls")
        << Bytes(" \t0000FFF0-0000-1000-8000-00805F9B34FB\r\n\0"sv) << defaultQuarters;
    QTest::newRow("distinct quarters")
        << Bytes("00112233-4455-6677-8899-aabbccddeeff"sv)
        << QByteArrayList{"AT+IBE000112233", "AT+IBE144556677", "AT+IBE28899AABB", "AT+IBE3CCDDEEFF"};
    // No value check on the UUID.
    QTest::newRow("32 zeros") << Bytes("00000000000000000000000000000000"sv)
                              << QByteArrayList{"AT+IBE000000000", "AT+IBE100000000", "AT+IBE200000000",
                                                "AT+IBE300000000"};
    QTest::newRow("32 zeros in groups")
        << Bytes("00000000-0000-0000-0000-000000000000"sv)
        << QByteArrayList{"AT+IBE000000000", "AT+IBE100000000", "AT+IBE200000000", "AT+IBE300000000"};
}

void TestBeaconList::acceptedUuids()
{
    QFETCH(QByteArray, uuidText);
    QFETCH(QByteArrayList, quarterLines);

    QVERIFY(quarterLines.size() == 4);
    QByteArrayList expected = beaconDefaults;
    for (qsizetype i = 0; i < 4; ++i)
        expected[6 + 2 * i] = quarterLines[i];
    brenvik::testing::VerifyList(Build(uuidText, major, minor), expected);
}

void TestBeaconList::defaultValuesList()
{
    QCOMPARE(beaconDefaults.size(), 17);
    brenvik::testing::VerifyList(Build(uuid, major, minor), beaconDefaults);
}

// From line 4 on, every even line is blank; the list ends on a command.
void TestBeaconList::blankLinesSeparateCommands()
{
    const QByteArrayList lines = brenvik::testing::LinesOf(Build(uuid, major, minor));
    QCOMPARE(lines.size(), 17);
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        const bool blank = number >= 4 && number % 2 == 0;
        QVERIFY2(
            lines[number - 1].isEmpty() == blank,
            qPrintable(
                QStringLiteral("line %1 is \"%2\"").arg(number).arg(QString::fromLatin1(lines[number - 1]))));
    }
    QVERIFY(!lines.last().isEmpty());
}

void TestBeaconList::headingLayout()
{
    const QByteArrayList lines = brenvik::testing::LinesOf(Build(uuid, major, minor));
    QVERIFY(lines.size() >= 2);
    QCOMPARE(lines[0], QByteArray(9, ' ') + "Those AT Command only need be executed once more");
    QCOMPARE(lines[1], QByteArray(9, ' ') + QByteArray(48, '='));
}

QTEST_APPLESS_MAIN(TestBeaconList)

#include "tst_beaconlist.moc"
