// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared pieces of the core test suites: byte strings for test tables,
// readable failure output, and checks on a generator's outcome. They are
// compiled once (CoreTestSupport.cpp), so that every suite runs the same code.

#include "CommandList.h"
#include "FieldRules.h"
#include "Texts.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QMetaType>
#include <QTest>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <variant>

Q_DECLARE_METATYPE(brenvik::FocusField)
Q_DECLARE_METATYPE(brenvik::FieldKind)

namespace brenvik {

// QCOMPARE names focus targets after the window's controls.
char *toString(const FocusField &focus);

char *toString(const FieldKind &kind);

} // namespace brenvik

namespace brenvik::testing {

// Table cells hold QByteArray so that embedded NUL bytes survive; build them
// from string_view literals ("A\0B"sv) to keep the NULs.
QByteArray Bytes(std::string_view text);

// The bytes of a table cell exactly as the core receives them.
std::string_view View(const QByteArray &bytes);

// A text in quotes with every byte outside printable ASCII written as \xNN,
// so that spaces, NULs and high bytes show in failure messages.
QByteArray Quoted(std::string_view text);

QByteArray Describe(const ListOutcome &outcome);

// Fails the running test unless `outcome` is the rejection with exactly this
// message and focus. The message must also be one of the fixed texts.
void VerifyRejection(const ListOutcome &outcome, const QByteArray &message, FocusField focus);

// Fails the running test unless `outcome` is a list equal to `expected`, line
// by line; reports the first differing line by its 1-based number.
void VerifyList(const ListOutcome &outcome, const QByteArrayList &expected);

// The lines of a generated list, or no lines at all for a rejection.
QByteArrayList LinesOf(const ListOutcome &outcome);

} // namespace brenvik::testing
