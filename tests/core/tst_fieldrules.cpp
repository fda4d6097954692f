// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The value rules both generators share: trimming, normalising, the digit
// sets, the numeric readings and the hex output.

#include "CoreTestSupport.h"

#include "FieldRules.h"

#include <QObject>
#include <QTest>

#include <cstdint>
#include <limits>
#include <string_view>

using namespace std::string_view_literals;
using brenvik::FieldKind;
using brenvik::testing::Bytes;
using brenvik::testing::Quoted;
using brenvik::testing::View;

namespace {

// Every byte that trimming removes, 0 to 32, in ascending order.
QByteArray AllTrimmedBytes()
{
    QByteArray bytes;
    for (int code = 0; code <= 32; ++code)
        bytes.append(static_cast<char>(code));
    return bytes;
}

} // namespace

class TestFieldRules : public QObject
{
    Q_OBJECT

private slots:
    void trimField_data();
    void trimField();
    void normaliseField_data();
    void normaliseField();
    void digitSets();
    void allDigits_data();
    void allDigits();
    void hexValue16_data();
    void hexValue16();
    void decimalValue_data();
    void decimalValue();
    void isAcceptedValue16_data();
    void isAcceptedValue16();
    void upperHex_data();
    void upperHex();
};

void TestFieldRules::trimField_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray trimmed = AllTrimmedBytes();
    QByteArray reversed = trimmed;
    std::reverse(reversed.begin(), reversed.end());

    // Texts that become empty.
    QTest::newRow("empty") << Bytes(""sv) << Bytes(""sv);
    QTest::newRow("one space") << Bytes(" "sv) << Bytes(""sv);
    QTest::newRow("spaces only") << Bytes("     "sv) << Bytes(""sv);
    QTest::newRow("NUL bytes only") << Bytes("\0\0\0"sv) << Bytes(""sv);
    QTest::newRow("space between NULs") << Bytes("\0 \0"sv) << Bytes(""sv);
    QTest::newRow("tab, newline, return") << Bytes("\t\n\r"sv) << Bytes(""sv);
    QTest::newRow("every byte 0 to 32") << trimmed << Bytes(""sv);

    // Leading and trailing bytes 0 to 32 go.
    QTest::newRow("every byte 0 to 32 on both sides") << trimmed + "AB" + reversed << Bytes("AB"sv);
    QTest::newRow("leading spaces") << Bytes("   FFE1"sv) << Bytes("FFE1"sv);
    QTest::newRow("trailing spaces") << Bytes("FFE1   "sv) << Bytes("FFE1"sv);
    QTest::newRow("leading NUL") << Bytes("\0FFE1"sv) << Bytes("FFE1"sv);
    QTest::newRow("trailing NUL") << Bytes("FFE1\0"sv) << Bytes("FFE1"sv);
    QTest::newRow("tab, newline, return around") << Bytes("\t\n\rFFE1\r\n\t"sv) << Bytes("FFE1"sv);
    QTest::newRow("byte 31 around") << Bytes("\x1F"
                                             "FFE1\x1F"sv)
                                    << Bytes("FFE1"sv);
    QTest::newRow("one character left") << Bytes("  A  "sv) << Bytes("A"sv);

    // Bytes above 32 stay, wherever they stand.
    QTest::newRow("byte 33 kept") << Bytes("!FFE1!"sv) << Bytes("!FFE1!"sv);
    QTest::newRow("byte 127 kept") << Bytes("\x7F"
                                            "FFE1\x7F"sv)
                                   << Bytes("\x7F"
                                            "FFE1\x7F"sv);
    QTest::newRow("byte 127 alone kept") << Bytes("\x7F"sv) << Bytes("\x7F"sv);
    QTest::newRow("byte 160 kept") << Bytes("\xA0"
                                            "FFE1\xA0"sv)
                                   << Bytes("\xA0"
                                            "FFE1\xA0"sv);
    QTest::newRow("byte 255 kept") << Bytes("\xFF"
                                            "FFE1\xFF"sv)
                                   << Bytes("\xFF"
                                            "FFE1\xFF"sv);
    QTest::newRow("UTF-8 no-break space kept") << Bytes("\xC2\xA0"
                                                        "FFE1\xC2\xA0"sv)
                                               << Bytes("\xC2\xA0"
                                                        "FFE1\xC2\xA0"sv);
    QTest::newRow("UTF-8 e acute kept") << Bytes(" \xC3\xA9 "sv) << Bytes("\xC3\xA9"sv);
    QTest::newRow("kept byte shields spaces") << Bytes(" \x7F  FFE1  \xA0 "sv) << Bytes("\x7F  FFE1  \xA0"sv);

    // The inside of the text is never touched.
    QTest::newRow("inner spaces kept") << Bytes("  FF E1  "sv) << Bytes("FF E1"sv);
    QTest::newRow("inner NUL kept") << Bytes(" FF\0E1 "sv) << Bytes("FF\0E1"sv);
    QTest::newRow("inner controls kept") << Bytes("\tFF\t\n\rE1\n"sv) << Bytes("FF\t\n\rE1"sv);
    QTest::newRow("inner dashes kept") << Bytes(" -FF-E1- "sv) << Bytes("-FF-E1-"sv);
    QTest::newRow("lower case kept") << Bytes(" ff e1 "sv) << Bytes("ff e1"sv);
}

