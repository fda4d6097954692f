// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Prints the description of the windows for what is not C++: with --json
// the whole description, for the browser page's build; with --shell the
// captions, client sizes and keys that the scripts driving the programs
// need, as shell assignments; with --nsis the windows' classes, by which
// the Windows installer finds a running program, as NSIS defines.

#include "FormLayout.h"
#include "JsonText.h"
#include "PageInsets.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

using namespace brenvik::form;

namespace {

std::string ShellQuoted(Text text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

constexpr Text KindName(Kind kind)
{
    switch (kind) {
    case Kind::tabs:
        return "tabs";
    case Kind::page:
        return "page";
    case Kind::group:
        return "group";
    case Kind::label:
        return "label";
    case Kind::dropDown:
        return "dropDown";
    case Kind::edit:
        return "edit";
    case Kind::button:
        return "button";
    case Kind::image:
        return "image";
    case Kind::statusBar:
        return "statusBar";
    case Kind::memo:
        return "memo";
    }
    return "";
}

constexpr Text DockName(Dock dock)
{
    switch (dock) {
    case Dock::none:
        return "none";
    case Dock::top:
        return "top";
    case Dock::bottom:
        return "bottom";
    case Dock::rest:
        return "rest";
    }
    return "";
}

constexpr Text ActionName(Action action)
{
    switch (action) {
    case Action::none:
        return "none";
    case Action::studyList:
        return "studyList";
    case Action::beaconList:
        return "beaconList";
    }
    return "";
}

template<typename Range>
std::string TextList(const Range &texts)
{
    std::string out = "[";
    for (const Text text : texts)
        out += (out.size() > 1 ? ", " : "") + JsonQuoted(text);
    return out + "]";
}

std::string ClickJson(const Click &click)
{
    if (click.action == Action::none)
        return "null";
    return "{\"handler\": " + JsonQuoted(click.handler) + ", \"action\": "
           + JsonQuoted(ActionName(click.action)) + ", \"inputs\": " + TextList(click.inputs) + "}";
}

void PrintJson()
{
    std::printf("{\n  \"fontFace\": %s,\n  \"fontPixelHeight\": %d,\n", JsonQuoted(FontFace).c_str(),
                FontPixelHeight);
    std::printf("  \"messageCaption\": %s,\n  \"listNotShown\": %s,\n  \"listNotShownBecause\": %s,\n",
                JsonQuoted(MessageCaption).c_str(), JsonQuoted(ListNotShown).c_str(),
                JsonQuoted(ListNotShownBecause).c_str());
    // The page runs an action by its number.
    std::printf("  \"actions\": {");
    for (const Action action : {Action::studyList, Action::beaconList})
        std::printf("%s%s: %d", action == Action::studyList ? "" : ", ",
                    JsonQuoted(ActionName(action)).c_str(), static_cast<int>(action));
    std::printf("},\n  \"buttonHeight\": %d,\n  \"statusPanels\": [", ButtonHeight);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        const StatusPanel &panel = StatusPanels.at(i);
        std::printf("%s\n    {\"text\": %s, \"width\": %d, \"centred\": %s, \"rightToLeft\": %s}",
                    i > 0 ? "," : "", JsonQuoted(panel.text).c_str(), panel.width,
                    panel.centred ? "true" : "false", panel.rightToLeft ? "true" : "false");
    }
    std::printf("\n  ],\n  \"windows\": [");
    for (std::size_t w = 0; w < Windows.size(); ++w) {
        const Window &window = *Windows.at(w);
        std::printf("%s\n    {\"name\": %s, \"className\": %s, \"caption\": %s, \"clientWidth\": %d, "
                    "\"clientHeight\": %d,\n     \"controls\": [",
                    w > 0 ? "," : "", JsonQuoted(window.name).c_str(), JsonQuoted(window.className).c_str(),
                    JsonQuoted(window.caption).c_str(), window.clientWidth, window.clientHeight);
        // Where each control stands in the page, in its parent's element,
        // and its place in the order the page's markup holds them.
        const ControlPlaces places = PlaceControls(window, brenvik::web::PageInsets);
        const ControlRows making = MakingOrder(window);
        std::array<std::size_t, MostControls> order{};
        for (std::size_t at = 0; at < window.controls.size(); ++at)
            order.at(making.at(at)) = at;
        for (std::size_t c = 0; c < window.controls.size(); ++c) {
            const Control &control = window.controls[c];
            const Rect &place = places.at(c);
            std::printf(
                "%s\n      {\"name\": %s, \"kind\": \"%.*s\", \"parent\": %s, \"dock\": \"%.*s\", "
                "\"rect\": [%d, %d, %d, %d], \"place\": [%d, %d, %d, %d], \"order\": %zu, \"text\": %s, "
                "\"items\": %s, \"maxLength\": %d, \"tabOrder\": %d, \"hint\": %s, \"click\": %s}",
                c > 0 ? "," : "", JsonQuoted(control.name).c_str(),
                static_cast<int>(KindName(control.kind).size()), KindName(control.kind).data(),
                JsonQuoted(control.parent).c_str(), static_cast<int>(DockName(control.dock).size()),
                DockName(control.dock).data(), control.rect.left, control.rect.top, control.rect.width,
                control.rect.height, place.left, place.top, place.width, place.height, order.at(c),
                JsonQuoted(control.text).c_str(), TextList(control.items).c_str(), control.maxLength,
                control.tabOrder, JsonQuoted(control.hint).c_str(), ClickJson(control.click).c_str());
        }
        std::printf("\n    ]}");
    }
    std::printf("\n  ]\n}\n");
}

// The page (or, outside the tab control, the window) a control is on.
Text PageOf(const Window &window, const Control &control)
{
    const Control *at = &control;
    while (at->kind != Kind::page && !at->parent.empty()) {
        const Control *parent = nullptr;
        for (const Control &candidate : window.controls)
            if (candidate.name == at->parent)
                parent = &candidate;
        if (parent == nullptr)
            break;
        at = parent;
    }
    return at->kind == Kind::page ? at->name : Text{};
}

void PrintShell()
{
    std::printf("MESSAGE_CAPTION=%s\n", ShellQuoted(MessageCaption).c_str());
    for (const Window *window : Windows) {
        std::printf("%.*s_CAPTION=%s\n", static_cast<int>(window->name.size()), window->name.data(),
                    ShellQuoted(window->caption).c_str());
        std::printf("%.*s_CLASS=%s\n", static_cast<int>(window->name.size()), window->name.data(),
                    ShellQuoted(window->className).c_str());
        std::printf("%.*s_CLIENT=%dx%d\n", static_cast<int>(window->name.size()), window->name.data(),
                    window->clientWidth, window->clientHeight);
        // How many presses of Tab take the focus from where it starts (the
        // tab strip in the main window, the first control elsewhere) to
        // each control of its page.
        for (const Control &control : window->controls) {
            if (control.tabOrder == 0)
                continue;
            const Text page = PageOf(*window, control);
            int presses = 0;
            for (const Control &other : window->controls)
                if (other.tabOrder > 0 && other.tabOrder < control.tabOrder && other.kind != Kind::tabs
                    && PageOf(*window, other) == page)
                    ++presses;
            if (!page.empty())
                ++presses; // from the tab strip
            std::printf("TABS_TO_%.*s=%d\n", static_cast<int>(control.name.size()), control.name.data(),
                        presses);
        }
    }
}

void PrintNsis()
{
    for (const Window *window : Windows)
        std::printf("!define %.*s_CLASS \"%.*s\"\n", static_cast<int>(window->name.size()),
                    window->name.data(), static_cast<int>(window->className.size()),
                    window->className.data());
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what == "--json")
        PrintJson();
    else if (what == "--shell")
        PrintShell();
    else if (what == "--nsis")
        PrintNsis();
    else {
        std::fprintf(stderr, "usage: form-facts --json | --shell | --nsis\n");
        return 2;
    }
    return 0;
}
