// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ClickFlow.h"

#include "Actions.h"

#include <exception>
#include <vector>

namespace brenvik::form {

namespace {

void ShowCommandList(FormView &view, const CommandList &lines)
{
    std::string failure;
    try {
        // The window lives only for this block, however showing it ends.
        const std::unique_ptr<ResultView> frmResult = view.NewResultView();
        for (const std::string &line : lines)
            frmResult->AddLine(line);
        frmResult->ShowModal();
        return;
    } catch (const std::exception &error) {
        failure = std::string(ListNotShownBecause) + error.what();
    } catch (...) {
        failure = ListNotShown;
    }
    view.ShowMessage(failure, MessageKind::error);
}

} // namespace

void Click(FormView &view, const Window &window, const Control &button)
{
    std::vector<InputValue> values;
    for (const Text input : button.click.inputs) {
        if (window.controls[IndexOf(window.controls, input)].kind == Kind::dropDown)
            values.push_back({{}, view.SelectedIndex(input)});
        else
            values.push_back({view.FieldText(input)});
    }
    if (const std::optional<ListOutcome> outcome = RunAction(button.click.action, values))
        Present(view, *outcome);
}

void Present(FormView &view, const ListOutcome &outcome)
{
    if (const auto *rejection = std::get_if<InputRejection>(&outcome)) {
        view.ShowMessage(rejection->message, MessageKind::information);
        if (const Text field = FieldName(rejection->focus); !field.empty())
            view.FocusAndSelect(field);
    } else {
        ShowCommandList(view, std::get<CommandList>(outcome));
    }
}

} // namespace brenvik::form
