// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormText.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QString>
#include <Qt>

class QWidget;

// What both windows share: their font, icon and fixed-size frame, and the
// one way this program shows a message box.

// The caption of every message box: the program's web address.
inline constexpr const char *MessageCaption = brenvik::form::MessageCaption.data();

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

// Gives `window` a fixed client area of `width` by `height` pixels and a
// title bar with the close box, plus a minimise button where asked for.
enum class MinimiseButton { shown, hidden };
void MakeFixedSizeWindow(QWidget *window, int width, int height, MinimiseButton minimise);

// A modal message box owned by `owner`, with MessageCaption as its caption
// and exactly one OK button. Returns when the user has dismissed it.
void ShowMessage(QWidget *owner, QMessageBox::Icon icon, const QString &text);

// Centres `window` on the screen it will appear on.
void CentreOnScreen(QWidget *window);
