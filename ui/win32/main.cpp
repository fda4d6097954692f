// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "main.h"

#include "ATCommandList.h"
#include "ControlIds.h"
#include "Resources.h"
#include "TopLevelWindows.h"
#include "WideText.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <string>

using namespace brenvik;
using namespace win32;

namespace {

// The tab pages' window class. The description names the classes of the
// two windows, which tools find by them; a page is a control there, which
// tools reach by its control ID like any other, so its class needs no name
// from the description.
constexpr wchar_t pageClassName[] = L"BrenvikTabPage";

} // namespace

TfrmMain::~TfrmMain()
{
    quitOnDestroy = false;
    if (frmMain)
        DestroyWindow(frmMain);
}

void TfrmMain::Create()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The form's own class name, for tools that find windows by their class.
    const std::wstring mainClassName = Wide(form::MainWindow.className);
    RegisterFormClass(mainClassName.c_str(), WindowProcedure, ClassIcon::program);
    RegisterFormClass(pageClassName, PageProcedure);

    // A single fixed border, the system menu and the minimise button.
    frmMain = CreateWindowExW(0, mainClassName.c_str(), Wide(form::MainWindow.caption).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
                              0, 0, 0, nullptr, nullptr, instance, this);
    if (!frmMain)
        ThrowLastError("CreateWindowEx");
    scale.dpi = GetDpiForWindow(frmMain);

    controls.Create(frmMain, pageClassName, this);
    sbTitle = controls["sbTitle"];
    MainPage = controls["MainPage"];
    tbStudy = controls["tbStudy"];
    GBUUIDType = controls["GBUUIDType"];
    cbUUIDType = controls["cbUUIDType"];
    GBUUIDNotify = controls["GBUUIDNotify"];
    edtCharNotify = controls["edtCharNotify"];
    GBUUIDWrite = controls["GBUUIDWrite"];
    edtCharWrite = controls["edtCharWrite"];
    GBHelp = controls["GBHelp"];
    GBButton = controls["GBButton"];
    btnShow = controls["btnShow"];
    tabBeacon = controls["tabBeacon"];
    gbiBeaconUUID = controls["gbiBeaconUUID"];
    edtiBeaconUUID = controls["edtiBeaconUUID"];
    gbiBeaconMajor = controls["gbiBeaconMajor"];
    edtiBeaconMajor = controls["edtiBeaconMajor"];
    gbiBeaconMinor = controls["gbiBeaconMinor"];
    edtiBeaconMinor = controls["edtiBeaconMinor"];
    gbiBeaconHelp = controls["gbiBeaconHelp"];
    btniBeacon = controls["btniBeacon"];
    TabSheet1 = controls["TabSheet1"];
    imgLogo = controls["imgLogo"];
    lbBuilding = controls["lbBuilding"];
    Layout();
    SizeAndCentre(frmMain, scale, form::MainWindow.clientWidth, form::MainWindow.clientHeight);
    ShowPage(0);
    UpdateLook();
    focusBeforeDeactivation = MainPage;
    FormCreate();
    // Focus rectangles and access keys show as the last input asks, as in
    // the system's dialogs.
    SendMessageW(frmMain, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
}

int TfrmMain::Run(int showCommand)
{
    quitOnDestroy = true;
    ShowWindow(frmMain, showCommand);
    MSG message;
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0)
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

bool TfrmMain::PreTranslateMessage(MSG &message)
{
    if (frmMain == nullptr || (message.hwnd != frmMain && IsChild(frmMain, message.hwnd) == FALSE))
        return false;
    // Ctrl+Tab and Ctrl+Page Down go to the next tab, with Shift or Page Up
    // to the one before, from anywhere in the window.
    if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0
        && (message.wParam == VK_TAB || message.wParam == VK_NEXT || message.wParam == VK_PRIOR)) {
        const bool back
            = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
        const int count = TabCtrl_GetItemCount(MainPage);
        const int index = (TabCtrl_GetCurSel(MainPage) + (back ? count - 1 : 1)) % count;
        TabCtrl_SetCurSel(MainPage, index);
        ShowPage(index);
        SetFocus(MainPage);
        return true;
    }
    return IsDialogMessageW(frmMain, &message) != FALSE;
}

std::unique_ptr<TfrmResult> TfrmMain::NewResultWindow()
{
    return std::make_unique<TfrmResult>();
}

void TfrmMain::Layout()
{
    formFont = FormFont(scale);
    statusFont = StatusFont(scale);
    SetFontOfChildren(frmMain, formFont.get());
    SendMessageW(sbTitle, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont.get()), FALSE);

    controls.Layout(scale, formFont.get());

    // The logo is read in its size for this DPI when it is next drawn.
    logo.reset();
    InvalidateRect(frmMain, nullptr, TRUE);
}

