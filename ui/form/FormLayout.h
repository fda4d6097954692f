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

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <utility>

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

// The list a button's click makes.
enum class Action { none, studyList, beaconList };

// What a click on a button does: the handler the click is bound to
// (control + event), the list it makes, and the controls that list is made
// from, in the order its generator takes them: an edit field gives its
// text, a drop-down list its selected index. One click flow (ClickFlow.h)
// runs every button from its row.
struct Click {
    Text handler = {};
    Action action = Action::none;
    std::span<const Text> inputs = {};
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
    Click click = {};
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

// What each create button reads, in the order of its generator's request.
inline constexpr std::array<Text, 3> StudyInputs = {"edtCharNotify", "edtCharWrite", "cbUUIDType"};
inline constexpr std::array<Text, 3> BeaconInputs = {"edtiBeaconUUID", "edtiBeaconMajor", "edtiBeaconMinor"};

// clang-format off
inline constexpr std::array MainControls = {
    //       name               kind              parent           dock          rect                                  text               items        max               tab hint  click
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
    Control{"btnShow",         Kind::button,     "GBButton",      Dock::none,   {344, 11, 155, ButtonHeight},         ShowButton,        {},          0,                5, {}, {"btnShowClick", Action::studyList, StudyInputs}},

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
    Control{"btniBeacon",      Kind::button,     "gbiBeaconHelp", Dock::none,   {272, 80, 227, ButtonHeight},         BeaconButton,      {},          0,                9, {}, {"btniBeaconClick", Action::beaconList, BeaconInputs}},

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

// As many controls as the largest window has.
inline constexpr std::size_t MostControls = std::max(MainControls.size(), ResultControls.size());

// The first place in the keyboard order in the control in `row` or
// anything in it; 0 for none.
constexpr int FirstTabStop(const Window &window, std::size_t row)
{
    int first = window.controls[row].tabOrder;
    for (std::size_t child = row + 1; child < window.controls.size(); ++child)
        if (window.controls[child].parent == window.controls[row].name)
            if (const int inside = FirstTabStop(window, child); inside > 0 && (first == 0 || inside < first))
                first = inside;
    return first;
}

// Rows of a window's table; the first controls.size() are used.
using ControlRows = std::array<std::size_t, MostControls>;

namespace detail {
constexpr void AppendInMakingOrder(const Window &window, Text parent, ControlRows &rows, std::size_t &count)
{
    std::array<std::pair<int, std::size_t>, MostControls> children{}; // (place, row)
    std::size_t found = 0;
    for (std::size_t row = 0; row < window.controls.size(); ++row)
        if (window.controls[row].parent == parent) {
            const int first = FirstTabStop(window, row);
            children.at(found++) = {first > 0 ? first : std::numeric_limits<int>::max(), row};
        }
    std::sort(children.begin(), children.begin() + static_cast<std::ptrdiff_t>(found));
    for (std::size_t child = 0; child < found; ++child) {
        const std::size_t row = children.at(child).second;
        rows.at(count++) = row;
        AppendInMakingOrder(window, window.controls[row].name, rows, count);
    }
}
} // namespace detail

// The rows in the order a front-end makes their controls, so that Tab
// follows the keyboard order: each control right before what it holds,
// and the controls in one parent by the first tab stop in them, those
// that take no focus after them in table order. It is also the page's
// reading order.
constexpr ControlRows MakingOrder(const Window &window)
{
    ControlRows rows{};
    std::size_t count = 0;
    detail::AppendInMakingOrder(window, {}, rows, count);
    return rows;
}

// What a container keeps for itself around the room it gives the controls
// docked in it, in device pixels: a frame, a caption, a row of tabs.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The few lengths that differ between toolkits in where docked controls
// land; each front-end gives its own.
struct Insets {
    Edges tabPages;   // a tab control around its pages: its frame and its row of tabs
    Edges group;      // a group with a caption around what is docked in it
    Edges plainGroup; // a group without a caption
};

// Lengths at 96 DPI as they are: the device pixels of a page in a browser.
struct Unscaled {
    constexpr int operator()(int pixels) const { return pixels; }
};

// A place for each row of a window's table; the first controls.size() are used.
using ControlPlaces = std::array<Rect, MostControls>;

// Where each control of `window` stands, by its row: its rectangle in its
// parent's client area (the window's, for a control without a parent), in
// device pixels, which `scale` makes of the table's lengths at 96 DPI.
// Docked controls fill the parent's room, which is its client area less
// its `insets`: top ones stack downward from the room's top edge in table
// order, bottom ones upward from its bottom edge, and the rest ones take
// what lies between; each spans the room's width. The others stand where
// their row puts them. A width or height of 0 stays 0: the control's own.
template<typename Scale = Unscaled>
constexpr ControlPlaces PlaceControls(const Window &window, const Insets &insets, Scale scale = {})
{
    const std::span<const Control> controls = window.controls;
    ControlPlaces places{};
    const auto placeChildren = [&](Text parent, Rect room) {
        Rect free = room;
        for (std::size_t row = 0; row < controls.size(); ++row) {
            const Control &control = controls[row];
            if (control.parent != parent)
                continue;
            const Rect &rect = control.rect;
            const int height = scale(rect.height);
            switch (control.dock) {
            case Dock::top:
                places.at(row) = {free.left, free.top, free.width, height};
                free.top += height;
                free.height -= height;
                break;
            case Dock::bottom:
                places.at(row) = {free.left, free.top + free.height - height, free.width, height};
                free.height -= height;
                break;
            case Dock::none:
                places.at(row) = {scale(rect.left), scale(rect.top), scale(rect.width), height};
                break;
            case Dock::rest:
                break;
            }
        }
        for (std::size_t row = 0; row < controls.size(); ++row)
            if (controls[row].parent == parent && controls[row].dock == Dock::rest)
                places.at(row) = free;
    };

    placeChildren({}, {0, 0, scale(window.clientWidth), scale(window.clientHeight)});
    // The table puts every control before its children, so its own place
    // is known when theirs are worked out.
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const Control &container = controls[row];
        const Edges edges = container.kind == Kind::tabs    ? insets.tabPages
                            : container.kind != Kind::group ? Edges{}
                            : container.text.empty()        ? insets.plainGroup
                                                            : insets.group;
        const Rect &box = places.at(row);
        placeChildren(container.name, {edges.left, edges.top, box.width - edges.left - edges.right,
                                       box.height - edges.top - edges.bottom});
    }
    return places;
}

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

// Every click reads controls of its own window that hold a value.
consteval bool ClicksReadFields(const Window &window)
{
    for (const Control &button : window.controls)
        for (const Text input : button.click.inputs) {
            const std::size_t row = IndexOf(window.controls, input);
            if (row == window.controls.size()
                || (window.controls[row].kind != Kind::edit && window.controls[row].kind != Kind::dropDown))
                return false;
        }
    return true;
}
static_assert(ClicksReadFields(MainWindow) && ClicksReadFields(ResultWindow));

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
