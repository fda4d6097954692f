// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "Win32TestSupport.h"

#include <commctrl.h>

#include <algorithm>

namespace testing {

HWND Control(HWND window, int id)
{
    return ControlId::Find(window, id);
}

std::string Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return win32::Utf8(text);
}

std::string ClassName(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return win32::Utf8(name);
}

RECT RectIn(HWND window, HWND relativeTo)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void Pump(TfrmMain &window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE)
        if (!window.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

void PressKey(TfrmMain &window, WPARAM key, bool shift, bool control)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    if (key == VK_RETURN)
        PostMessageW(focus, WM_CHAR, L'\r', 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Pump(window);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void Type(TfrmMain &window, HWND field, std::wstring_view text)
{
    for (const wchar_t c : text)
        PostMessageW(field, WM_CHAR, c, 1);
    Pump(window);
}

OpenMain::OpenMain(TfrmMain &opened)
    : window(opened)
{
    window.Create();
    handle = window.Handle();
    ShowWindow(handle, SW_SHOW);
    SetForegroundWindow(handle);
    Pump(window);
}

void OpenMain::ShowTab(int index)
{
    const HWND tabs = Control(handle, ControlId::Of("MainPage"));
    SetFocus(tabs);
    // As a click on the tab does it: the selection, then its notice.
    TabCtrl_SetCurFocus(tabs, index);
    Pump(window);
}

std::vector<std::string> OpenMain::UserState() const
{
    std::vector<std::string> state;
    for (const int id :
         {ControlId::Of("edtCharNotify"), ControlId::Of("edtCharWrite"), ControlId::Of("edtiBeaconUUID"),
          ControlId::Of("edtiBeaconMajor"), ControlId::Of("edtiBeaconMinor")})
        state.push_back(Text(Control(handle, id)));
    state.push_back(
        std::to_string(SendMessageW(Control(handle, ControlId::Of("cbUUIDType")), CB_GETCURSEL, 0, 0)));
    state.push_back(std::to_string(TabCtrl_GetCurSel(Control(handle, ControlId::Of("MainPage")))));
    return state;
}

MessageSeen ReadMessageBox(HWND box)
{
    MessageSeen seen;
    seen.caption = Text(box);
    seen.owner = GetWindow(box, GW_OWNER);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassName(child);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (kind == "Button" && (style & WS_VISIBLE) != 0)
            ++seen.buttons;
        else if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        else if (kind == "Static" && Text(child).size() > seen.text.size())
            seen.text = Text(child);
    }
    return seen;
}

void CloseMessageBox(HWND box)
{
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos; end = text.find("\r\n", start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

ListSeen ReadList(HWND list)
{
    ListSeen seen;
    seen.lines = Lines(Text(Control(list, ControlId::Of("memLog"))));
    seen.owner = GetWindow(list, GW_OWNER);
    seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner) != FALSE;
    if (IsChild(list, GetFocus()) != FALSE)
        seen.focus = GetDlgCtrlID(GetFocus());
    return seen;
}

namespace {
ModalWatcher *watching = nullptr;
}

ModalWatcher::ModalWatcher(HWND main, std::function<void(HWND)> onModalWindow)
    : mainWindow(main)
    , onModal(std::move(onModalWindow))
{
    watching = this;
    timer = SetTimer(nullptr, 0, 20, Tick);
}

ModalWatcher::~ModalWatcher()
{
    KillTimer(nullptr, timer);
    watching = nullptr;
}

void CALLBACK ModalWatcher::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalWatcher *self = watching;
    if (!self)
        return;
    struct Found {
        ModalWatcher *self;
        HWND window;
    } found{self, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto *found = reinterpret_cast<Found *>(data);
            if (window == found->self->mainWindow || IsWindowVisible(window) == FALSE
                || std::find(found->self->handled.begin(), found->self->handled.end(), window)
                       != found->self->handled.end())
                return TRUE;
            found->window = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found.window)
        return;
    self->handled.push_back(found.window);
    ++self->seen;
    self->onModal(found.window);
}

MessageSeen ClickForMessage(OpenMain &main, int button, int *opened)
{
    MessageSeen seen;
    {
        ModalWatcher watcher(main.handle, [&](HWND box) {
            seen = ReadMessageBox(box);
            CloseMessageBox(box);
        });
        SendMessageW(main[button], BM_CLICK, 0, 0);
        Pump(main.window);
        if (opened)
            *opened = watcher.Seen();
    }
    return seen;
}

ListSeen ClickForList(OpenMain &main, int button, CloseBy closeBy, int *opened)
{
    ListSeen seen;
    {
        ModalWatcher watcher(main.handle, [&](HWND list) {
            seen = ReadList(list);
            if (closeBy == CloseBy::okButton)
                PostMessageW(Control(list, ControlId::Of("btnOK")), BM_CLICK, 0, 0);
            else
                PostMessageW(list, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        SendMessageW(main[button], BM_CLICK, 0, 0);
        Pump(main.window);
        if (opened)
            *opened = watcher.Seen();
    }
    return seen;
}

} // namespace testing
