// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "BeaconList.h"

#include "FieldRules.h"
#include "ListParts.h"
#include "Texts.h"

namespace brenvik {

namespace {

constexpr std::size_t uuidDigits = 32;
constexpr std::size_t hexValueLength = 4;
constexpr std::size_t decimalValueLength = 5;

// Major and Minor: exactly four characters are hex, any other length decimal.
bool IsHexMode(std::string_view value)
{
    return value.size() == hexValueLength;
}

bool HasValueDigits(std::string_view value)
{
    return IsHexMode(value) ? AllHexDigits(value) : AllDecimalDigits(value);
}

bool HasValueLength(std::string_view value)
{
    return value.size() == hexValueLength || value.size() == decimalValueLength;
}

std::uint32_t NumericValue(std::string_view value)
{
    return IsHexMode(value) ? HexValue16(value) : DecimalValue(value);
}

std::string HexDigitsOf(std::string_view value)
{
    return IsHexMode(value) ? std::string(value) : UpperHex(DecimalValue(value), 4);
}

CommandList BeaconList(std::string_view uuid, std::string_view major, std::string_view minor)
{
    CommandList list;
    list.reserve(17);
    AppendOnceHeading(list);
    // From here on the commands are set apart by blank lines.
    const auto addCommand = [&list](std::string command) {
        list.emplace_back();
        list.push_back(std::move(command));
    };
    addCommand(std::string(texts::beaconOn));
    for (std::string &command : UuidQuarterCommands(uuid))
        addCommand(std::move(command));
    addCommand(Concat(texts::majorPrefix, HexDigitsOf(major)));
    addCommand(Concat(texts::minorPrefix, HexDigitsOf(minor)));
    return list;
}

} // namespace

ListOutcome BuildBeaconList(const BeaconListRequest &request)
{
    if (TrimField(request.uuidText).empty())
        return InputRejection{texts::fillAllFields, FocusField::edtiBeaconUUID};
    if (TrimField(request.majorText).empty())
        return InputRejection{texts::fillAllFields, FocusField::edtiBeaconMajor};
    if (TrimField(request.minorText).empty())
        return InputRejection{texts::fillAllFields, FocusField::edtiBeaconMinor};

    const std::string uuid = NormaliseField(request.uuidText, FieldKind::uuid);
    const std::string major = NormaliseField(request.majorText, FieldKind::value);
    const std::string minor = NormaliseField(request.minorText, FieldKind::value);
    const InputRejection badMajor{texts::badBeaconMajor, FocusField::edtiBeaconMajor};
    const InputRejection badMinor{texts::badBeaconMinor, FocusField::edtiBeaconMinor};

    // All digit checks come first, then all length checks, then the values.
    if (!AllHexDigits(uuid))
        return InputRejection{texts::badBeaconUuidDigits, FocusField::edtiBeaconUUID};
    if (!HasValueDigits(major))
        return badMajor;
    if (!HasValueDigits(minor))
        return badMinor;

    if (uuid.size() != uuidDigits)
        return InputRejection{texts::badBeaconUuidLength, FocusField::edtiBeaconUUID};
    if (!HasValueLength(major))
        return badMajor;
    if (!HasValueLength(minor))
        return badMinor;

    if (!IsAcceptedValue16(NumericValue(major)))
        return badMajor;
    if (!IsAcceptedValue16(NumericValue(minor)))
        return badMinor;

    return BeaconList(uuid, major, minor);
}

} // namespace brenvik
