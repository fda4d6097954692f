// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FormControls.h"

#include "ControlIds.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

namespace form = brenvik::form;

namespace win32 {

namespace {

// What a group's frame takes from the room of a control docked in it: its
// sides and bottom, and at the top the caption's line.
constexpr int groupFrameSide = 2;
constexpr int groupFrameTop = 10;

bool IsChildOf(const form::Control &control, const form::Window &window, std::size_t parentRow)
{
    return parentRow < window.controls.size() ? control.parent == window.controls[parentRow].name
                                              : control.parent.empty();
}

// The first place in the keyboard order in a control or anything in it; 0
// for none.
int FirstTabOrder(const form::Window &window, std::size_t row)
{
    int first = window.controls[row].tabOrder;
    for (std::size_t child = row + 1; child < window.controls.size(); ++child)
        if (IsChildOf(window.controls[child], window, row))
            if (const int inside = FirstTabOrder(window, child); inside > 0 && (first == 0 || inside < first))
                first = inside;
    return first;
}

// Whether a multi-line text fills the group in this row.
bool HoldsText(const form::Window &window, std::size_t row)
{
    for (std::size_t child = row + 1; child < window.controls.size(); ++child)
        if (IsChildOf(window.controls[child], window, row) && window.controls[child].kind == form::Kind::memo
            && window.controls[child].dock == form::Dock::rest)
            return true;
    return false;
}

// Docks and places the children of `parentRow` (the window itself when it
// is no row): docked ones in `room`, the others at their places from
// `origin`; then their own children.
struct Placing {
    const form::Window &window;
    const std::vector<HWND> &handles;
    Scale scale;
    HDC measure;

