// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

// Every fixed text the generators emit: the rejection messages and the
// constant lines of the command lists. The odd spelling and the leading
// spaces are the module's documentation as users know it; keep them.
namespace brenvik::texts {

inline constexpr std::string_view fillAllFields = "Please fill in all fields";
inline constexpr std::string_view badNotify = "Please input correct included \"Notify\" Characteristic!";
inline constexpr std::string_view badWrite
    = "Please input correct included \"Write\" or \"WriteWithoutResponse\" Characteristic!";
inline constexpr std::string_view tooDifferent
    = "Those two Characteristics is defferent more than 1 Bytes, We cant use it!";
inline constexpr std::string_view badBeaconUuidDigits = "Please input correct iBeacon UUID!";
inline constexpr std::string_view badBeaconUuidLength = "Please input correct iBeacon UUID value!";
inline constexpr std::string_view badBeaconMajor = "Please input correct iBeacon Major value!";
inline constexpr std::string_view badBeaconMinor = "Please input correct iBeacon Minor value!";

inline constexpr std::array allMessages = {
    fillAllFields,       badNotify,           badWrite,       tooDifferent,
    badBeaconUuidDigits, badBeaconUuidLength, badBeaconMajor, badBeaconMinor,
};

// The opening lines that both lists share.
inline constexpr std::string_view onceHeading = "         Those AT Command only need be executed once more";
inline constexpr std::string_view onceUnderline = "         ================================================";
inline constexpr std::string_view renew = "AT+RENEW";

// Study list: set-up before the UUID commands.
inline constexpr std::array studySetup = {
    std::string_view("AT+IMME1"),
    std::string_view("AT+SHOW1 (If you doesnt want to get slave device name, forget this command)"),
    std::string_view("AT+COMP1"),
    std::string_view("AT+NOTI1"),
};
inline constexpr std::string_view uuid16Mode = "AT+128B0";
inline constexpr std::string_view uuid128Mode = "AT+128B1";
inline constexpr std::string_view serviceUuidPrefix = "AT+UUID0x";
inline constexpr std::string_view characteristicPrefix = "AT+CHAR0x";
inline constexpr std::string_view sameCharacteristics = "AT+CHAR0x00FF";
// "AT+IBE0" to "AT+IBE3": the four 8-digit quarters of a 128-bit UUID.
inline constexpr std::array uuidQuarterPrefixes = {
    std::string_view("AT+IBE0"),
    std::string_view("AT+IBE1"),
    std::string_view("AT+IBE2"),
    std::string_view("AT+IBE3"),
};

// Study list: master role, then the guide to scanning and connecting.
inline constexpr std::array studyGuide = {
    std::string_view("AT+ROLE1"),
    std::string_view(" "),
    std::string_view("  Now you can use those AT Commands to discovery or connect a slave device."),
    std::string_view("  ========================================================================="),
    std::string_view("AT+DISC? (Start a scan procedure)"),
    std::string_view("OK+DISCS (Module response, Start scan procedure)"),
    std::string_view("OK+DIS<P1><P2><P3> (Module response, Found device)"),
    std::string_view("      <P1>: Device Type"),
    std::string_view("      <P2>: Device MAC Address"),
    std::string_view("      <P3>: Device Name"),
    std::string_view("OK+DISCE (Module response, Scan procedure finished)"),
    std::string_view("AT+CO<P1><P2> (Try to connect a slave device)"),
    std::string_view("     <P1>: Device Type"),
    std::string_view("     <P2>: Device MAC address"),
};

// iBeacon list.
inline constexpr std::string_view beaconOn = "AT+IBEA1";
inline constexpr std::string_view majorPrefix = "AT+MARJ0x";
inline constexpr std::string_view minorPrefix = "AT+MINO0x";

} // namespace brenvik::texts