void TfrmMain::ShowPage(int index)
{
    const std::vector<HWND> pages = controls.Pages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        ShowWindow(pages[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void TfrmMain::FormCreate()
{
    // The window's own background is painted off screen first, then copied.
    DoubleBuffered = true;
}

void TfrmMain::UpdateLook()
{
    const std::vector<HWND> pages = controls.Pages();
    RECT page{};
    GetClientRect(pages.front(), &page);
    pageLook.Update({page.right, page.bottom});
    for (const HWND each : pages) {
        pageLook.Apply(each);
        RedrawWindow(each, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

// The window's own background is the button face; a page's is its look.
void TfrmMain::PaintBackground(HWND window, HDC dc, const RECT &area) const
{
    if (window == frmMain)
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    else
        pageLook.Paint(dc, area);
}

void TfrmMain::Paint(HWND window) const
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    const RECT &area = paint.rcPaint;
    HDC target = dc;
    HBITMAP bitmap = nullptr;
    if (DoubleBuffered) {
        target = CreateCompatibleDC(dc);
        bitmap = CreateCompatibleBitmap(dc, area.right - area.left, area.bottom - area.top);
    }
    if (target && bitmap) {
        const HGDIOBJ before = SelectObject(target, bitmap);
        SetWindowOrgEx(target, area.left, area.top, nullptr);
        PaintBackground(window, target, area);
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, target, area.left,
               area.top, SRCCOPY);
        SelectObject(target, before);
    } else {
        PaintBackground(window, dc, area);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (target != dc && target)
        DeleteDC(target);
    EndPaint(window, &paint);
}

void TfrmMain::DrawLogo(const DRAWITEMSTRUCT &item)
{
    const RECT &area = item.rcItem;
    if (logo == nullptr)
        logo = LoadIconAt(BRENVIK_ICON_LOGO, area.right - area.left);
    // The page shows through wherever the icon's mask lets it.
    RECT behind = area;
    DrawThemeParentBackground(item.hwndItem, item.hDC, &behind);
    DrawIconEx(item.hDC, area.left, area.top, logo.get(), area.right - area.left, area.bottom - area.top, 0,
               nullptr, DI_NORMAL);
}

const form::Control *TfrmMain::ClickableRow(int id)
{
    const std::size_t row = ControlId::RowOf(form::MainWindow, id);
    if (row >= form::MainWindow.controls.size())
        return nullptr;
    const form::Control &control = form::MainWindow.controls[row];
    return control.click.action != form::Action::none ? &control : nullptr;
}

std::string TfrmMain::FieldText(form::Text name) const
{
    return WindowTextUtf8(controls[name]);
}

int TfrmMain::SelectedIndex(form::Text name) const
{
    return static_cast<int>(SendMessageW(controls[name], CB_GETCURSEL, 0, 0));
}

void TfrmMain::ShowMessage(form::Text text, form::MessageKind kind)
{
    const UINT icon = kind == form::MessageKind::error ? MB_ICONERROR : MB_ICONINFORMATION;
    // Where no box can be made, a rejection still sounds, and the focus
    // still shows the field.
    if (!win32::ShowMessage(frmMain, text, icon) && kind == form::MessageKind::information)
        MessageBeep(icon);
}

void TfrmMain::FocusAndSelect(form::Text name)
{
    const HWND field = controls[name];
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

std::unique_ptr<form::ResultView> TfrmMain::NewResultView()
{
    std::unique_ptr<TfrmResult> frmResult = NewResultWindow();
    frmResult->Create(frmMain);
    return frmResult;
}

LRESULT CALLBACK TfrmMain::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = FormOf<TfrmMain>(window, message, lParam);
    if (!self || (self->frmMain != window && self->frmMain != nullptr))
        return DefWindowProcW(window, message, wParam, lParam);
    self->frmMain = window;
    return self->HandleMessage(message, wParam, lParam);
}

// A tab page passes what its controls report on to the main window, and
// paints its look: also for a control that draws the page behind itself
// (WM_PRINTCLIENT).
LRESULT CALLBACK TfrmMain::PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto *self = FormOf<const TfrmMain>(window, message, lParam);
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(window), message, wParam, lParam); // the main window
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (self)
            return self->pageLook.ControlColour(window, reinterpret_cast<HDC>(wParam),
                                                reinterpret_cast<HWND>(lParam));
        break;
    case WM_PRINTCLIENT:
        if (self && (lParam & PRF_CLIENT) != 0) {
            RECT client{};
            GetClientRect(window, &client);
            self->pageLook.Paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (self && self->DoubleBuffered)
            return 1;
        break;
    case WM_PAINT:
        if (self) {
            self->Paint(window);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Each button's row says what its click does.
        if (const form::Control *button = ClickableRow(LOWORD(wParam));
            button && HIWORD(wParam) == BN_CLICKED)
            form::Click(*this, form::MainWindow, *button);
        else if (LOWORD(wParam) == IDOK) {
            // Enter: there is no default button, so Enter in a field starts
            // nothing; on a focused button it presses that button.
            const HWND focus = GetFocus();
            if (ClickableRow(GetDlgCtrlID(focus)) != nullptr)
                SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->hwndFrom == MainPage
            && reinterpret_cast<const NMHDR *>(lParam)->code == TCN_SELCHANGE)
            ShowPage(TabCtrl_GetCurSel(MainPage));
        return 0;
    case WM_DRAWITEM:
        if (static_cast<int>(wParam) == ControlId::Of("imgLogo"))
            DrawLogo(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case DM_GETDEFID:
        return 0;
    case WM_ACTIVATE:
        KeepFocus(frmMain, wParam, focusBeforeDeactivation);
        return 0;
    case WM_DPICHANGED:
        scale.dpi = HIWORD(wParam);
        Layout();
        UpdateLook();
        icons.Apply(frmMain, scale);
        SizeAt(frmMain, scale, form::MainWindow.clientWidth, form::MainWindow.clientHeight,
               *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        UpdateLook();
        break;
    case WM_ERASEBKGND:
        if (DoubleBuffered)
            return 1;
        break;
    case WM_PAINT:
        Paint(frmMain);
        return 0;
    case WM_DESTROY:
        if (quitOnDestroy)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        frmMain = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(frmMain, message, wParam, lParam);
}
