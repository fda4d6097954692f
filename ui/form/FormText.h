// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What the two windows show and hold, shared by every front-end: captions,
// labels, default texts, field lengths and the fixed client sizes. Plain
// C++ and 7-bit ASCII, so that each front-end turns them into its own
// strings. The odd spelling is the wording users know; keep it.

#include <array>
#include <string_view>

namespace brenvik::form {

using Text = std::string_view;

// The caption of every message box, and the status bar's two panels.
inline constexpr Text WebAddress = "www.brenvik.example";
inline constexpr Text SupportAddress = "support@brenvik.example";
inline constexpr Text MessageCaption = WebAddress;

// The form's font: "MS Sans Serif", 12 pixels high.
inline constexpr Text FontFace = "MS Sans Serif";
inline constexpr int FontPixelHeight = 12;

// The main window.
inline constexpr Text MainCaption = "Brenvik Config Assistant V1.02";
inline constexpr int MainClientWidth = 520;
inline constexpr int MainClientHeight = 384;
inline constexpr int UuidFieldLength = 36;
inline constexpr int ValueFieldLength = 5;

inline constexpr Text StudyTab = "Study Function for Master Role";
inline constexpr Text BeaconTab = "iBeacon function for Slave Role";
// "&&" shows one ampersand and makes no keyboard accelerator.
inline constexpr Text AboutTab = "Quorinet&&Zelvane";

inline constexpr Text UuidTypeCaption = "UUID Type";
inline constexpr Text UuidTypeLabel = "Chose UUID type:";
inline constexpr std::array<Text, 2> UuidTypes = {
    "Slave device is using 16 Bit format UUID",
    "Slave device is using 128 Bit format UUID",
};
inline constexpr Text NotifyCaption = "Characteristic included \"Notify\" property";
inline constexpr Text NotifyHint = "Please input UUID which included \"Notify\" property";
inline constexpr Text NotifyDefault = "FFE1";
inline constexpr Text WriteCaption = "Characteristic included \"Write\" or \"WriteWithoutResponse\" property";
inline constexpr Text WriteHint
    = "Please input UUID which included \"Write\" or \"WriteWithoutResponse\" property";
inline constexpr Text WriteDefault = "FFE1";
inline constexpr Text HelpCaption = "Help information";
inline constexpr std::array<Text, 4> StudyHelp = {
    "1. 16 Bits UUID format is like 'FFF0'",
    "2. 128 Bits UUID format is like '0000FFE0-0000-1000-8000-00805F9B34FB'",
    "3. Please use LightBlue for iOS to find UUID, android always show as 128 Bits UUID",
    "4. If slave device is used one UUID, please keep those two UUID is same",
};
inline constexpr Text ShowButton = "Create AT Commands List";

inline constexpr Text BeaconUuidCaption = "iBeacon UUID or WeChat UUID";
inline constexpr Text BeaconUuidHint
    = "Please input UUID, Should like \"0000FFE0-0000-1000-8000-00805F9B34FB\"";
inline constexpr Text BeaconUuidDefault = "0000FFF0-0000-1000-8000-00805F9B34FB";
inline constexpr Text MajorCaption = "iBeacon Major or WeChat Major";
inline constexpr Text MajorHint
    = "Please input Major, Should like \"04D2\" (Hex mode) or \"01234\" (Decimal mode)";
inline constexpr Text MajorDefault = "10123";
inline constexpr Text MinorCaption = "iBeacon Minor or WeChat Minor";
inline constexpr Text MinorHint
    = "Please input Minor, Should like \"04D3\" (Hex mode) or \"01235\" (Decimal mode)";
inline constexpr Text MinorDefault = "10125";
inline constexpr std::array<Text, 3> BeaconHelp = {
    "1. Major or Minor is between 1~65535, Hex mode length is 4, Decimal mode is 5.",
    "2. If you want to use it in WeChat, Please ask Tencent to get UUID information.",
    "3. iBeacon is based on BLE, iBeacon format is 21 Bytes in advertising data.",
};
inline constexpr Text BeaconButton = "Create iBeacon AT Commands List";

inline constexpr Text LogoName = "Brenvik logo";
inline constexpr Text Building = "Building......";

// The command list window.
inline constexpr Text ResultCaption = "AT Commands List";
inline constexpr int ResultClientWidth = 467;
inline constexpr int ResultClientHeight = 424;
inline constexpr Text OkButton = "OK";

// When the command list window cannot be made or shown.
inline constexpr Text ListNotShown = "The command list could not be shown.";
inline constexpr Text ListNotShownBecause = "The command list could not be shown: ";

} // namespace brenvik::form
