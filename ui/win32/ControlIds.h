// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

// The control ID of every control, named after the member that holds its
// window. IDOK (1) and IDCANCEL (2) are left free: Enter and Escape send
// those, and no control must answer them.
namespace ControlId {
enum : int {
    // The main window.
    sbTitle = 100,
    MainPage,
    tbStudy,
    GBUUIDType,
    lbUUIDType,
    cbUUIDType,
    GBUUIDNotify,
    edtCharNotify,
    lbCharNotify,
    GBUUIDWrite,
    edtCharWrite,
    lbCharWrite,
    GBHelp,
    lbHelp1,
    lbHelp2,
    lbHelp3,
    lbHelp4,
    GBButton,
    btnShow,
    tabBeacon,
    gbiBeaconUUID,
    edtiBeaconUUID,
    lbiBeaconUUID,
    gbiBeaconMajor,
    edtiBeaconMajor,
    lbiBeaconMajor,
    gbiBeaconMinor,
    edtiBeaconMinor,
    lbiBeaconMinor,
    gbiBeaconHelp,
    lbiBeaconHelp1,
    lbiBeaconHelp2,
    lbiBeaconHelp3,
    btniBeacon,
    TabSheet1,
    imgLogo,
    lbBuilding,

    // The command list window.
    GBResult = 200,
    memLog,
    btnOK,
};
} // namespace ControlId

namespace ControlId {
// The control with this ID anywhere in `window`, for the tools that drive
// the windows from outside; nullptr when there is none.
inline HWND Find(HWND window, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) {
            auto *search = reinterpret_cast<Search *>(data);
            if (GetDlgCtrlID(child) != search->id)
                return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
} // namespace ControlId
