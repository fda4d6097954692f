// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "FormControls.h"

#include "ControlIds.h"
#include "TopLevelWindows.h"
#include "WideText.h"

#include <commctrl.h>

#include <array>
#include <string>

namespace form = brenvik::form;

namespace win32 {

namespace {

// What a group's frame takes from the room of a control docked in it: its
// sides and bottom, and at the top the caption's line.
constexpr int groupFrameSide = 2;
constexpr int groupFrameTop = 10;

// A child control with the given class, text, style and control ID.
HWND AddControl(HWND parent, const wchar_t *className, std::string_view text, DWORD style, int id,
                DWORD exStyle = 0)
{
    HWND control = CreateWindowExW(exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                                   0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control)
        ThrowLastError("CreateWindowEx");
    return control;
}

// The size a label needs to show its whole text in the font selected into `dc`.
SIZE LabelSize(HDC dc, std::wstring_view text)
{
    RECT extent{};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Hinted glyphs can end a few pixels past the measured advance (seen
    // with substituted faces): one average character of room keeps the last
    // one whole.
    return {extent.right - extent.left + metrics.tmAveCharWidth, extent.bottom - extent.top};
}

// Screen readers name a field after the static text made right before it,
// shown or not: a hidden one holds its name, so that where the visible
// labels are made does not matter.
void AddHiddenName(HWND parent, form::Text name)
{
    ShowWindow(AddControl(parent, WC_STATICW, name, SS_NOPREFIX, 0), SW_HIDE);
}

} // namespace

// Controls are made in the keyboard's order, which the dialog manager's Tab
// key follows.
void FormControls::Create(HWND frameWindow, const wchar_t *pageClass, void *pageData)
{
    frame = frameWindow;
    handles.assign(window.controls.size(), nullptr);
    const form::ControlRows order = form::MakingOrder(window);
    for (std::size_t made = 0; made < handles.size(); ++made)
        CreateControl(order.at(made), pageClass, pageData);
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
        AddHiddenName(parent, FieldName(row));
        handle = AddControl(parent, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id);
        for (const form::Text item : control.items)
            SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(handle, CB_SETCURSEL, 0, 0);
        break;
    case form::Kind::edit:
        AddHiddenName(parent, FieldName(row));
        handle
            = AddControl(parent, WC_EDITW, control.text, WS_TABSTOP | ES_AUTOHSCROLL, id, WS_EX_CLIENTEDGE);
        SendMessageW(handle, EM_SETLIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
        break;
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
    const form::ControlPlaces places = form::PlaceControls(window, Insets(scale), scale);
    // Labels are measured in one go, in the form's font.
    const HDC measure = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(measure, font);
    for (std::size_t row = 0; row < handles.size(); ++row) {
        const form::Rect &place = places.at(row);
        SIZE size{place.width, place.height};
        if (size.cx == 0) // a label, as large as its text
            size = LabelSize(measure, WindowText(handles[row]));
        else if (size.cy == 0) // a drop-down list, with its list
            size.cy = scale(form::layout::DropDownHeight);
        const POINT origin = Origin(row, places);
        MoveWindow(handles[row], origin.x + place.left, origin.y + place.top, size.cx, size.cy, TRUE);
    }
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

form::Insets FormControls::Insets(Scale scale) const
{
    // A group without a caption has no inset: a multi-line text filling it
    // covers it whole, its own border then being the one frame around it.
    form::Insets insets{
        .tabPages = {},
        .group = {scale(groupFrameSide), scale(groupFrameTop), scale(groupFrameSide), scale(groupFrameSide)},
        .plainGroup = {}};
    // The pages lie above the tab control, in its display area, which keeps
    // the same edges at any size: measured at the window's.
    const RECT client{0, 0, scale(window.clientWidth), scale(window.clientHeight)};
    for (std::size_t row = 0; row < handles.size(); ++row)
        if (window.controls[row].kind == form::Kind::tabs) {
            RECT display = client;
            TabCtrl_AdjustRect(handles[row], FALSE, &display);
            insets.tabPages
                = {display.left, display.top, client.right - display.right, client.bottom - display.bottom};
        }
    return insets;
}

// Where the client area of a control's parent lies in the window the
// control is made in: a tab control, whose pages lie above it, and a group,
// which holds no windows, are not that window, so their places add up.
POINT FormControls::Origin(std::size_t row, const form::ControlPlaces &places) const
{
    POINT origin{0, 0};
    const HWND madeIn = WindowParent(row);
    for (std::size_t at = ParentRow(row); at < handles.size() && handles[at] != madeIn; at = ParentRow(at)) {
        origin.x += places.at(at).left;
        origin.y += places.at(at).top;
    }
    return origin;
}

std::size_t FormControls::ParentRow(std::size_t row) const
{
    return form::IndexOf(window.controls, window.controls[row].parent);
}

form::Text FormControls::FieldName(std::size_t row) const
{
    const form::Control &field = window.controls[row];
    const std::size_t label = form::IndexOf(window.controls, field.hint);
    return field.kind == form::Kind::dropDown && label < window.controls.size()
               ? window.controls[label].text
               : window.controls[ParentRow(row)].text;
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
