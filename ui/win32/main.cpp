// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "main.h"

#include "ATCommandList.h"
#include "BeaconList.h"
#include "ControlIds.h"
#include "Resources.h"
#include "StudyList.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <exception>
#include <string>

using namespace brenvik;
using namespace win32;

namespace {

// The form's own name, for tools that find windows by their class.
constexpr wchar_t mainClassName[] = L"TfrmMain";
constexpr wchar_t pageClassName[] = L"BrenvikTabPage";
constexpr int statusBarHeight = 25;
constexpr int statusWebPanelWidth = 160;
constexpr int fieldGroupHeight = 72;
constexpr int buttonHeight = 25;
constexpr int helpLineSpacing = 16;

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
    RegisterFormClass(mainClassName, WindowProcedure, ClassIcon::program);
    RegisterFormClass(pageClassName, PageProcedure);

    // A single fixed border, the system menu and the minimise button.
    frmMain = CreateWindowExW(0, mainClassName, Wide(form::MainCaption).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
                              0, 0, 0, nullptr, nullptr, instance, this);
    if (!frmMain)
        ThrowLastError("CreateWindowEx");
    scale.dpi = GetDpiForWindow(frmMain);

    BuildStatusBar();
    MainPage = AddControl(frmMain, WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS, ControlId::MainPage);
    BuildStudyPage();
    BuildBeaconPage();
    BuildAboutPage();
    // The pages lie above the tab control, which draws only its strip and frame.
    SetWindowPos(MainPage, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Layout();
    SizeAndCentre(frmMain, scale, form::MainClientWidth, form::MainClientHeight);
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

void TfrmMain::BuildStatusBar()
{
    // No size grip: the window has a fixed size. The bar keeps the height
    // it is given.
    sbTitle = AddControl(frmMain, STATUSCLASSNAMEW, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                         ControlId::sbTitle);
}

HWND TfrmMain::AddPage(int id, form::Text caption)
{
    std::wstring text = Wide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = TabCtrl_GetItemCount(MainPage);
    TabCtrl_InsertItem(MainPage, index, &item);
    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, pageClassName, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS,
                                0, 0, 0, 0, frmMain, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), this);
    if (!page)
        ThrowLastError("CreateWindowEx");
    pages.push_back({page, {}});
    return page;
}

HWND TfrmMain::AddGroup(int id, form::Text caption)
{
    return AddControl(pages.back().page, WC_BUTTONW, caption, BS_GROUPBOX, id);
}

HWND TfrmMain::AddLabel(HWND group, int id, form::Text text, int left, int top)
{
    HWND label = AddControl(pages.back().page, WC_STATICW, text, SS_LEFT | SS_NOPREFIX, id);
    placements.push_back({label, group, left, top, 0, 0});
    return label;
}

