// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormText.h"

#include <QMessageBox>
#include <QString>

class QWidget;

// What both windows do as top-level windows: a fixed-size frame centred on
// its screen, and the one way this program shows a message box.

// The caption of every message box: the program's web address.
inline constexpr const char *MessageCaption = brenvik::form::MessageCaption.data();

// Gives `window` a fixed client area of `width` by `height` pixels and a
// title bar with the close box, plus a minimise button where asked for.
enum class MinimiseButton { shown, hidden };
void MakeFixedSizeWindow(QWidget *window, int width, int height, MinimiseButton minimise);

// A modal message box owned by `owner`, with MessageCaption as its caption
// and exactly one OK button. Returns when the user has dismissed it.
void ShowMessage(QWidget *owner, QMessageBox::Icon icon, const QString &text);

// Centres `window` on the screen it will appear on.
void CentreOnScreen(QWidget *window);
