// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What the user is meant to read, written out once for the suites of both
// front-ends: the eight message texts, the whole command lists for the
// default and the worked inputs, and the clicks that are rejected with the
// field that gets the focus. Plain C++, so that every suite can use it.
//
// They are literals on purpose and never taken from the program's own
// texts, so that a changed or misspelt text there is caught.

#include <array>
#include <string_view>

namespace brenvik::expect {

// The messages of the study tab.
inline constexpr std::string_view fill = "Please fill in all fields";
inline constexpr std::string_view badNotify = R"(Please input correct included "Notify" Characteristic!)";
inline constexpr std::string_view badWrite
    = R"(Please input correct included "Write" or "WriteWithoutResponse" Characteristic!)";
inline constexpr std::string_view tooDifferent
    = "Those two Characteristics is defferent more than 1 Bytes, We cant use it!";

// The messages of the iBeacon tab, which also uses `fill`.
inline constexpr std::string_view badUuidDigits = "Please input correct iBeacon UUID!";
inline constexpr std::string_view badUuidLength = "Please input correct iBeacon UUID value!";
inline constexpr std::string_view badMajor = "Please input correct iBeacon Major value!";
inline constexpr std::string_view badMinor = "Please input correct iBeacon Minor value!";

// The whole study list for the default fields, "FFE1" and "FFE1" as 16-bit
// UUIDs: 24 lines.
inline constexpr std::array<std::string_view, 24> studyDefaults16 = {
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

// The worked 128-bit inputs: they differ in digit 8 only, which lies in byte 4.
inline constexpr std::string_view workedNotify = "0000FFE1-0000-1000-8000-00805F9B34FB";
inline constexpr std::string_view workedWrite = "0000ffe2-0000-1000-8000-00805f9b34fb";

// The whole study list for workedNotify and workedWrite as 128-bit UUIDs:
// 27 lines.
inline constexpr std::array<std::string_view, 27> studyExample128 = {
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

// The default texts of the iBeacon fields.
inline constexpr std::string_view defaultBeaconUuid = "0000FFF0-0000-1000-8000-00805F9B34FB";

// The whole iBeacon list for the default fields: UUID defaultBeaconUuid,
// Major "10123", Minor "10125". 17 lines.
inline constexpr std::array<std::string_view, 17> beaconDefaults = {
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

// A click on "Create AT Commands List" that is rejected: the fields as typed,
// the message and the field that then has the focus ("" when none is named).
struct StudyRejection {
    std::string_view name;
    std::string_view notify;
    std::string_view write;
    int uuidType;
    std::string_view message;
    std::string_view focus;
};

inline constexpr StudyRejection studyRejections[] = {
    {"Notify empty", "", "FFE1", 0, fill, "edtCharNotify"},
    {"Write empty", "FFE1", "", 0, fill, "edtCharWrite"},
    {"both spaces only: Notify first", "   ", "   ", 0, fill, "edtCharNotify"},
    {"Notify not hex, lower case kept", "ffg1", "FFE1", 0, badNotify, "edtCharNotify"},
    {"Write not hex", "FFE1", "FFX1", 0, badWrite, "edtCharWrite"},
    {"Write digits checked before Notify length", "12345", "12G4", 0, badWrite, "edtCharWrite"},
    {"16-bit Write 0000", "FFE1", "00-00", 0, badWrite, "edtCharWrite"},
    {"16-bit Write of dashes only", "FFE1", "----", 0, badWrite, "edtCharWrite"},
    {"16-bit type with 128-bit texts", workedNotify, workedWrite, 0, badNotify, "edtCharNotify"},
    {"128-bit type with the 16-bit defaults", "FFE1", "FFE1", 1, badNotify, "edtCharNotify"},
    {"128-bit Write too short", workedNotify, "0000ffe1-0000-1000-8000-00805f9b34f", 1, badWrite,
     "edtCharWrite"},
    {"128-bit digits 2 and 3 differ: across a byte", workedNotify, "0110FFE1-0000-1000-8000-00805F9B34FB", 1,
     tooDifferent, ""},
    {"128-bit three digits differ", workedNotify, "0000FFE1-0000-1000-8000-00805F9B3ABC", 1, tooDifferent,
     ""},
};

// A click on "Create iBeacon AT Commands List" that is rejected.
struct BeaconRejection {
    std::string_view name;
    std::string_view uuid;
    std::string_view major;
    std::string_view minor;
    std::string_view message;
    std::string_view focus;
};

inline constexpr std::string_view uuid31 = "0000FFF0-0000-1000-8000-00805F9B34F";

inline constexpr BeaconRejection beaconRejections[] = {
    {"all empty: UUID first", "", "", "", fill, "edtiBeaconUUID"},
    {"Major empty", defaultBeaconUuid, "", "10123", fill, "edtiBeaconMajor"},
    {"only Minor empty", defaultBeaconUuid, "10123", "", fill, "edtiBeaconMinor"},
    {"UUID holding G, Major bad too", "0000fffg-0000-1000-8000-00805f9b34fb", "1A345", "10123", badUuidDigits,
     "edtiBeaconUUID"},
    {"UUID of 31 digits", uuid31, "10123", "10123", badUuidLength, "edtiBeaconUUID"},
    {"UUID of dashes only", "----", "10123", "10123", badUuidLength, "edtiBeaconUUID"},
    {"Major digit before UUID length", uuid31, "1A345", "10123", badMajor, "edtiBeaconMajor"},
    {"Major of three digits", defaultBeaconUuid, "123", "10123", badMajor, "edtiBeaconMajor"},
    {"Major 65536", defaultBeaconUuid, "65536", "10123", badMajor, "edtiBeaconMajor"},
    {"Minor with a dash", defaultBeaconUuid, "10123", "12-4", badMinor, "edtiBeaconMinor"},
    {"Minor not hex, lower case kept", "0000fff0-0000-1000-8000-00805f9b34fb", "04d2", "04g3", badMinor,
     "edtiBeaconMinor"},
    {"Minor 0000", defaultBeaconUuid, "10123", "0000", badMinor, "edtiBeaconMinor"},
};

} // namespace brenvik::expect
