// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Drives the running program from another process, as the scripts that run
// it under Wine need it: waits for a window, clicks a button, sets a field's
// text, turns a tab, closes a window, and prints where a window stands or
// its caption. Only messages that carry no pointer, or a string (which the
// window system copies across), go to the program.
//
// Usage: win32-drive COMMAND CLASS [ARGS]
//   wait CLASS          until a visible window of CLASS is up (15 s at most);
//                       prints "LEFT TOP WIDTH HEIGHT CLIENT_WIDTHxCLIENT_HEIGHT"
//                       of its frame on the screen, in the screen's pixels
//   title CLASS         as wait, then prints the window's caption
//   gone CLASS          until no visible window of CLASS is left (15 s at most)
//   click CLASS NAME    presses the button NAME (a member name, as btnShow)
//   text CLASS NAME STR sets the text of the control NAME
//   tab CLASS INDEX     shows the tab page INDEX (0: the first), as a click does
//   ok CLASS            presses OK in a message box (CLASS #32770)
//   close CLASS         closes the window as its close box does
// CLASS is a window class: TfrmMain (the main window), TfrmResult (a
// command list window) or #32770 (a message box).
// Exit code 0 when done, 1 when the window or control was not found in time,
// 2 on a wrong command line.
#include "ControlIds.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

constexpr DWORD timeoutMs = 15000;
constexpr DWORD stepMs = 50;

HWND VisibleWindow(const wchar_t *className)
{
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr))
        if (IsWindowVisible(window) != FALSE)
            return window;
    return nullptr;
}

// The window, once it is up and answering its messages.
HWND WaitWindow(const wchar_t *className)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += stepMs) {
        HWND window = VisibleWindow(className);
        DWORD_PTR result = 0;
        if (window != nullptr
            && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0)
            return window;
        Sleep(stepMs);
    }
    std::fwprintf(stderr, L"No window of class %ls appeared\n", className);
    std::exit(1);
}

// Any control of the program's windows, by its name in the form's table.
HWND Control(HWND window, std::wstring_view name)
{
    const std::string ascii(name.begin(), name.end()); // the names are ASCII
    const int id = ControlId::Of(ascii);               // 0: no control of that name
    if (HWND found = id != 0 ? ControlId::Find(window, id) : nullptr)
        return found;
    std::fwprintf(stderr, L"No control %ls\n", std::wstring(name).c_str());
    std::exit(1);
}

int Usage()
{
    std::fwprintf(stderr, L"Usage: win32-drive wait|title|gone|click|text|tab|ok|close CLASS [ARGS]\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    // The screen's own pixels, whatever the DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (argc < 3)
        return Usage();
    const std::wstring_view command = argv[1];
    const wchar_t *className = argv[2];

    if (command == L"gone") {
        for (DWORD waited = 0; waited < timeoutMs; waited += stepMs) {
            if (!VisibleWindow(className))
                return 0;
            Sleep(stepMs);
        }
        std::fwprintf(stderr, L"The window of class %ls did not close\n", className);
        return 1;
    }

    const HWND window = WaitWindow(className);
    if (command == L"wait") {
        RECT frame{};
        RECT client{};
        GetWindowRect(window, &frame);
        GetClientRect(window, &client);
        std::wprintf(L"%ld %ld %ld %ld %ldx%ld\n", frame.left, frame.top, frame.right - frame.left,
                     frame.bottom - frame.top, client.right, client.bottom);
        return 0;
    }
    if (command == L"title") {
        const int length = GetWindowTextLengthW(window);
        std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
        title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), length + 1)));
        std::wprintf(L"%ls\n", title.c_str());
        return 0;
    }
    if (command == L"click" && argc == 4) {
        // Posted: the click may open a modal window, which would hold a sent message.
        PostMessageW(Control(window, argv[3]), BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"text" && argc == 5) {
        SendMessageW(Control(window, argv[3]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    if (command == L"tab" && argc == 4) {
        // The tab control selects the page and tells the window, as on a click.
        SendMessageW(Control(window, L"MainPage"), TCM_SETCURFOCUS,
                     static_cast<WPARAM>(std::wcstol(argv[3], nullptr, 10)), 0);
        return 0;
    }
    if (command == L"ok") {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return 0;
    }
    if (command == L"close") {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return Usage();
}
