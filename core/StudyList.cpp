// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "StudyList.h"

#include "FieldRules.h"
#include "ListParts.h"
#include "Texts.h"

namespace brenvik {

namespace {

constexpr std::size_t uuid16Digits = 4;
constexpr std::size_t uuid128Digits = 32;

// Where two 128-bit UUIDs differ: `count` differing digits, the first of them
// at 1-based position `first` (0: none). A difference that is not next to the
// first ends the comparison with `first` set past the end.
struct Difference {
    int count = 0;
    std::size_t first = 0;
};
constexpr std::size_t notOneByte = uuid128Digits + 1;

Difference CompareUuids(std::string_view notify, std::string_view write)
{
    Difference difference;
    for (std::size_t position = 1; position <= uuid128Digits; ++position) {
        if (notify[position - 1] == write[position - 1])
            continue;
        ++difference.count;
        if (difference.first == 0) {
            difference.first = position;
        } else if (position != difference.first + 1) {
            difference.first = notOneByte;
            break;
        }
    }
    return difference;
}

// The module can tell the two characteristics apart by one byte only: they
// may be equal, differ in one digit, or in the two digits of one byte.
bool DiffersInOneByteAtMost(const Difference &difference)
{
    return difference.count <= 2 && difference.first < notOneByte
           && (difference.count != 2 || difference.first % 2 == 1);
}

bool IsAcceptedUuid16(std::string_view uuid)
{
    return uuid.size() == uuid16Digits && IsAcceptedValue16(HexValue16(uuid));
}

CommandList StartList()
{
    CommandList list;
    list.reserve(27);
    AppendOnceHeading(list);
    list.insert(list.end(), texts::studySetup.begin(), texts::studySetup.end());
    return list;
}

CommandList FinishList(CommandList list)
{
    list.insert(list.end(), texts::studyGuide.begin(), texts::studyGuide.end());
    return list;
}

CommandList Uuid16List(std::string_view notify, std::string_view write)
{
    CommandList list = StartList();
    list.emplace_back(texts::uuid16Mode);
    list.push_back(Concat(texts::serviceUuidPrefix, write));
    list.push_back(Concat(texts::characteristicPrefix, notify));
    return FinishList(std::move(list));
}

// The characteristic line names the byte of the UUID in which Write differs
// from Notify, and Write's value of that byte.
std::string DifferingByteCommand(std::string_view write, std::size_t firstDifference)
{
    if (firstDifference == 0)
        return std::string(texts::sameCharacteristics);
    const std::size_t byte = firstDifference / 2 + firstDifference % 2; // 1 to 16
    return Concat(texts::characteristicPrefix,
                  Concat(UpperHex(static_cast<std::uint32_t>(byte), 2), write.substr(2 * byte - 2, 2)));
}

CommandList Uuid128List(std::string_view notify, std::string_view write, std::size_t firstDifference)
{
    CommandList list = StartList();
    list.emplace_back(texts::uuid128Mode);
    for (std::string &command : UuidQuarterCommands(notify))
        list.push_back(std::move(command));
    list.push_back(DifferingByteCommand(write, firstDifference));
    return FinishList(std::move(list));
}

} // namespace

ListOutcome BuildStudyList(const StudyListRequest &request)
{
    if (TrimField(request.notifyText).empty())
        return InputRejection{texts::fillAllFields, FocusField::edtCharNotify};
    if (TrimField(request.writeText).empty())
        return InputRejection{texts::fillAllFields, FocusField::edtCharWrite};

    const std::string notify = NormaliseField(request.notifyText, FieldKind::uuid);
    const std::string write = NormaliseField(request.writeText, FieldKind::uuid);
    const InputRejection badNotify{texts::badNotify, FocusField::edtCharNotify};
    const InputRejection badWrite{texts::badWrite, FocusField::edtCharWrite};

    if (!AllHexDigits(notify))
        return badNotify;
    if (!AllHexDigits(write))
        return badWrite;

    if (request.uuidType == 0) {
        if (!IsAcceptedUuid16(notify))
            return badNotify;
        if (!IsAcceptedUuid16(write))
            return badWrite;
        return Uuid16List(notify, write);
    }

    if (notify.size() != uuid128Digits)
        return badNotify;
    if (write.size() != uuid128Digits)
        return badWrite;
    const Difference difference = CompareUuids(notify, write);
    if (!DiffersInOneByteAtMost(difference))
        return InputRejection{texts::tooDifferent, FocusField::none};
    return Uuid128List(notify, write, difference.first);
}

} // namespace brenvik
