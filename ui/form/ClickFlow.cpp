// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ClickFlow.h"

#include "BeaconList.h"
#include "FormLayout.h"
#include "StudyList.h"

#include <exception>

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

void StudyClick(FormView &view)
{
    const std::string notify = view.FieldText(FieldName(FocusField::edtCharNotify));
    const std::string write = view.FieldText(FieldName(FocusField::edtCharWrite));
    const int uuidType = view.SelectedIndex(ControlNamed(MainWindow, "cbUUIDType").name);
    Present(view, BuildStudyList({notify, write, uuidType}));
}

void BeaconClick(FormView &view)
{
    const std::string uuid = view.FieldText(FieldName(FocusField::edtiBeaconUUID));
    const std::string major = view.FieldText(FieldName(FocusField::edtiBeaconMajor));
    const std::string minor = view.FieldText(FieldName(FocusField::edtiBeaconMinor));
    Present(view, BuildBeaconList({uuid, major, minor}));
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
