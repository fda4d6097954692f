// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Where the controls of the two windows stand, written out once for the
// window suites of both front-ends: the client sizes, the docked groups of
// each tab page, each control's place in its group at 96 DPI with its text,
// the status bar and the keyboard order of each tab. Plain C++.
//
// They are literals on purpose and never taken from the program's own
// description of its windows, so that a control moved there is caught.

#include <span>
#include <string_view>

namespace brenvik::expect::layout {

struct Size {
    int width;
    int height;
};
inline constexpr Size mainClient{520, 384};
inline constexpr Size resultClient{467, 424};

// A control's place in its group (none: in its tab page) at 96 DPI; a
// width or height of 0 is the control's own choice (a label's fits its
// text, a drop-down list's is the toolkit's).
struct Place {
    std::string_view name;
    std::string_view group;
    int tab;
    int left, top, width, height;
    std::string_view text;
};
inline constexpr Place places[] = {
    {"cbUUIDType", "GBUUIDType", 0, 112, 16, 393, 0, "Slave device is using 16 Bit format UUID"},
    {"lbUUIDType", "GBUUIDType", 0, 8, 19, 0, 0, "Chose UUID type:"},
    {"edtCharNotify", "GBUUIDNotify", 0, 8, 16, 497, 20, "FFE1"},
    {"lbCharNotify", "GBUUIDNotify", 0, 8, 48, 0, 0, R"(Please input UUID which included "Notify" property)"},
    {"edtCharWrite", "GBUUIDWrite", 0, 8, 16, 497, 20, "FFE1"},
    {"lbCharWrite", "GBUUIDWrite", 0, 8, 48, 0, 0,
     R"(Please input UUID which included "Write" or "WriteWithoutResponse" property)"},
    {"lbHelp1", "GBHelp", 0, 8, 24, 0, 0, "1. 16 Bits UUID format is like 'FFF0'"},
    {"lbHelp2", "GBHelp", 0, 8, 40, 0, 0,
     "2. 128 Bits UUID format is like '0000FFE0-0000-1000-8000-00805F9B34FB'"},
    {"lbHelp3", "GBHelp", 0, 8, 56, 0, 0,
     "3. Please use LightBlue for iOS to find UUID, android always show as 128 Bits UUID"},
    {"lbHelp4", "GBHelp", 0, 8, 72, 0, 0,
     "4. If slave device is used one UUID, please keep those two UUID is same"},
    {"btnShow", "GBButton", 0, 344, 11, 155, 25, "Create AT Commands List"},
    {"edtiBeaconUUID", "gbiBeaconUUID", 1, 8, 16, 497, 20, "0000FFF0-0000-1000-8000-00805F9B34FB"},
    {"lbiBeaconUUID", "gbiBeaconUUID", 1, 8, 48, 0, 0,
     R"(Please input UUID, Should like "0000FFE0-0000-1000-8000-00805F9B34FB")"},
    {"edtiBeaconMajor", "gbiBeaconMajor", 1, 8, 16, 497, 20, "10123"},
    {"lbiBeaconMajor", "gbiBeaconMajor", 1, 8, 48, 0, 0,
     R"(Please input Major, Should like "04D2" (Hex mode) or "01234" (Decimal mode))"},
    {"edtiBeaconMinor", "gbiBeaconMinor", 1, 8, 16, 497, 20, "10125"},
    {"lbiBeaconMinor", "gbiBeaconMinor", 1, 8, 48, 0, 0,
     R"(Please input Minor, Should like "04D3" (Hex mode) or "01235" (Decimal mode))"},
    {"lbiBeaconHelp1", "gbiBeaconHelp", 1, 8, 24, 0, 0,
     "1. Major or Minor is between 1~65535, Hex mode length is 4, Decimal mode is 5."},
    {"lbiBeaconHelp2", "gbiBeaconHelp", 1, 8, 40, 0, 0,
     "2. If you want to use it in WeChat, Please ask Tencent to get UUID information."},
    {"lbiBeaconHelp3", "gbiBeaconHelp", 1, 8, 56, 0, 0,
     "3. iBeacon is based on BLE, iBeacon format is 21 Bytes in advertising data."},
    {"btniBeacon", "gbiBeaconHelp", 1, 272, 80, 227, 25, "Create iBeacon AT Commands List"},
    {"imgLogo", "", 2, 112, 134, 32, 32, "Brenvik logo"},
    {"lbBuilding", "", 2, 168, 144, 0, 0, "Building......"},
};

// The groups of a tab page from its top edge down, each across the whole
// page: a height of 0 fills what the others leave, and every group after
// that one is docked at the bottom edge.
struct Group {
    std::string_view name;
    int height;
    std::string_view caption;
};
struct DockedPage {
    std::string_view page;
    int tab;
    std::span<const Group> groups;
};
inline constexpr Group studyGroups[] = {
    {"GBUUIDType", 41, "UUID Type"},
    {"GBUUIDNotify", 72, R"(Characteristic included "Notify" property)"},
    {"GBUUIDWrite", 72, R"(Characteristic included "Write" or "WriteWithoutResponse" property)"},
    {"GBHelp", 0, "Help information"},
    {"GBButton", 44, ""},
};
inline constexpr Group beaconGroups[] = {
    {"gbiBeaconUUID", 72, "iBeacon UUID or WeChat UUID"},
    {"gbiBeaconMajor", 72, "iBeacon Major or WeChat Major"},
    {"gbiBeaconMinor", 72, "iBeacon Minor or WeChat Minor"},
    {"gbiBeaconHelp", 0, "Help information"},
};
inline constexpr DockedPage dockedPages[] = {{"tbStudy", 0, studyGroups}, {"tabBeacon", 1, beaconGroups}};

// The status bar along the bottom edge, and its first panel.
inline constexpr int statusBarHeight = 25;
inline constexpr int webPanelWidth = 160;

// The command list window: the group at the top across the window, the OK
// button below it.
struct Rect {
    int left, top, width, height;
};
inline constexpr Rect resultGroup{0, 0, 467, 385};
inline constexpr Rect okButton{176, 392, 75, 25};

// Where Tab takes the focus on each tab, from the tab strip and back to it.
// The Write field comes before the Notify field although it stands below it.
inline constexpr std::string_view studyOrder[] = {"cbUUIDType", "edtCharWrite", "edtCharNotify", "btnShow"};
inline constexpr std::string_view beaconOrder[]
    = {"edtiBeaconMinor", "edtiBeaconUUID", "edtiBeaconMajor", "btniBeacon"};
struct TabOrder {
    int tab;
    std::span<const std::string_view> controls;
};
inline constexpr TabOrder keyboardOrder[] = {{0, studyOrder}, {1, beaconOrder}, {2, {}}};

} // namespace brenvik::expect::layout
