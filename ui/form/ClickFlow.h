// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// What a click on a create button does, whichever toolkit draws the
// windows: read the inputs its row names, run its action, then either show
// the rejection and put the focus on its field, or show the list in a new
// window that lives only for the click. Each front-end's main window
// implements `FormView`, and its command list window `ResultView`.

#include "CommandList.h"
#include "FormLayout.h"

#include <memory>
#include <string>

namespace brenvik::form {

enum class MessageKind { information, error };

// A command list window, made for one list.
class ResultView
{
public:
    virtual ~ResultView() = default;
    virtual void AddLine(Text line) = 0;
    // Returns the window's modal result when it closes, however it is closed.
    virtual int ShowModal() = 0;
};

class FormView
{
public:
    // The text of the named edit field, as UTF-8.
    [[nodiscard]] virtual std::string FieldText(Text name) const = 0;
    // The selected index of the named drop-down list.
    [[nodiscard]] virtual int SelectedIndex(Text name) const = 0;
    // A modal message box owned by the main window, captioned MessageCaption,
    // with one OK button; returns when it is dismissed.
    virtual void ShowMessage(Text text, MessageKind kind) = 0;
    // Puts the keyboard focus on the named field with its whole text selected.
    virtual void FocusAndSelect(Text name) = 0;
    // A new, empty command list window; may throw.
    [[nodiscard]] virtual std::unique_ptr<ResultView> NewResultView() = 0;

protected:
    ~FormView() = default;
};

// The handler of a click on `button`, a control of `window`: its row's
// action run over its row's inputs (btnShowClick: the study list from the
// study tab's fields).
void Click(FormView &view, const Window &window, const Control &button);
// Shows what a generator made of the fields.
void Present(FormView &view, const ListOutcome &outcome);

} // namespace brenvik::form
