// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ClickFlow.h"
#include "FormControls.h"
#include "FormFont.h"
#include "Icons.h"

#include <windows.h>

#include <string_view>

// The modal window that shows one command list as read-only text, for the
// user to read or copy. A new one is made for every list, and destroyed
// with this object.
class TfrmResult : public brenvik::form::ResultView
{
public:
    TfrmResult() = default;
    ~TfrmResult() override;
    TfrmResult(const TfrmResult &) = delete;
    TfrmResult &operator=(const TfrmResult &) = delete;

    // Makes the window, hidden, for `owner` (the window it blocks while it
    // is shown). Throws std::system_error when the window system refuses.
    void Create(HWND owner);

    // Appends one line, possibly empty, keeping its leading spaces.
    void AddLine(std::string_view line) override;

    // Shows the window with `owner` disabled, and returns its modal result
    // (IDOK, or IDCANCEL when it was closed otherwise) once it is closed.
    // Throws std::system_error when the window cannot be shown.
    int ShowModal() override;

    [[nodiscard]] HWND Handle() const { return frmResult; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void btnOKClick();

    HWND owner = nullptr;
    HWND frmResult = nullptr;
    win32::FormControls controls{brenvik::form::ResultWindow};
    HWND GBResult = nullptr;
    HWND memLog = nullptr;
    HWND btnOK = nullptr;
    win32::Scale scale;
    win32::UniqueFont font;
    win32::WindowIcons icons;
    HWND focusBeforeDeactivation = nullptr;
    int ModalResult = 0;
    int addedLines = 0;
};
