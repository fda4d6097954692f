// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Driving the real Win32 windows in-process: finding controls by their IDs,
// typing and pressing keys through the window's own message loop, and
// seeing (and closing) each message box or command list window that a
// click brings up, from inside its modal loop.

#include "ATCommandList.h"
#include "ControlIds.h"
#include "FormFont.h"
#include "WideText.h"
#include "main.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace testing {

// The control with this ID anywhere in `window`.
HWND Control(HWND window, int id);
std::string Text(HWND window);
std::string ClassName(HWND window);
// A rectangle relative to the client area of another window.
RECT RectIn(HWND window, HWND relativeTo);
[[nodiscard]] inline int Width(const RECT &rect)
{
    return rect.right - rect.left;
}
[[nodiscard]] inline int Height(const RECT &rect)
{
    return rect.bottom - rect.top;
}
SIZE ClientSize(HWND window);

// Handles what is waiting in the queue, passing it through the main
// window's keyboard handling as the program's loop does.
void Pump(TfrmMain &window);
void PressKey(TfrmMain &window, WPARAM key, bool shift = false, bool control = false);
void Type(TfrmMain &window, HWND field, std::wstring_view text);

// The main window as the program opens it, shown and active.
struct OpenMain {
    explicit OpenMain(TfrmMain &opened);
    TfrmMain &window;
    HWND handle;
    [[nodiscard]] HWND operator[](int id) const { return Control(handle, id); }
    void ShowTab(int index);
    // The texts of the five fields, the UUID type and the tab: what no
    // click may change.
    [[nodiscard]] std::vector<std::string> UserState() const;
};

// What a message box showed.
struct MessageSeen {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    HICON icon = nullptr;
    int buttons = 0;
};
MessageSeen ReadMessageBox(HWND box);
void CloseMessageBox(HWND box);

// What a command list window showed.
struct ListSeen {
    std::vector<std::string> lines;
    HWND owner = nullptr;
    int focus = 0; // the control ID
    bool ownerEnabled = true;
};
ListSeen ReadList(HWND list);
std::vector<std::string> Lines(std::string_view text);

// Calls `onModal` once for every new window of this thread that is shown
// while it lives, other than `mainWindow`; from inside that window's modal
// loop, on a timer. `onModal` must close the window it is given.
class ModalWatcher
{
public:
    ModalWatcher(HWND main, std::function<void(HWND)> onModalWindow);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher &) = delete;
    ModalWatcher &operator=(const ModalWatcher &) = delete;
    [[nodiscard]] int Seen() const { return seen; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    HWND mainWindow;
    std::function<void(HWND)> onModal;
    std::vector<HWND> handled;
    UINT_PTR timer = 0;
    int seen = 0;
};

// Clicks a create button and records the message box it brings up.
MessageSeen ClickForMessage(OpenMain &main, int button, int *opened = nullptr);
// Clicks a create button, records the list window and closes it with OK
// or with its close box.
enum class CloseBy { okButton, closeBox };
ListSeen ClickForList(OpenMain &main, int button, CloseBy closeBy = CloseBy::okButton, int *opened = nullptr);

} // namespace testing