void TestFieldRules::trimField()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);

    const std::string_view input = View(text);
    const std::string_view result = brenvik::TrimField(input);
    QCOMPARE(Quoted(result), Quoted(View(expected)));
    // The result is a part of the caller's text, not of a temporary.
    if (!result.empty()) {
        QVERIFY(result.data() >= input.data());
        QVERIFY(result.data() + result.size() <= input.data() + input.size());
    }
}

void TestFieldRules::normaliseField_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<QByteArray>("expected");

    const auto both = [](const char *name, std::string_view text, std::string_view expected) {
        QTest::addRow("%s, value", name) << Bytes(text) << FieldKind::value << Bytes(expected);
        QTest::addRow("%s, uuid", name) << Bytes(text) << FieldKind::uuid << Bytes(expected);
    };

    // Upper-casing: "a" to "z" only.
    both("empty", ""sv, ""sv);
    both("only trimmed bytes", "\t \r\n\0"sv, ""sv);
    both("whole lower alphabet", "abcdefghijklmnopqrstuvwxyz"sv, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"sv);
    both("upper case and digits unchanged", "ABCXYZ0189"sv, "ABCXYZ0189"sv);
    both("neighbours of the letters unchanged", "`{@[~"sv, "`{@[~"sv);
    both("mixed case", "fFe1Ab"sv, "FFE1AB"sv);
    both("Latin-1 e acute unchanged", "\xE9"sv, "\xE9"sv);
    both("Latin-1 y diaeresis unchanged", "\xFF"sv, "\xFF"sv);
    both("UTF-8 e acute unchanged", "\xC3\xA9"sv, "\xC3\xA9"sv);
    both("byte 0xA0 unchanged",
         "\xA0"
         "ab"sv,
         "\xA0"
         "AB"sv);
    both("byte 127 unchanged",
         "\x7F"
         "ab"sv,
         "\x7F"
         "AB"sv);

    // Trimming comes first; the inside is kept.
    both("trimmed and upper-cased", " \tff e1\n "sv, "FF E1"sv);
    both("inner NUL kept", "\0ff\0e1\0"sv, "FF\0E1"sv);

    // Dashes: removed from UUIDs only, wherever they stand.
    QTest::newRow("dashes, uuid") << Bytes("-0000-ff-e1--"sv) << FieldKind::uuid << Bytes("0000FFE1"sv);
    QTest::newRow("dashes, value") << Bytes("12-34"sv) << FieldKind::value << Bytes("12-34"sv);
    QTest::newRow("dashes only, uuid") << Bytes("----"sv) << FieldKind::uuid << Bytes(""sv);
    QTest::newRow("dashes only, value") << Bytes("----"sv) << FieldKind::value << Bytes("----"sv);
    QTest::newRow("UUID in groups") << Bytes("0000ffe1-0000-1000-8000-00805f9b34fb"sv) << FieldKind::uuid
                                    << Bytes("0000FFE100001000800000805F9B34FB"sv);
    QTest::newRow("trimmed dashes, uuid") << Bytes(" -ab- "sv) << FieldKind::uuid << Bytes("AB"sv);
    QTest::newRow("trimmed dashes, value") << Bytes(" -ab- "sv) << FieldKind::value << Bytes("-AB-"sv);
    // Dashes are removed after trimming, so the spaces they guarded stay.
    QTest::newRow("dashes guard spaces, uuid") << Bytes("- ab -"sv) << FieldKind::uuid << Bytes(" AB "sv);
    QTest::newRow("dash inside NULs, uuid") << Bytes("\0-\0"sv) << FieldKind::uuid << Bytes(""sv);
    QTest::newRow("underscore and plus kept, uuid") << Bytes("_a+"sv) << FieldKind::uuid << Bytes("_A+"sv);
}