// An edit field at the top of its group, with a hint below it.
HWND TfrmMain::AddField(HWND group, int id, int maxLength, form::Text text, int hintId, form::Text hint)
{
    // Screen readers name an edit field after the static text made right
    // before it, shown or not: a hidden one holds the group's caption.
    const HWND name = CreateWindowExW(0, WC_STATICW, WindowText(group).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0,
                                      0, 0, pages.back().page, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (name == nullptr)
        ThrowLastError("CreateWindowEx");
    HWND field
        = AddControl(pages.back().page, WC_EDITW, text, WS_TABSTOP | ES_AUTOHSCROLL, id, WS_EX_CLIENTEDGE);
    SendMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    placements.push_back({field, group, 8, 16, 497, 20});
    AddLabel(group, hintId, hint, 8, 48);
    return field;
}

// One label per line, from the top of the group down.
void TfrmMain::AddHelpLines(HWND group, int firstId, std::span<const form::Text> lines)
{
    int top = 24;
    int id = firstId;
    for (const form::Text line : lines) {
        AddLabel(group, id++, line, 8, top);
        top += helpLineSpacing;
    }
}

HWND TfrmMain::AddButton(HWND group, int id, form::Text caption, int left, int top, int width)
{
    // A plain push button: never the default, so Enter in a field starts nothing.
    HWND button = AddControl(pages.back().page, WC_BUTTONW, caption, WS_TABSTOP | BS_PUSHBUTTON, id);
    placements.push_back({button, group, left, top, width, buttonHeight});
    return button;
}

// The controls of a page are made in the keyboard's Tab order, each group
// right before its contents. Where they stand is set by the docking order
// and the placements.
void TfrmMain::BuildStudyPage()
{
    tbStudy = AddPage(ControlId::tbStudy, form::StudyTab);

    GBUUIDType = AddGroup(ControlId::GBUUIDType, form::UuidTypeCaption);
    AddLabel(GBUUIDType, ControlId::lbUUIDType, form::UuidTypeLabel, 8, 19);
    cbUUIDType = AddControl(tbStudy, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                            ControlId::cbUUIDType);
    for (const form::Text item : form::UuidTypes)
        SendMessageW(cbUUIDType, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    SendMessageW(cbUUIDType, CB_SETCURSEL, 0, 0);
    // The height includes the list that drops down.
    placements.push_back({cbUUIDType, GBUUIDType, 112, 16, 393, 80});

    // The Write field comes before the Notify field, although it stands below it.
    GBUUIDWrite = AddGroup(ControlId::GBUUIDWrite, form::WriteCaption);
    edtCharWrite = AddField(GBUUIDWrite, ControlId::edtCharWrite, form::UuidFieldLength, form::WriteDefault,
                            ControlId::lbCharWrite, form::WriteHint);
    GBUUIDNotify = AddGroup(ControlId::GBUUIDNotify, form::NotifyCaption);
    edtCharNotify = AddField(GBUUIDNotify, ControlId::edtCharNotify, form::UuidFieldLength,
                             form::NotifyDefault, ControlId::lbCharNotify, form::NotifyHint);

    GBHelp = AddGroup(ControlId::GBHelp, form::HelpCaption);
    AddHelpLines(GBHelp, ControlId::lbHelp1, form::StudyHelp);

    GBButton = AddGroup(ControlId::GBButton, "");
    btnShow = AddButton(GBButton, ControlId::btnShow, form::ShowButton, 344, 11, 155);

    pages.back().groups = {{GBUUIDType, Dock::top, 41},
                           {GBUUIDNotify, Dock::top, fieldGroupHeight},
                           {GBUUIDWrite, Dock::top, fieldGroupHeight},
                           {GBHelp, Dock::rest, 0},
                           {GBButton, Dock::bottom, 44}};
}

void TfrmMain::BuildBeaconPage()
{
    tabBeacon = AddPage(ControlId::tabBeacon, form::BeaconTab);

    // Keyboard order: Minor, UUID, Major, then the button.
    gbiBeaconMinor = AddGroup(ControlId::gbiBeaconMinor, form::MinorCaption);
    edtiBeaconMinor = AddField(gbiBeaconMinor, ControlId::edtiBeaconMinor, form::ValueFieldLength,
                               form::MinorDefault, ControlId::lbiBeaconMinor, form::MinorHint);
    gbiBeaconUUID = AddGroup(ControlId::gbiBeaconUUID, form::BeaconUuidCaption);
    edtiBeaconUUID = AddField(gbiBeaconUUID, ControlId::edtiBeaconUUID, form::UuidFieldLength,
                              form::BeaconUuidDefault, ControlId::lbiBeaconUUID, form::BeaconUuidHint);
    gbiBeaconMajor = AddGroup(ControlId::gbiBeaconMajor, form::MajorCaption);
    edtiBeaconMajor = AddField(gbiBeaconMajor, ControlId::edtiBeaconMajor, form::ValueFieldLength,
                               form::MajorDefault, ControlId::lbiBeaconMajor, form::MajorHint);

    gbiBeaconHelp = AddGroup(ControlId::gbiBeaconHelp, form::HelpCaption);
    AddHelpLines(gbiBeaconHelp, ControlId::lbiBeaconHelp1, form::BeaconHelp);
    btniBeacon = AddButton(gbiBeaconHelp, ControlId::btniBeacon, form::BeaconButton, 272, 80, 227);

    pages.back().groups = {{gbiBeaconUUID, Dock::top, fieldGroupHeight},
                           {gbiBeaconMajor, Dock::top, fieldGroupHeight},
                           {gbiBeaconMinor, Dock::top, fieldGroupHeight},
                           {gbiBeaconHelp, Dock::rest, 0}};
}

void TfrmMain::BuildAboutPage()
{
    TabSheet1 = AddPage(ControlId::TabSheet1, form::AboutTab);
    // Drawn by the window, so that its text can be the name screen readers read.
    imgLogo = AddControl(TabSheet1, WC_STATICW, form::LogoName, SS_OWNERDRAW, ControlId::imgLogo);
    placements.push_back({imgLogo, nullptr, 112, 134, 32, 32});
    lbBuilding = AddLabel(nullptr, ControlId::lbBuilding, form::Building, 168, 144);
}

void TfrmMain::Layout()
{
    formFont = FormFont(scale);
    statusFont = StatusFont(scale);
    SetFontOfChildren(frmMain, formFont.get());
    SendMessageW(sbTitle, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont.get()), FALSE);

    const int width = scale(form::MainClientWidth);
    const int height = scale(form::MainClientHeight);
    const int statusHeight = scale(statusBarHeight);
    MoveWindow(sbTitle, 0, height - statusHeight, width, statusHeight, TRUE);
    // The first panel shows the web address centred ("\t"), read right to
    // left; the last one reaches the right edge.
    int panels[] = {scale(statusWebPanelWidth), -1};
    SendMessageW(sbTitle, SB_SETPARTS, std::size(panels), reinterpret_cast<LPARAM>(panels));
    const std::wstring web = L"\t" + Wide(form::WebAddress);
    SendMessageW(sbTitle, SB_SETTEXTW, 0 | SBT_RTLREADING, reinterpret_cast<LPARAM>(web.c_str()));
    SendMessageW(sbTitle, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Wide(form::SupportAddress).c_str()));

    MoveWindow(MainPage, 0, 0, width, height - statusHeight, TRUE);
    RECT display{0, 0, width, height - statusHeight};
    TabCtrl_AdjustRect(MainPage, FALSE, &display);
    const int pageWidth = display.right - display.left;
    const int pageHeight = display.bottom - display.top;
    for (const Page &page : pages) {
        MoveWindow(page.page, display.left, display.top, pageWidth, pageHeight, TRUE);
        int top = 0;
        int bottom = pageHeight;
        for (const DockedGroup &docked : page.groups)
            if (docked.dock == Dock::top) {
                MoveWindow(docked.group, 0, top, pageWidth, scale(docked.height), TRUE);
                top += scale(docked.height);
            } else if (docked.dock == Dock::bottom) {
                bottom -= scale(docked.height);
                MoveWindow(docked.group, 0, bottom, pageWidth, scale(docked.height), TRUE);
            }
        for (const DockedGroup &docked : page.groups)
            if (docked.dock == Dock::rest)
                MoveWindow(docked.group, 0, top, pageWidth, bottom - top, TRUE);
    }

    // Labels are measured in one go, in the form's font.
    const HDC measure = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(measure, formFont.get());
    for (const Placement &placed : placements) {
        RECT group{};
        if (placed.group != nullptr) {
            GetWindowRect(placed.group, &group);
            MapWindowPoints(HWND_DESKTOP, GetParent(placed.group), reinterpret_cast<POINT *>(&group), 2);
        }
        const SIZE size = placed.width == 0 ? LabelSize(measure, WindowText(placed.control))
                                            : SIZE{scale(placed.width), scale(placed.height)};
        MoveWindow(placed.control, group.left + scale(placed.left), group.top + scale(placed.top), size.cx,
                   size.cy, TRUE);
    }
    SelectObject(measure, oldFont);
    DeleteDC(measure);

    // The logo is read in its size for this DPI when it is next drawn.
    logo.reset();
    InvalidateRect(frmMain, nullptr, TRUE);
}

