// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// libFuzzer target for the two command-list generators.
//
// Input layout:
//   byte 0   mode: bit 0 clear = study tab, set = iBeacon tab;
//            bits 1-2 pick the study UUID type (0, 1, 2 or -1);
//            bits 3-7 give p (0 to 31): the trim check pads each field with
//            byte p in front and byte p + 1 behind, so 0 to 32 all occur.
//   byte 1   the field separator for this input.
//   rest     the fields (2 for the study tab, 3 for the iBeacon tab), split at
//            the separator; the last field takes everything after the last
//            separator it needs, separators included. Fields may hold any
//            byte, NUL included. Missing fields are empty.
// So "0|FFE1|FFE1" is the study tab's default request with 16-bit UUIDs.
//
// Every outcome is checked against the generators' contract; a violation
// traps, which libFuzzer reports as a crash with the input saved.

#include "BeaconList.h"
#include "StudyList.h"
#include "Texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace {

using brenvik::CommandList;
using brenvik::FocusField;
using brenvik::InputRejection;
using brenvik::ListOutcome;
namespace texts = brenvik::texts;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr std::array<int, 4> uuidTypes = {0, 1, 2, -1};

struct FuzzInput {
    bool beacon = false;
    int uuidType = 0;
    char padFront = ' ';
    char padBack = ' ';
    std::array<std::string_view, 3> fields{};
};

FuzzInput SplitInput(std::string_view data)
{
    FuzzInput input;
    if (data.size() < 2)
        return input;
    const auto mode = static_cast<unsigned char>(data[0]);
    const char separator = data[1];
    input.beacon = (mode & 1U) != 0;
    input.uuidType = uuidTypes[(mode >> 1U) & 3U];
    input.padFront = static_cast<char>(mode >> 3U);
    input.padBack = static_cast<char>((mode >> 3U) + 1U);

    const std::size_t fieldCount = input.beacon ? 3 : 2;
    std::string_view rest = data.substr(2);
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const std::size_t end = i + 1 == fieldCount ? std::string_view::npos : rest.find(separator);
        input.fields[i] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return input;
}

bool IsKnownMessage(std::string_view message)
{
    return std::find(texts::allMessages.begin(), texts::allMessages.end(), message)
           != texts::allMessages.end();
}

// Each message goes with the fields it can be about.
void CheckStudyRejection(const InputRejection &rejection)
{
    Require(IsKnownMessage(rejection.message));
    const FocusField focus = rejection.focus;
    if (rejection.message == texts::fillAllFields)
        Require(focus == FocusField::edtCharNotify || focus == FocusField::edtCharWrite);
    else if (rejection.message == texts::badNotify)
        Require(focus == FocusField::edtCharNotify);
    else if (rejection.message == texts::badWrite)
        Require(focus == FocusField::edtCharWrite);
    else
        Require(rejection.message == texts::tooDifferent && focus == FocusField::none);
}

void CheckBeaconRejection(const InputRejection &rejection)
{
    Require(IsKnownMessage(rejection.message));
    const FocusField focus = rejection.focus;
    if (rejection.message == texts::fillAllFields)
        Require(focus == FocusField::edtiBeaconUUID || focus == FocusField::edtiBeaconMajor
                || focus == FocusField::edtiBeaconMinor);
    else if (rejection.message == texts::badBeaconUuidDigits
             || rejection.message == texts::badBeaconUuidLength)
        Require(focus == FocusField::edtiBeaconUUID);
    else if (rejection.message == texts::badBeaconMajor)
        Require(focus == FocusField::edtiBeaconMajor);
    else
        Require(rejection.message == texts::badBeaconMinor && focus == FocusField::edtiBeaconMinor);
}

// Generated text is printable 7-bit ASCII (which also rules out bytes >= 128);
// an empty line is allowed.
void CheckText(const CommandList &list)
{
    for (const std::string &line : list)
        for (const char c : line)
            Require(c >= 0x20 && c < 0x7F);
}

