// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// The two windows as data, for every front-end to draw: each window's
// client size, and each control with its name, kind, parent, place at
// 96 DPI, text and keyboard order. A front-end knows how to make, scale
// and draw each kind of control; where a control stands and what it says
// is written here, once. The texts are in FormText.h.

#include "CommandList.h"
#include "FormText.h"

#include <array>
#include <span>

namespace brenvik::form {

enum class Kind {
    tabs,      // a tab control; its pages are the controls whose parent it is
    page,      // a tab page; its text is the tab's caption
    group,     // a group box; its text is the caption (none when empty)
    label,     // static text
    dropDown,  // a choice-only drop-down list of `items`
    edit,      // a single-line edit field holding `text`, at most `maxLength` characters
    button,    // a push button; never the default button
    image,     // an image; its text is what screen readers call it
    statusBar, // a status bar showing the panels of `StatusPanels`
    memo,      // a read-only multi-line text
};

// How a control is docked in its parent: top controls stack downward from
// the top edge in the order of the table, bottom ones upward from the
// bottom edge, and the rest control fills what lies between. Docked
// controls span the parent's width; only their height counts.
enum class Dock { none, top, bottom, rest };

// A place in the parent's client area, in pixels at 96 DPI. A width or
// height of 0 leaves that size to the control: a label fits its text, a
// drop-down list has the toolkit's height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const Rect &, const Rect &) = default;
};

struct Control {
    Text name; // the control's name in the program: member, object name, control ID
    Kind kind;
    Text parent; // the control it stands in; empty: the window itself
    Dock dock = Dock::none;
    Rect rect = {};
    Text text = {};
    std::span<const Text> items = {};
    int maxLength = 0;
    // Place in the window's keyboard order, from 1; 0: the control takes no
    // focus from the Tab key. Each page's controls follow the tab strip.
    int tabOrder = 0;
    // The label that tells what the control is for (read to screen readers
    // as its description), if any.
    Text hint = {};
};

struct Window {
    Text name;      // the window object
    Text className; // its class
    Text caption;
    int clientWidth;
    int clientHeight;
    std::span<const Control> controls; // parents before their children, in screen order
};

struct StatusPanel {
    Text text;
    int width; // 0: the last panel, which reaches the right edge
    bool centred;
    bool rightToLeft;
};

inline constexpr int ButtonHeight = 25;
inline constexpr int StatusBarHeight = 25;

inline constexpr std::array StatusPanels = {
    StatusPanel{WebAddress, 160, true, true},
    StatusPanel{SupportAddress, 0, false, false},
};

namespace layout {
// In every field group the edit field stands at the top with its hint below.
inline constexpr int FieldGroupHeight = 72;
inline constexpr Rect Field{8, 16, 497, 20};
inline constexpr Rect FieldHint{8, 48, 0, 0};
// Help lines, one label each, from the top of their group down.
inline constexpr Rect HelpLine(int line)
{
    return {8, 24 + 16 * line, 0, 0};
}
// A drop-down list with its list dropped down, where a toolkit sizes it so.
inline constexpr int DropDownHeight = 80;
} // namespace layout