void TfrmMain::ShowPage(int index)
{
    for (std::size_t i = 0; i < pages.size(); ++i)
        ShowWindow(pages[i].page, static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void TfrmMain::FormCreate()
{
    // The window's own background is painted off screen first, then copied.
    DoubleBuffered = true;
}

void TfrmMain::UpdateLook()
{
    RECT page{};
    GetClientRect(pages.front().page, &page);
    pageLook.Update({page.right, page.bottom});
    for (const Page &each : pages) {
        pageLook.Apply(each.page);
        RedrawWindow(each.page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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

void TfrmMain::btnShowClick()
{
    const std::string notify = WindowTextUtf8(edtCharNotify);
    const std::string write = WindowTextUtf8(edtCharWrite);
    const auto uuidType = static_cast<int>(SendMessageW(cbUUIDType, CB_GETCURSEL, 0, 0));
    Present(BuildStudyList({notify, write, uuidType}));
}

void TfrmMain::btniBeaconClick()
{
    const std::string uuid = WindowTextUtf8(edtiBeaconUUID);
    const std::string major = WindowTextUtf8(edtiBeaconMajor);
    const std::string minor = WindowTextUtf8(edtiBeaconMinor);
    Present(BuildBeaconList({uuid, major, minor}));
}

void TfrmMain::Present(const ListOutcome &outcome)
{
    if (const auto *rejection = std::get_if<InputRejection>(&outcome))
        ShowRejection(*rejection);
    else
        ShowCommandList(std::get<CommandList>(outcome));
}

void TfrmMain::ShowRejection(const InputRejection &rejection)
{
    if (!ShowMessage(frmMain, rejection.message, MB_ICONINFORMATION))
        MessageBeep(MB_ICONINFORMATION); // no box could be made: the focus still shows the field
    if (HWND field = FieldFor(rejection.focus)) {
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
    }
}

void TfrmMain::ShowCommandList(const CommandList &lines)
{
    std::string reason;
    try {
        // The window lives only for this block, however showing it ends.
        const std::unique_ptr<TfrmResult> frmResult = NewResultWindow();
        frmResult->Create(frmMain);
        for (const std::string &line : lines)
            frmResult->AddLine(line);
        frmResult->ShowModal();
        return;
    } catch (const std::exception &error) {
        reason = error.what();
    } catch (...) { }
    ShowMessage(frmMain,
                reason.empty() ? std::string(form::ListNotShown)
                               : std::string(form::ListNotShownBecause) + reason,
                MB_ICONERROR);
}

HWND TfrmMain::FieldFor(FocusField field) const
{
    switch (field) {
    case FocusField::edtCharNotify:
        return edtCharNotify;
    case FocusField::edtCharWrite:
        return edtCharWrite;
    case FocusField::edtiBeaconUUID:
        return edtiBeaconUUID;
    case FocusField::edtiBeaconMajor:
        return edtiBeaconMajor;
    case FocusField::edtiBeaconMinor:
        return edtiBeaconMinor;
    case FocusField::none:
        break;
    }
    return nullptr;
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
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == ControlId::btnShow)
            btnShowClick();
        else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == ControlId::btniBeacon)
            btniBeaconClick();
        else if (LOWORD(wParam) == IDOK) {
            // Enter: there is no default button, so Enter in a field starts
            // nothing; on a focused button it presses that button.
            const HWND focus = GetFocus();
            if (focus == btnShow || focus == btniBeacon)
                SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->hwndFrom == MainPage
            && reinterpret_cast<const NMHDR *>(lParam)->code == TCN_SELCHANGE)
            ShowPage(TabCtrl_GetCurSel(MainPage));
        return 0;
    case WM_DRAWITEM:
        if (wParam == ControlId::imgLogo)
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
        SizeAt(frmMain, scale, form::MainClientWidth, form::MainClientHeight,
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
