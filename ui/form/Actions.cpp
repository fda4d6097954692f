// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "Actions.h"

#include "BeaconList.h"
#include "StudyList.h"

namespace brenvik::form {

std::optional<ListOutcome> RunAction(Action action, std::span<const InputValue> values)
{
    switch (action) {
    case Action::studyList:
        if (values.size() < 3)
            break;
        return BuildStudyList({values[0].text, values[1].text, values[2].index});
    case Action::beaconList:
        if (values.size() < 3)
            break;
        return BuildBeaconList({values[0].text, values[1].text, values[2].text});
    case Action::none:
        break;
    }
    return std::nullopt;
}

} // namespace brenvik::form
