// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The native core's answers to generated cases, in the bytes the web
// page's module gives (PageResult.h), so that a suite can compare the two
// byte for byte. Reads one case a line: "S" and the UUID type, or "B",
// then the fields, each as hex digits of its bytes, separated by tabs.
// Writes for each case its kind (0 or 1), the result's length, a line
// feed, then the result's bytes.

#include "BeaconList.h"
#include "PageResult.h"
#include "StudyList.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string FromHex(const std::string &hex)
{
    std::string bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
    return bytes;
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string result;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string head;
        std::getline(in, head, '\t');
        std::vector<std::string> fields;
        for (std::string field; std::getline(in, field, '\t');)
            fields.push_back(FromHex(field));
        fields.resize(3);
        const brenvik::ListOutcome outcome
            = head[0] == 'S' ? brenvik::BuildStudyList({fields[0], fields[1], std::stoi(head.substr(1))})
                             : brenvik::BuildBeaconList({fields[0], fields[1], fields[2]});
        const brenvik::web::ResultKind kind = brenvik::web::WriteResult(outcome, result);
        std::cout << static_cast<int>(kind) << ' ' << result.size() << '\n' << result;
    }
    return 0;
}