void TestFieldRules::normaliseField()
{
    QFETCH(QByteArray, text);
    QFETCH(FieldKind, kind);
    QFETCH(QByteArray, expected);

    QCOMPARE(Quoted(brenvik::NormaliseField(View(text), kind)), Quoted(View(expected)));
}

// Every byte value against the two digit sets; a digit check runs after
// upper-casing, so lower-case letters are not hex digits here.
void TestFieldRules::digitSets()
{
    constexpr std::string_view hexDigits = "0123456789ABCDEF";
    constexpr std::string_view decimalDigits = "0123456789";
    int hexCount = 0;
    int decimalCount = 0;
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const bool hex = brenvik::IsHexDigit(c);
        const bool decimal = brenvik::IsDecimalDigit(c);
        QVERIFY2(hex == (hexDigits.find(c) != std::string_view::npos),
                 qPrintable(QStringLiteral("IsHexDigit is wrong for byte %1").arg(code)));
        QVERIFY2(decimal == (decimalDigits.find(c) != std::string_view::npos),
                 qPrintable(QStringLiteral("IsDecimalDigit is wrong for byte %1").arg(code)));
        hexCount += hex ? 1 : 0;
        decimalCount += decimal ? 1 : 0;
    }
    QCOMPARE(hexCount, 16);
    QCOMPARE(decimalCount, 10);
}

void TestFieldRules::allDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("allHex");
    QTest::addColumn<bool>("allDecimal");

    // An empty text has no digit to fail: a UUID of dashes only passes.
    QTest::newRow("empty") << Bytes(""sv) << true << true;
    QTest::newRow("decimal digits") << Bytes("0123456789"sv) << true << true;
    QTest::newRow("hex letters") << Bytes("ABCDEF"sv) << true << false;
    QTest::newRow("one hex letter at the end") << Bytes("1234A"sv) << true << false;
    QTest::newRow("one hex letter at the start") << Bytes("A1234"sv) << true << false;
    QTest::newRow("lower-case hex letters") << Bytes("abcdef"sv) << false << false;
    QTest::newRow("G") << Bytes("12G4"sv) << false << false;
    QTest::newRow("inner space") << Bytes("12 4"sv) << false << false;
    QTest::newRow("dash") << Bytes("12-4"sv) << false << false;
    QTest::newRow("trailing NUL") << Bytes("1234\0"sv) << false << false;
    QTest::newRow("NUL in the middle") << Bytes("12\0"
                                                "34"sv)
                                       << false << false;
    QTest::newRow("UTF-8 e acute") << Bytes("12\xC3\xA9"sv) << false << false;
    QTest::newRow("byte 0xB0, a digit with the high bit") << Bytes("\xB0"sv) << false << false;
    QTest::newRow("byte 0xC1, a letter with the high bit") << Bytes("\xC1"sv) << false << false;
}

void TestFieldRules::allDigits()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, allHex);
    QFETCH(bool, allDecimal);

    QCOMPARE(brenvik::AllHexDigits(View(text)), allHex);
    QCOMPARE(brenvik::AllDecimalDigits(View(text)), allDecimal);
}

void TestFieldRules::hexValue16_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<std::uint32_t>("value");

    QTest::newRow("0000") << Bytes("0000"sv) << std::uint32_t{0};
    QTest::newRow("0001") << Bytes("0001"sv) << std::uint32_t{1};
    QTest::newRow("000F") << Bytes("000F"sv) << std::uint32_t{15};
    QTest::newRow("00FF") << Bytes("00FF"sv) << std::uint32_t{255};
    QTest::newRow("04D2") << Bytes("04D2"sv) << std::uint32_t{1234};
    QTest::newRow("1234 is hex") << Bytes("1234"sv) << std::uint32_t{0x1234};
    QTest::newRow("8000") << Bytes("8000"sv) << std::uint32_t{32768};
    QTest::newRow("F000") << Bytes("F000"sv) << std::uint32_t{61440};
    QTest::newRow("ABCD") << Bytes("ABCD"sv) << std::uint32_t{43981};
    QTest::newRow("FFE1") << Bytes("FFE1"sv) << std::uint32_t{65505};
    QTest::newRow("FFFF") << Bytes("FFFF"sv) << std::uint32_t{65535};
}