// clang-format off
inline constexpr std::array MainControls = {
    //       name               kind              parent           dock          rect                                  text               items        max               tab
    Control{"sbTitle",         Kind::statusBar,  "",              Dock::bottom, {0, 0, 0, StatusBarHeight}},
    Control{"MainPage",        Kind::tabs,       "",              Dock::rest,   {},                                   {},                {},          0,                1},

    Control{"tbStudy",         Kind::page,       "MainPage",      Dock::rest,   {},                                   StudyTab},
    Control{"GBUUIDType",      Kind::group,      "tbStudy",       Dock::top,    {0, 0, 0, 41},                        UuidTypeCaption},
    Control{"lbUUIDType",      Kind::label,      "GBUUIDType",    Dock::none,   {8, 19, 0, 0},                        UuidTypeLabel},
    Control{"cbUUIDType",      Kind::dropDown,   "GBUUIDType",    Dock::none,   {112, 16, 393, 0},                    {},                UuidTypes,   0,                2, "lbUUIDType"},
    Control{"GBUUIDNotify",    Kind::group,      "tbStudy",       Dock::top,    {0, 0, 0, layout::FieldGroupHeight},  NotifyCaption},
    Control{"edtCharNotify",   Kind::edit,       "GBUUIDNotify",  Dock::none,   layout::Field,                        NotifyDefault,     {},          UuidFieldLength,  4, "lbCharNotify"},
    Control{"lbCharNotify",    Kind::label,      "GBUUIDNotify",  Dock::none,   layout::FieldHint,                    NotifyHint},
    Control{"GBUUIDWrite",     Kind::group,      "tbStudy",       Dock::top,    {0, 0, 0, layout::FieldGroupHeight},  WriteCaption},
    Control{"edtCharWrite",    Kind::edit,       "GBUUIDWrite",   Dock::none,   layout::Field,                        WriteDefault,      {},          UuidFieldLength,  3, "lbCharWrite"},
    Control{"lbCharWrite",     Kind::label,      "GBUUIDWrite",   Dock::none,   layout::FieldHint,                    WriteHint},
    Control{"GBHelp",          Kind::group,      "tbStudy",       Dock::rest,   {},                                   HelpCaption},
    Control{"lbHelp1",         Kind::label,      "GBHelp",        Dock::none,   layout::HelpLine(0),                  StudyHelp[0]},
    Control{"lbHelp2",         Kind::label,      "GBHelp",        Dock::none,   layout::HelpLine(1),                  StudyHelp[1]},
    Control{"lbHelp3",         Kind::label,      "GBHelp",        Dock::none,   layout::HelpLine(2),                  StudyHelp[2]},
    Control{"lbHelp4",         Kind::label,      "GBHelp",        Dock::none,   layout::HelpLine(3),                  StudyHelp[3]},
    Control{"GBButton",        Kind::group,      "tbStudy",       Dock::bottom, {0, 0, 0, 44}},
    Control{"btnShow",         Kind::button,     "GBButton",      Dock::none,   {344, 11, 155, ButtonHeight},         ShowButton,        {},          0,                5},

    Control{"tabBeacon",       Kind::page,       "MainPage",      Dock::rest,   {},                                   BeaconTab},
    Control{"gbiBeaconUUID",   Kind::group,      "tabBeacon",     Dock::top,    {0, 0, 0, layout::FieldGroupHeight},  BeaconUuidCaption},
    Control{"edtiBeaconUUID",  Kind::edit,       "gbiBeaconUUID", Dock::none,   layout::Field,                        BeaconUuidDefault, {},          UuidFieldLength,  7, "lbiBeaconUUID"},
    Control{"lbiBeaconUUID",   Kind::label,      "gbiBeaconUUID", Dock::none,   layout::FieldHint,                    BeaconUuidHint},
    Control{"gbiBeaconMajor",  Kind::group,      "tabBeacon",     Dock::top,    {0, 0, 0, layout::FieldGroupHeight},  MajorCaption},
    Control{"edtiBeaconMajor", Kind::edit,       "gbiBeaconMajor",Dock::none,   layout::Field,                        MajorDefault,      {},          ValueFieldLength, 8, "lbiBeaconMajor"},
    Control{"lbiBeaconMajor",  Kind::label,      "gbiBeaconMajor",Dock::none,   layout::FieldHint,                    MajorHint},
    Control{"gbiBeaconMinor",  Kind::group,      "tabBeacon",     Dock::top,    {0, 0, 0, layout::FieldGroupHeight},  MinorCaption},
    Control{"edtiBeaconMinor", Kind::edit,       "gbiBeaconMinor",Dock::none,   layout::Field,                        MinorDefault,      {},          ValueFieldLength, 6, "lbiBeaconMinor"},
    Control{"lbiBeaconMinor",  Kind::label,      "gbiBeaconMinor",Dock::none,   layout::FieldHint,                    MinorHint},
    Control{"gbiBeaconHelp",   Kind::group,      "tabBeacon",     Dock::rest,   {},                                   HelpCaption},
    Control{"lbiBeaconHelp1",  Kind::label,      "gbiBeaconHelp", Dock::none,   layout::HelpLine(0),                  BeaconHelp[0]},
    Control{"lbiBeaconHelp2",  Kind::label,      "gbiBeaconHelp", Dock::none,   layout::HelpLine(1),                  BeaconHelp[1]},
    Control{"lbiBeaconHelp3",  Kind::label,      "gbiBeaconHelp", Dock::none,   layout::HelpLine(2),                  BeaconHelp[2]},
    Control{"btniBeacon",      Kind::button,     "gbiBeaconHelp", Dock::none,   {272, 80, 227, ButtonHeight},         BeaconButton,      {},          0,                9},

    Control{"TabSheet1",       Kind::page,       "MainPage",      Dock::rest,   {},                                   AboutTab},
    Control{"imgLogo",         Kind::image,      "TabSheet1",     Dock::none,   {112, 134, 32, 32},                   LogoName},
    Control{"lbBuilding",      Kind::label,      "TabSheet1",     Dock::none,   {168, 144, 0, 0},                     Building},
};

