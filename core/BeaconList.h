// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CommandList.h"

#include <string_view>

namespace brenvik {

// The values of the "iBeacon function for Slave Role" tab at the moment of
// the click. Texts are the fields' bytes (UTF-8 from the window).
struct BeaconListRequest {
    std::string_view uuidText;
    std::string_view majorText; // 4 characters: hex; any other length: decimal
    std::string_view minorText; // same rule as Major
};

// Checks the request in its fixed order and returns the first rejection, or
// the commands that make a slave-role module advertise as this iBeacon.
[[nodiscard]] ListOutcome BuildBeaconList(const BeaconListRequest &request);

} // namespace brenvik