bool HasHexTail(std::string_view line, std::string_view prefix, std::size_t digits)
{
    if (line.size() != prefix.size() + digits || !line.starts_with(prefix))
        return false;
    return std::all_of(line.begin() + static_cast<std::ptrdiff_t>(prefix.size()), line.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

void CheckHeading(const CommandList &list)
{
    Require(list[0] == texts::onceHeading && list[1] == texts::onceUnderline && list[2] == texts::renew);
}

void CheckStudyList(const CommandList &list, int uuidType)
{
    Require(list.size() == (uuidType == 0 ? 24U : 27U));
    CheckText(list);
    CheckHeading(list);
    if (uuidType == 0) {
        Require(list[7] == texts::uuid16Mode);
        Require(HasHexTail(list[8], texts::serviceUuidPrefix, 4));
        Require(HasHexTail(list[9], texts::characteristicPrefix, 4));
        // A 16-bit UUID of 0000 is never accepted.
        Require(!list[8].ends_with("0000") && !list[9].ends_with("0000"));
    } else {
        Require(list[7] == texts::uuid128Mode);
        for (std::size_t i = 0; i < 4; ++i)
            Require(HasHexTail(list[8 + i], texts::uuidQuarterPrefixes[i], 8));
        // The byte number of the first difference (1 to 16), or 00 with FF
        // when the two UUIDs are equal.
        const std::string_view characteristic = list[12];
        Require(HasHexTail(characteristic, texts::characteristicPrefix, 4));
        const std::string_view byte = characteristic.substr(texts::characteristicPrefix.size(), 2);
        Require(byte <= "10");
        Require(byte != "00" || characteristic == texts::sameCharacteristics);
    }
    Require(list.back() == texts::studyGuide.back());
}

void CheckBeaconList(const CommandList &list)
{
    Require(list.size() == 17U);
    CheckText(list);
    CheckHeading(list);
    for (std::size_t i = 3; i < list.size(); i += 2)
        Require(list[i].empty());
    Require(list[4] == texts::beaconOn);
    for (std::size_t i = 0; i < 4; ++i)
        Require(HasHexTail(list[6 + 2 * i], texts::uuidQuarterPrefixes[i], 8));
    Require(HasHexTail(list[14], texts::majorPrefix, 4));
    Require(HasHexTail(list[16], texts::minorPrefix, 4));
    // Major and Minor lie in 1..65535, so they are never written as 0000.
    Require(!list[14].ends_with("0000") && !list[16].ends_with("0000"));
}

// Variants of the fields that must give the very same outcome: the letters
// upper-cased, and padding (bytes 0 to 32) added at both ends.
std::string UpperCased(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string Padded(std::string_view text, const FuzzInput &input)
{
    std::string result;
    result.reserve(text.size() + 2);
    result.push_back(input.padFront);
    result.append(text);
    result.push_back(input.padBack);
    return result;
}

void FuzzStudy(const FuzzInput &input)
{
    const brenvik::StudyListRequest request{input.fields[0], input.fields[1], input.uuidType};
    const ListOutcome outcome = brenvik::BuildStudyList(request);
    if (const auto *rejection = std::get_if<InputRejection>(&outcome))
        CheckStudyRejection(*rejection);
    else
        CheckStudyList(std::get<CommandList>(outcome), input.uuidType);

    Require(brenvik::BuildStudyList(request) == outcome);

    // Only zero or non-zero matters for the UUID type.
    const brenvik::StudyListRequest sameType{request.notifyText, request.writeText,
                                             request.uuidType == 0 ? 0 : 1};
    Require(brenvik::BuildStudyList(sameType) == outcome);

    const std::string notifyUpper = UpperCased(request.notifyText);
    const std::string writeUpper = UpperCased(request.writeText);
    Require(brenvik::BuildStudyList({notifyUpper, writeUpper, request.uuidType}) == outcome);

    const std::string notifyPadded = Padded(request.notifyText, input);
    const std::string writePadded = Padded(request.writeText, input);
    Require(brenvik::BuildStudyList({notifyPadded, writePadded, request.uuidType}) == outcome);
}

void FuzzBeacon(const FuzzInput &input)
{
    const brenvik::BeaconListRequest request{input.fields[0], input.fields[1], input.fields[2]};
    const ListOutcome outcome = brenvik::BuildBeaconList(request);
    if (const auto *rejection = std::get_if<InputRejection>(&outcome))
        CheckBeaconRejection(*rejection);
    else
        CheckBeaconList(std::get<CommandList>(outcome));

    Require(brenvik::BuildBeaconList(request) == outcome);

    const std::string uuidUpper = UpperCased(request.uuidText);
    const std::string majorUpper = UpperCased(request.majorText);
    const std::string minorUpper = UpperCased(request.minorText);
    Require(brenvik::BuildBeaconList({uuidUpper, majorUpper, minorUpper}) == outcome);

    const std::string uuidPadded = Padded(request.uuidText, input);
    const std::string majorPadded = Padded(request.majorText, input);
    const std::string minorPadded = Padded(request.minorText, input);
    Require(brenvik::BuildBeaconList({uuidPadded, majorPadded, minorPadded}) == outcome);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = SplitInput(std::string_view(reinterpret_cast<const char *>(data), size));
    if (input.beacon)
        FuzzBeacon(input);
    else
        FuzzStudy(input);
    return 0;
}
