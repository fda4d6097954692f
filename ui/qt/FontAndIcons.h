// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormText.h"

#include <QFont>
#include <QIcon>
#include <QString>

// The form's texts, font and icons as Qt shows them.

// One of the windows' fixed texts as Qt shows it.
[[nodiscard]] inline QString QtText(brenvik::form::Text text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "MS Sans Serif", 12 pixels high; where that font is not installed, the
// Liberation Sans face that the program carries takes its place.
[[nodiscard]] QFont FormFont();

[[nodiscard]] QIcon ProgramIcon();
[[nodiscard]] QIcon LogoIcon();
