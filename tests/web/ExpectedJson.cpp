// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Prints the shared expectations (Expected.h, ExpectedLayout.h) as JSON
// for the web page's suites, which are JavaScript and so cannot include
// them.

#include "Expected.h"
#include "ExpectedLayout.h"
#include "JsonText.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace brenvik::expect;

void Field(const char *name, const std::string &value, bool last = false)
{
    std::printf("  %s: %s%s\n", JsonQuoted(name).c_str(), value.c_str(), last ? "" : ",");
}

// JSON's [...] of `rows`, each written by `row`.
template<typename Rows, typename Row>
std::string Array(const Rows &rows, Row row)
{
    std::string out = "[";
    for (const auto &each : rows)
        out += (out.size() > 1 ? ",\n    " : "\n    ") + row(each);
    return out + "]";
}

std::string Numbers(std::initializer_list<int> numbers)
{
    std::string out = "[";
    for (const int number : numbers)
        out += (out.size() > 1 ? ", " : "") + std::to_string(number);
    return out + "]";
}

// Where the window suites expect each control (ExpectedLayout.h).
std::string Layout()
{
    namespace layout = brenvik::expect::layout;
    const std::string places = Array(layout::places, [](const layout::Place &place) {
        return "{\"name\": " + JsonQuoted(place.name) + ", \"group\": " + JsonQuoted(place.group)
               + ", \"tab\": " + std::to_string(place.tab)
               + ", \"rect\": " + Numbers({place.left, place.top, place.width, place.height})
               + ", \"text\": " + JsonQuoted(place.text) + "}";
    });
    const std::string pages = Array(layout::dockedPages, [](const layout::DockedPage &page) {
        return "{\"page\": " + JsonQuoted(page.page) + ", \"groups\": "
               + Array(page.groups,
                       [](const layout::Group &group) {
                           return "{\"name\": " + JsonQuoted(group.name)
                                  + ", \"height\": " + std::to_string(group.height)
                                  + ", \"caption\": " + JsonQuoted(group.caption) + "}";
                       })
               + "}";
    });
    const std::string order = Array(layout::keyboardOrder, [](const layout::TabOrder &tab) {
        return "{\"tab\": " + std::to_string(tab.tab) + ", \"controls\": " + Array(tab.controls, JsonQuoted)
               + "}";
    });
    const auto rect = [](const layout::Rect &r) {
        return Numbers({r.left, r.top, r.width, r.height});
    };
    return "{\"mainClient\": " + Numbers({layout::mainClient.width, layout::mainClient.height})
           + ", \"resultClient\": " + Numbers({layout::resultClient.width, layout::resultClient.height})
           + ", \"statusBarHeight\": " + std::to_string(layout::statusBarHeight) + ", \"webPanelWidth\": "
           + std::to_string(layout::webPanelWidth) + ", \"resultGroup\": " + rect(layout::resultGroup)
           + ", \"okButton\": " + rect(layout::okButton) + ",\n  \"places\": " + places
           + ",\n  \"dockedPages\": " + pages + ",\n  \"keyboardOrder\": " + order + "}";
}

} // namespace

int main()
{
    std::printf("{\n");
    const std::pair<const char *, std::string_view> messages[] = {
        {"fill", fill},
        {"badNotify", badNotify},
        {"badWrite", badWrite},
        {"tooDifferent", tooDifferent},
        {"badUuidDigits", badUuidDigits},
        {"badUuidLength", badUuidLength},
        {"badMajor", badMajor},
        {"badMinor", badMinor},
    };
    std::string named = "{";
    for (const auto &[name, text] : messages)
        named += (named.size() > 1 ? ",\n    " : "\n    ") + JsonQuoted(name) + ": " + JsonQuoted(text);
    Field("messages", named + "}");
    Field("studyDefaults16", Array(studyDefaults16, JsonQuoted));
    Field("studyExample128", Array(studyExample128, JsonQuoted));
    Field("beaconDefaults", Array(beaconDefaults, JsonQuoted));
    Field("workedNotify", JsonQuoted(workedNotify));
    Field("workedWrite", JsonQuoted(workedWrite));
    Field("defaultBeaconUuid", JsonQuoted(defaultBeaconUuid));

    Field("studyRejections", Array(studyRejections, [](const StudyRejection &row) {
              return "{\"name\": " + JsonQuoted(row.name) + ", \"notify\": " + JsonQuoted(row.notify)
                     + ", \"write\": " + JsonQuoted(row.write) + ", \"uuidType\": "
                     + std::to_string(row.uuidType) + ", \"message\": " + JsonQuoted(row.message)
                     + ", \"focus\": " + JsonQuoted(row.focus) + "}";
          }));
    Field("beaconRejections", Array(beaconRejections, [](const BeaconRejection &row) {
              return "{\"name\": " + JsonQuoted(row.name) + ", \"uuid\": " + JsonQuoted(row.uuid)
                     + ", \"major\": " + JsonQuoted(row.major) + ", \"minor\": " + JsonQuoted(row.minor)
                     + ", \"message\": " + JsonQuoted(row.message) + ", \"focus\": " + JsonQuoted(row.focus)
                     + "}";
          }));
    Field("layout", Layout(), true);
    std::printf("}\n");
    return 0;
}