void TestFieldRules::hexValue16()
{
    QFETCH(QByteArray, digits);
    QFETCH(std::uint32_t, value);

    QCOMPARE(brenvik::HexValue16(View(digits)), value);
}

void TestFieldRules::decimalValue_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<std::uint32_t>("value");

    QTest::newRow("0") << Bytes("0"sv) << std::uint32_t{0};
    QTest::newRow("00000") << Bytes("00000"sv) << std::uint32_t{0};
    QTest::newRow("00001") << Bytes("00001"sv) << std::uint32_t{1};
    QTest::newRow("01234") << Bytes("01234"sv) << std::uint32_t{1234};
    QTest::newRow("10123") << Bytes("10123"sv) << std::uint32_t{10123};
    QTest::newRow("10125") << Bytes("10125"sv) << std::uint32_t{10125};
    QTest::newRow("65535") << Bytes("65535"sv) << std::uint32_t{65535};
    QTest::newRow("65536") << Bytes("65536"sv) << std::uint32_t{65536};
    QTest::newRow("99999") << Bytes("99999"sv) << std::uint32_t{99999};
    QTest::newRow("nine digits") << Bytes("123456789"sv) << std::uint32_t{123456789};
    QTest::newRow("nine digits, leading zeros") << Bytes("000000001"sv) << std::uint32_t{1};
}

void TestFieldRules::decimalValue()
{
    QFETCH(QByteArray, digits);
    QFETCH(std::uint32_t, value);

    QCOMPARE(brenvik::DecimalValue(View(digits)), value);
}

void TestFieldRules::isAcceptedValue16_data()
{
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("0") << std::uint32_t{0} << false;
    QTest::newRow("1") << std::uint32_t{1} << true;
    QTest::newRow("2") << std::uint32_t{2} << true;
    QTest::newRow("65534") << std::uint32_t{65534} << true;
    QTest::newRow("65535") << std::uint32_t{65535} << true;
    QTest::newRow("65536") << std::uint32_t{65536} << false;
    QTest::newRow("65537, 1 in the low 16 bits") << std::uint32_t{65537} << false;
    QTest::newRow("99999") << std::uint32_t{99999} << false;
    QTest::newRow("largest") << std::numeric_limits<std::uint32_t>::max() << false;
}

void TestFieldRules::isAcceptedValue16()
{
    QFETCH(std::uint32_t, value);
    QFETCH(bool, accepted);

    QCOMPARE(brenvik::IsAcceptedValue16(value), accepted);
}

void TestFieldRules::upperHex_data()
{
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("0, 4 digits") << std::uint32_t{0} << 4 << Bytes("0000"sv);
    QTest::newRow("1, 4 digits") << std::uint32_t{1} << 4 << Bytes("0001"sv);
    QTest::newRow("1234, 4 digits") << std::uint32_t{1234} << 4 << Bytes("04D2"sv);
    QTest::newRow("10123, 4 digits") << std::uint32_t{10123} << 4 << Bytes("278B"sv);
    QTest::newRow("10125, 4 digits") << std::uint32_t{10125} << 4 << Bytes("278D"sv);
    QTest::newRow("43981, upper case") << std::uint32_t{43981} << 4 << Bytes("ABCD"sv);
    QTest::newRow("65535, 4 digits") << std::uint32_t{65535} << 4 << Bytes("FFFF"sv);
    QTest::newRow("1, 2 digits") << std::uint32_t{1} << 2 << Bytes("01"sv);
    QTest::newRow("10, 2 digits") << std::uint32_t{10} << 2 << Bytes("0A"sv);
    QTest::newRow("16, 2 digits") << std::uint32_t{16} << 2 << Bytes("10"sv);
    QTest::newRow("255, 2 digits") << std::uint32_t{255} << 2 << Bytes("FF"sv);
    QTest::newRow("higher digits dropped") << std::uint32_t{0x12345} << 4 << Bytes("2345"sv);
    QTest::newRow("8 digits") << std::uint32_t{0xDEADBEEF} << 8 << Bytes("DEADBEEF"sv);
    QTest::newRow("1 digit") << std::uint32_t{0xC} << 1 << Bytes("C"sv);
    QTest::newRow("no digits") << std::uint32_t{7} << 0 << Bytes(""sv);
}

void TestFieldRules::upperHex()
{
    QFETCH(std::uint32_t, value);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);

    QCOMPARE(Quoted(brenvik::UpperHex(value, width)), Quoted(View(expected)));
}

QTEST_APPLESS_MAIN(TestFieldRules)

#include "tst_fieldrules.moc"
