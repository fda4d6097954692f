// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CommandList.h"

#include <string_view>

namespace brenvik {

// The values of the "Study Function for Master Role" tab at the moment of
// the click. Texts are the fields' bytes (UTF-8 from the window).
struct StudyListRequest {
    std::string_view notifyText;
    std::string_view writeText;
    int uuidType = 0; // 0: 16-bit UUIDs; any other value: 128-bit UUIDs
};

// Checks the request in its fixed order and returns the first rejection, or
// the commands that make a master-role module learn the slave's Notify and
// Write characteristics, followed by a guide to scanning and connecting.
[[nodiscard]] ListOutcome BuildStudyList(const StudyListRequest &request);

} // namespace brenvik
