// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Resource numbers, shared by the resource script and the code.
#define BRENVIK_ICON_PROGRAM 1
#define BRENVIK_ICON_LOGO 2