    void Children(std::size_t parentRow, RECT room, POINT origin) const
    {
        const std::size_t first = parentRow < handles.size() ? parentRow + 1 : 0;
        std::vector<std::pair<std::size_t, RECT>> placed;
        RECT free = room;
        for (std::size_t row = first; row < handles.size(); ++row) {
            const form::Control &control = window.controls[row];
            if (!IsChildOf(control, window, parentRow))
                continue;
            const int height = scale(control.rect.height);
            if (control.dock == form::Dock::top) {
                placed.emplace_back(row, RECT{free.left, free.top, free.right, free.top + height});
                free.top += height;
            } else if (control.dock == form::Dock::bottom) {
                placed.emplace_back(row, RECT{free.left, free.bottom - height, free.right, free.bottom});
                free.bottom -= height;
            } else if (control.dock == form::Dock::none) {
                SIZE size{scale(control.rect.width), height};
                if (control.rect.width == 0) // a label, as large as its text
                    size = LabelSize(measure, WindowText(handles[row]));
                else if (control.rect.height == 0) // a drop-down list, with its list
                    size.cy = scale(form::layout::DropDownHeight);
                const POINT at{origin.x + scale(control.rect.left), origin.y + scale(control.rect.top)};
                placed.emplace_back(row, RECT{at.x, at.y, at.x + size.cx, at.y + size.cy});
            }
        }
        for (std::size_t row = first; row < handles.size(); ++row)
            if (IsChildOf(window.controls[row], window, parentRow)
                && window.controls[row].dock == form::Dock::rest)
                placed.emplace_back(row, free);

        for (const auto &[row, rect] : placed) {
            const HWND handle = handles[row];
            MoveWindow(handle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
            switch (window.controls[row].kind) {
            case form::Kind::tabs: {
                // The pages lie above the tab control, in its display area.
                RECT display{0, 0, rect.right - rect.left, rect.bottom - rect.top};
                TabCtrl_AdjustRect(handle, FALSE, &display);
                OffsetRect(&display, rect.left, rect.top);
                Children(row, display, {display.left, display.top});
                break;
            }
            case form::Kind::page:
                Children(row, {0, 0, rect.right - rect.left, rect.bottom - rect.top}, {0, 0});
                break;
            case form::Kind::group:
                // A group holds no windows: its controls stand beside it in its
                // page. A text filling a group covers it whole, its own border
                // then being the one frame around it.
                Children(row,
                         HoldsText(window, row)
                             ? rect
                             : RECT{rect.left + scale(groupFrameSide), rect.top + scale(groupFrameTop),
                                    rect.right - scale(groupFrameSide), rect.bottom - scale(groupFrameSide)},
                         {rect.left, rect.top});
                break;
            default:
                break;
            }
        }
    }
};

} // namespace

void FormControls::Create(HWND frameWindow, const wchar_t *pageClass, void *pageData)
{
    frame = frameWindow;
    handles.assign(window.controls.size(), nullptr);
    CreateChildren(handles.size(), pageClass, pageData);
}

// Controls are made in the keyboard's order, which the dialog manager's Tab
// key follows, each group right before its contents; one that takes no
// focus keeps its place after those before it in the table.
void FormControls::CreateChildren(std::size_t parentRow, const wchar_t *pageClass, void *pageData)
{
    std::vector<std::pair<int, std::size_t>> children; // (place, row)
    int latest = 0;
    for (std::size_t row = parentRow < handles.size() ? parentRow + 1 : 0; row < handles.size(); ++row)
        if (IsChildOf(window.controls[row], window, parentRow)) {
            latest = std::max(latest, FirstTabOrder(window, row));
            children.emplace_back(FirstTabOrder(window, row) > 0 ? FirstTabOrder(window, row) : latest, row);
        }
    std::stable_sort(children.begin(), children.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[place, row] : children) {
        CreateControl(row, pageClass, pageData);
        CreateChildren(row, pageClass, pageData);
    }
}

void FormControls::CreateControl(std::size_t row, const wchar_t *pageClass, void *pageData)
{
    const form::Control &control = window.controls[row];
    const HWND parent = WindowParent(row);
    const int id = ControlId::OfRow(window, row);
    HWND &handle = handles[row];
    switch (control.kind) {
    case form::Kind::statusBar:
        // No size grip: the window has a fixed size. The bar keeps the
        // height it is given.
        handle
            = AddControl(parent, STATUSCLASSNAMEW, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, id);
        break;
    case form::Kind::tabs:
        handle = AddControl(parent, WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS, id);
        break;
    case form::Kind::page: {
        std::wstring text = Wide(control.text);
        const HWND tabs = handles[ParentRow(row)];
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &item);
        handle = CreateWindowExW(WS_EX_CONTROLPARENT, pageClass, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0,
                                 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), pageData);
        if (!handle)
            ThrowLastError("CreateWindowEx");
        SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    }
    case form::Kind::group:
        handle = AddControl(parent, WC_BUTTONW, control.text, BS_GROUPBOX, id);
        break;
    case form::Kind::label:
        handle = AddControl(parent, WC_STATICW, control.text, SS_LEFT | SS_NOPREFIX, id);
        break;
    case form::Kind::dropDown:
        handle = AddControl(parent, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id);
        for (const form::Text item : control.items)
            SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(handle, CB_SETCURSEL, 0, 0);
        break;
    case form::Kind::edit: {
        // Screen readers name an edit field after the static text made
        // right before it, shown or not: a hidden one holds the group's caption.
        const HWND name = CreateWindowExW(0, WC_STATICW, Wide(window.controls[ParentRow(row)].text).c_str(),
                                          WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, parent, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        if (name == nullptr)
            ThrowLastError("CreateWindowEx");
        handle
            = AddControl(parent, WC_EDITW, control.text, WS_TABSTOP | ES_AUTOHSCROLL, id, WS_EX_CLIENTEDGE);
        SendMessageW(handle, EM_SETLIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
        break;
    }
    case form::Kind::button:
        // A plain push button: never the default, so Enter in a field starts nothing.
        handle = AddControl(parent, WC_BUTTONW, control.text, WS_TABSTOP | BS_PUSHBUTTON, id);
        break;
    case form::Kind::image:
        // Drawn by its window, so that its text can be the name screen readers read.
        handle = AddControl(parent, WC_STATICW, control.text, SS_OWNERDRAW, id);
        break;
    case form::Kind::memo:
        handle = AddControl(parent, WC_EDITW, control.text,
                            WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL, id,
                            WS_EX_CLIENTEDGE);
        break;
    }
}

void FormControls::Layout(Scale scale, HFONT font) const
{
    // Labels are measured in one go, in the form's font.
    const HDC measure = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(measure, font);
    const Placing placing{window, handles, scale, measure};
    placing.Children(handles.size(), {0, 0, scale(window.clientWidth), scale(window.clientHeight)}, {0, 0});
    SelectObject(measure, oldFont);
    DeleteDC(measure);

    // The status bar's panels: each as wide as given, the last one to the
    // right edge; a tab before the text centres it.
    for (std::size_t row = 0; row < handles.size(); ++row) {
        if (window.controls[row].kind != form::Kind::statusBar)
            continue;
        std::array<int, form::StatusPanels.size()> edges{};
        int edge = 0;
        for (std::size_t part = 0; part < edges.size(); ++part) {
            edge += scale(form::StatusPanels.at(part).width);
            edges.at(part) = form::StatusPanels.at(part).width > 0 ? edge : -1;
        }
        SendMessageW(handles[row], SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        for (std::size_t part = 0; part < form::StatusPanels.size(); ++part) {
            const form::StatusPanel &panel = form::StatusPanels.at(part);
            const std::wstring text = (panel.centred ? L"\t" : L"") + Wide(panel.text);
            SendMessageW(handles[row], SB_SETTEXTW, part | (panel.rightToLeft ? SBT_RTLREADING : 0),
                         reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
}

std::vector<HWND> FormControls::Pages() const
{
    std::vector<HWND> pages;
    for (std::size_t row = 0; row < handles.size(); ++row)
        if (window.controls[row].kind == form::Kind::page)
            pages.push_back(handles[row]);
    return pages;
}

std::size_t FormControls::ParentRow(std::size_t row) const
{
    return form::IndexOf(window.controls, window.controls[row].parent);
}

// The window a control is made in: its tab page, or the window itself.
HWND FormControls::WindowParent(std::size_t row) const
{
    for (std::size_t at = ParentRow(row); at < handles.size(); at = ParentRow(at))
        if (window.controls[at].kind == form::Kind::page)
            return handles[at];
    return frame;
}

} // namespace win32
