// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "ATCommandList.h"

#include "ControlIds.h"
#include "TopLevelWindows.h"
#include "WideText.h"

#include <commctrl.h>

#include <string>

using namespace win32;
namespace form = brenvik::form;

namespace {

// The list is read and copied, never changed: Tab, Enter and Escape go to
// the window (Tab to OK), as they do in a single-line field, and Ctrl+A
// selects the whole list.
LRESULT CALLBACK ListKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    constexpr WPARAM controlA = 1;
    if (message == WM_GETDLGCODE)
        return DefSubclassProc(window, message, wParam, lParam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (message == WM_CHAR && wParam == controlA) {
        SendMessageW(window, EM_SETSEL, 0, -1);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, ListKeys, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

// Gives the window back to its owner, however the modal display ends.
struct OwnerDisabled {
    HWND owner;
    explicit OwnerDisabled(HWND window)
        : owner(window)
    {
        EnableWindow(owner, FALSE);
    }
    ~OwnerDisabled() { EnableWindow(owner, TRUE); }
    OwnerDisabled(const OwnerDisabled &) = delete;
    OwnerDisabled &operator=(const OwnerDisabled &) = delete;
};

} // namespace

TfrmResult::~TfrmResult()
{
    if (frmResult)
        DestroyWindow(frmResult);
}

void TfrmResult::Create(HWND ownerWindow)
{
    owner = ownerWindow;
    // The form's own class name, for tools that find windows by their class.
    const std::wstring className = Wide(form::ResultWindow.className);
    RegisterFormClass(className.c_str(), WindowProcedure, ClassIcon::program);
    // Owned by the window it blocks, so that it can never end up behind it.
    frmResult
        = CreateWindowExW(WS_EX_CONTROLPARENT, className.c_str(), Wide(form::ResultWindow.caption).c_str(),
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 0, 0, owner, nullptr,
                          GetModuleHandleW(nullptr), this);
    if (!frmResult)
        ThrowLastError("CreateWindowEx");
    scale.dpi = GetDpiForWindow(frmResult);

    controls.Create(frmResult);
    GBResult = controls["GBResult"];
    memLog = controls["memLog"];
    btnOK = controls["btnOK"];
    SetWindowSubclass(memLog, ListKeys, 0, 0);
    // The text covers its group whole, so that its own border is the one
    // frame around the list: the group lies under it.
    SetWindowLongPtrW(GBResult, GWL_STYLE, GetWindowLongPtrW(GBResult, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(GBResult, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Layout();
    SizeAndCentre(frmResult, scale, form::ResultWindow.clientWidth, form::ResultWindow.clientHeight);
    SendMessageW(frmResult, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
}

void TfrmResult::Layout()
{
    font = FormFont(scale);
    SetFontOfChildren(frmResult, font.get());
    controls.Layout(scale, font.get());
}

void TfrmResult::AddLine(std::string_view line)
{
    std::wstring text = addedLines > 0 ? L"\r\n" : L"";
    text += Wide(line);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(memLog));
    SendMessageW(memLog, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(memLog, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    ++addedLines;
}

int TfrmResult::ShowModal()
{
    const OwnerDisabled blocked(owner);
    ModalResult = 0;
    ShowWindow(frmResult, SW_SHOW);
    if (IsWindowVisible(frmResult) == FALSE)
        ThrowLastError("ShowWindow");
    // A list taller than the window opens at its first line.
    SetFocus(memLog);
    SendMessageW(memLog, EM_SETSEL, 0, 0);
    SendMessageW(memLog, EM_SCROLLCARET, 0, 0);

    MSG message;
    while (ModalResult == 0) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the loop and let the outer one end too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            ModalResult = IDCANCEL;
            break;
        }
        if (IsDialogMessageW(frmResult, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return ModalResult;
}

void TfrmResult::btnOKClick()
{
    ModalResult = IDOK;
}

LRESULT CALLBACK TfrmResult::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = FormOf<TfrmResult>(window, message, lParam);
    if (!self || self->frmResult != window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT TfrmResult::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // OK is neither the default nor the cancel button: Enter and Escape
        // (IDOK and IDCANCEL from the keyboard) leave the window open.
        if (LOWORD(wParam) == ControlId::Of("btnOK") && HIWORD(wParam) == BN_CLICKED)
            btnOKClick();
        return 0;
    case DM_GETDEFID:
        return 0;
    case WM_CLOSE:
        // The close box and the system menu end the modal display; the
        // window itself is destroyed by its maker.
        ModalResult = IDCANCEL;
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only list reads as text on the window colour.
        if (reinterpret_cast<HWND>(lParam) == memLog) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_ACTIVATE:
        KeepFocus(frmResult, wParam, focusBeforeDeactivation);
        return 0;
    case WM_DPICHANGED:
        scale.dpi = HIWORD(wParam);
        Layout();
        icons.Apply(frmResult, scale);
        SizeAt(frmResult, scale, form::ResultWindow.clientWidth, form::ResultWindow.clientHeight,
               *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_NCDESTROY:
        frmResult = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(frmResult, message, wParam, lParam);
}