inline constexpr std::array ResultControls = {
    Control{"GBResult",        Kind::group,      "",              Dock::top,    {0, 0, 0, 385}},
    Control{"memLog",          Kind::memo,       "GBResult",      Dock::rest,   {},                                   {},                {},          0,                1},
    Control{"btnOK",           Kind::button,     "",              Dock::none,   {176, 392, 75, ButtonHeight},         OkButton,          {},          0,                2},
};
// clang-format on

inline constexpr Window MainWindow{"frmMain",       "TfrmMain",       MainCaption,
                                   MainClientWidth, MainClientHeight, MainControls};
inline constexpr Window ResultWindow{"frmResult",       "TfrmResult",       ResultCaption,
                                     ResultClientWidth, ResultClientHeight, ResultControls};
inline constexpr std::array<const Window *, 2> Windows = {&MainWindow, &ResultWindow};

// Not constexpr: reaching it stops the compiler.
inline void NoControlOfThatName() { }

// The control of `window` with this name, looked up while compiling, so
// that a misspelt name does not build.
consteval const Control &ControlNamed(const Window &window, Text name)
{
    for (const Control &control : window.controls)
        if (control.name == name)
            return control;
    NoControlOfThatName();
    return window.controls.front();
}

// The row of the control with this name among `controls`; controls.size()
// for none.
constexpr std::size_t IndexOf(std::span<const Control> controls, Text name)
{
    std::size_t index = 0;
    while (index < controls.size() && controls[index].name != name)
        ++index;
    return index;
}

// The controls in keyboard order.
template<std::size_t N>
constexpr std::array<const Control *, N> InTabOrder(const Window &window)
{
    std::array<const Control *, N> order{};
    for (const Control &control : window.controls)
        if (control.tabOrder > 0)
            order.at(static_cast<std::size_t>(control.tabOrder - 1)) = &control;
    return order;
}

// The field a rejection names, by its control's name; empty for none.
constexpr Text FieldName(FocusField field)
{
    switch (field) {
    case FocusField::edtCharNotify:
        return ControlNamed(MainWindow, "edtCharNotify").name;
    case FocusField::edtCharWrite:
        return ControlNamed(MainWindow, "edtCharWrite").name;
    case FocusField::edtiBeaconUUID:
        return ControlNamed(MainWindow, "edtiBeaconUUID").name;
    case FocusField::edtiBeaconMajor:
        return ControlNamed(MainWindow, "edtiBeaconMajor").name;
    case FocusField::edtiBeaconMinor:
        return ControlNamed(MainWindow, "edtiBeaconMinor").name;
    case FocusField::none:
        break;
    }
    return {};
}

} // namespace brenvik::form
