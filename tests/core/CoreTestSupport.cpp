// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "CoreTestSupport.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <variant>

namespace brenvik {

char *toString(const FocusField &focus)
{
    switch (focus) {
    case FocusField::none:
        return qstrdup("none");
    case FocusField::edtCharNotify:
        return qstrdup("edtCharNotify");
    case FocusField::edtCharWrite:
        return qstrdup("edtCharWrite");
    case FocusField::edtiBeaconUUID:
        return qstrdup("edtiBeaconUUID");
    case FocusField::edtiBeaconMajor:
        return qstrdup("edtiBeaconMajor");
    case FocusField::edtiBeaconMinor:
        return qstrdup("edtiBeaconMinor");
    }
    return qstrdup("(unknown FocusField)");
}

char *toString(const FieldKind &kind)
{
    return qstrdup(kind == FieldKind::uuid ? "uuid" : "value");
}
} // namespace brenvik

namespace brenvik::testing {

QByteArray Bytes(std::string_view text)
{
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray Quoted(std::string_view text)
{
    QByteArray out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127 && c != '\\' && c != '"')
            out += c;
        else
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
    }
    return out + "\"";
}

QByteArray Describe(const ListOutcome &outcome)
{
    if (const auto *rejection = std::get_if<InputRejection>(&outcome)) {
        const std::unique_ptr<char[]> focus(toString(rejection->focus));
        return "rejection " + Quoted(rejection->message) + " focusing " + QByteArray(focus.get());
    }
    const auto &list = std::get<CommandList>(outcome);
    QByteArray out = "list of " + QByteArray::number(static_cast<qsizetype>(list.size())) + " lines";
    if (list.size() > 7)
        out += ", line 8 " + Quoted(list[7]);
    return out;
}

void VerifyRejection(const ListOutcome &outcome, const QByteArray &message, FocusField focus)
{
    const auto *rejection = std::get_if<InputRejection>(&outcome);
    QVERIFY2(rejection != nullptr, ("expected a rejection, got a " + Describe(outcome)).constData());
    QCOMPARE(Quoted(rejection->message), Quoted(View(message)));
    QCOMPARE(rejection->focus, focus);
    QVERIFY2(std::find(texts::allMessages.begin(), texts::allMessages.end(), rejection->message)
                 != texts::allMessages.end(),
             "the message is not one of the fixed texts");
}

void VerifyList(const ListOutcome &outcome, const QByteArrayList &expected)
{
    const auto *list = std::get_if<CommandList>(&outcome);
    QVERIFY2(list != nullptr, ("expected a list, got a " + Describe(outcome)).constData());
    const auto actualCount = static_cast<qsizetype>(list->size());
    const qsizetype common = std::min(actualCount, expected.size());
    for (qsizetype i = 0; i < common; ++i) {
        const std::string &line = (*list)[static_cast<std::size_t>(i)];
        if (View(expected[i]) != line) {
            QFAIL(("line " + QByteArray::number(i + 1) + " is " + Quoted(line) + ", expected "
                   + Quoted(View(expected[i])))
                      .constData());
        }
    }
    if (actualCount != expected.size()) {
        const QByteArray extra
            = actualCount > common ? "; first extra line " + Quoted((*list)[static_cast<std::size_t>(common)])
                                   : "; first missing line " + Quoted(View(expected[common]));
        QFAIL(("the list has " + QByteArray::number(actualCount) + " lines, expected "
               + QByteArray::number(expected.size()) + extra)
                  .constData());
    }
}

QByteArrayList LinesOf(const ListOutcome &outcome)
{
    QByteArrayList lines;
    if (const auto *list = std::get_if<CommandList>(&outcome)) {
        for (const std::string &line : *list)
            lines.append(Bytes(line));
    }
    return lines;
}
} // namespace brenvik::testing
