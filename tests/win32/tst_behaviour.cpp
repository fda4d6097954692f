// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The main window driven as a user drives it: the keyboard's way through
// it, what typing does, and what each click on a create button brings up —
// a message box that sends the focus to the field at fault, or a command
// list window with the whole list — also with hostile text in every field.

#include "Expected.h"
#include "ExpectedLayout.h"
#include "Win32TestSupport.h"

#include <doctest/doctest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

using namespace testing;
namespace id = ControlId;
namespace expect = brenvik::expect;

namespace {

int FieldId(std::string_view name)
{
    const struct {
        std::string_view name;
        int id;
    } fields[] = {{"edtCharNotify", id::Of("edtCharNotify")},
                  {"edtCharWrite", id::Of("edtCharWrite")},
                  {"edtiBeaconUUID", id::Of("edtiBeaconUUID")},
                  {"edtiBeaconMajor", id::Of("edtiBeaconMajor")},
                  {"edtiBeaconMinor", id::Of("edtiBeaconMinor")}};
    for (const auto &field : fields)
        if (field.name == name)
            return field.id;
    return 0;
}

void SetText(HWND field, std::string_view text)
{
    SetWindowTextW(field, win32::Wide(text).c_str());
}

template<std::size_t N>
std::vector<std::string> Strings(const std::array<std::string_view, N> &lines)
{
    return {lines.begin(), lines.end()};
}

// A rejection as the user meets it: one box owned by the main window with
// the message, the program's caption, the information icon and one OK
// button; afterwards the named field has the focus with all its text
// selected, and no field has changed.
void CheckRejection(OpenMain &main, int button, std::string_view message, std::string_view focus)
{
    const std::vector<std::string> before = main.UserState();
    const HWND focusBefore = GetFocus();
    int opened = 0;
    const MessageSeen seen = ClickForMessage(main, button, &opened);
    CHECK(opened == 1);
    CHECK(seen.text == message);
    CHECK(seen.caption == "www.brenvik.example");
    CHECK(seen.owner == main.handle);
    CHECK(seen.icon == LoadIconW(nullptr, MAKEINTRESOURCEW(32516))); // IDI_INFORMATION
    CHECK(seen.buttons == 1);
    CHECK(main.UserState() == before);
    CHECK(IsWindowEnabled(main.handle));
    if (focus.empty()) {
        CHECK(GetFocus() == focusBefore);
        return;
    }
    const HWND field = main[FieldId(focus)];
    CHECK(GetFocus() == field);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(start == 0);
    CHECK(end == static_cast<DWORD>(GetWindowTextLengthW(field)));
}

// A list as the user meets it: a new window owned by the main window, which
// it disables, with the focus in the text; afterwards it is gone and the
// main window is as it was.
void CheckList(OpenMain &main, int button, const std::vector<std::string> &expected, CloseBy closeBy)
{
    const std::vector<std::string> before = main.UserState();
    int opened = 0;
    const ListSeen seen = ClickForList(main, button, closeBy, &opened);
    CHECK(opened == 1);
    CHECK(seen.lines == expected);
    CHECK(seen.owner == main.handle);
    CHECK_FALSE(seen.ownerEnabled);
    CHECK(seen.focus == id::Of("memLog"));
    CHECK(FindWindowW(L"TfrmResult", nullptr) == nullptr);
    CHECK(IsWindowEnabled(main.handle));
    CHECK(main.UserState() == before);
    CHECK(GetFocus() == main[button]);
}

// The name of the control that has the focus, for the keyboard tables.
std::string FocusName(OpenMain &main)
{
    const HWND focus = GetFocus();
    if (focus == main[id::Of("MainPage")])
        return "tab strip";
    for (const brenvik::expect::layout::TabOrder &tab : brenvik::expect::layout::keyboardOrder)
        for (const std::string_view name : tab.controls)
            if (focus == main[id::Of(name)])
                return std::string(name);
    return "elsewhere";
}

class FailingMain : public TfrmMain
{
public:
    enum class Fault { creating, showing } fault = Fault::creating;

private:
    struct Unshowable : TfrmResult {
        int ShowModal() override { throw std::runtime_error("the window system refused to show it"); }
    };
    std::unique_ptr<TfrmResult> NewResultWindow() override
    {
        if (fault == Fault::creating)
            throw std::system_error(ERROR_NOT_ENOUGH_MEMORY, std::system_category(), "out of window handles");
        return std::make_unique<Unshowable>();
    }
};

} // namespace

TEST_SUITE("keyboard")
{
    TEST_CASE("Tab and Shift+Tab go through each tab in its order, the tab strip first")
    {
        struct Tab {
            int tab;
            std::vector<std::string> order;
        };
        std::vector<Tab> tabs;
        for (const brenvik::expect::layout::TabOrder &expected : brenvik::expect::layout::keyboardOrder) {
            Tab &tab = tabs.emplace_back(Tab{expected.tab, {"tab strip"}});
            tab.order.insert(tab.order.end(), expected.controls.begin(), expected.controls.end());
            tab.order.emplace_back("tab strip");
        }
        for (const auto &tab : tabs) {
            CAPTURE(tab.tab);
            TfrmMain window;
            OpenMain main(window);
            REQUIRE(FocusName(main) == "tab strip");
            // Right arrow on the tab strip changes the page, as a keyboard user does.
            for (int i = 0; i < tab.tab; ++i)
                PressKey(window, VK_RIGHT);
            CHECK(TabCtrl_GetCurSel(main[id::Of("MainPage")]) == tab.tab);
            std::vector<std::string> forward{FocusName(main)};
            for (std::size_t i = 1; i < tab.order.size(); ++i) {
                PressKey(window, VK_TAB);
                forward.push_back(FocusName(main));
            }
            CHECK(forward == tab.order);
            std::vector<std::string> backward{FocusName(main)};
            for (std::size_t i = 1; i < tab.order.size(); ++i) {
                PressKey(window, VK_TAB, true);
                backward.push_back(FocusName(main));
            }
            CHECK(backward == std::vector<std::string>(tab.order.rbegin(), tab.order.rend()));
        }
    }

    TEST_CASE("Ctrl+Tab and Ctrl+Shift+Tab change the tab from anywhere")
    {
        TfrmMain window;
        OpenMain main(window);
        SetFocus(main[id::Of("edtCharNotify")]);
        PressKey(window, VK_TAB, false, true);
        CHECK(TabCtrl_GetCurSel(main[id::Of("MainPage")]) == 1);
        CHECK(IsWindowVisible(main[id::Of("tabBeacon")]));
        CHECK_FALSE(IsWindowVisible(main[id::Of("tbStudy")]));
        PressKey(window, VK_TAB, true, true);
        PressKey(window, VK_TAB, true, true);
        CHECK(TabCtrl_GetCurSel(main[id::Of("MainPage")]) == 2);
        CHECK(FocusName(main) == "tab strip");
    }

    TEST_CASE("typing: the lengths refuse more, every other character is taken")
    {
        const struct {
            int field;
            bool clearFirst;
            std::wstring typed;
            std::string expected;
        } rows[] = {
            {id::Of("edtiBeaconMajor"), false, L"4", "10123"},
            {id::Of("edtiBeaconMinor"), false, L"4", "10125"},
            {id::Of("edtiBeaconMajor"), true, L"123456", "12345"},
            {id::Of("edtiBeaconUUID"), false, L"A", std::string(expect::defaultBeaconUuid)},
            {id::Of("edtCharNotify"), true, L"0000FFE0-0000-1000-8000-00805F9B34FBA",
             "0000FFE0-0000-1000-8000-00805F9B34FB"},
            {id::Of("edtCharWrite"), true, L"0000FFE0-0000-1000-8000-00805F9B34FBA",
             "0000FFE0-0000-1000-8000-00805F9B34FB"},
            {id::Of("edtiBeaconMajor"), true, L"g-. z", "g-. z"},
            {id::Of("edtCharNotify"), true, L"xyz!\u00e9 -", "xyz!\xc3\xa9 -"},
        };
        for (const auto &row : rows) {
            CAPTURE(row.expected);
            TfrmMain window;
            OpenMain main(window);
            const HWND field = main[row.field];
            if (row.clearFirst)
                SetWindowTextW(field, L"");
            SetFocus(field);
            SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(-1), -1);
            Type(window, field, row.typed);
            CHECK(Text(field) == row.expected);
        }
    }

    TEST_CASE("Enter and Escape in a field start nothing; Enter on a focused button presses it")
    {
        for (const int field : {id::Of("edtCharNotify"), id::Of("edtCharWrite"), id::Of("edtiBeaconUUID"),
                                id::Of("edtiBeaconMajor"), id::Of("edtiBeaconMinor")}) {
            TfrmMain window;
            OpenMain main(window);
            if (field >= id::Of("tabBeacon"))
                main.ShowTab(1);
            SetFocus(main[field]);
            const std::vector<std::string> before = main.UserState();
            int opened = 0;
            {
                ModalWatcher watcher(main.handle, [&](HWND modal) {
                    ++opened;
                    PostMessageW(modal, WM_CLOSE, 0, 0);
                });
                PressKey(window, VK_RETURN);
                PressKey(window, VK_ESCAPE);
                Sleep(60);
                Pump(window);
            }
            CHECK(opened == 0);
            CHECK(main.UserState() == before);
            CHECK(GetFocus() == main[field]);
            CHECK(IsWindowVisible(main.handle));
        }
        TfrmMain window;
        OpenMain main(window);
        SetFocus(main[id::Of("btnShow")]);
        ListSeen seen;
        {
            ModalWatcher watcher(main.handle, [&](HWND list) {
                seen = ReadList(list);
                PostMessageW(Control(list, id::Of("btnOK")), BM_CLICK, 0, 0);
            });
            PressKey(window, VK_RETURN);
        }
        CHECK(seen.lines == Strings(expect::studyDefaults16));
    }
}

TEST_SUITE("clicks")
{
    TEST_CASE("rejected study requests: the message, then the focus in the field at fault")
    {
        for (const expect::StudyRejection &row : expect::studyRejections) {
            CAPTURE(row.name);
            TfrmMain window;
            OpenMain main(window);
            SetText(main[id::Of("edtCharNotify")], row.notify);
            SetText(main[id::Of("edtCharWrite")], row.write);
            SendMessageW(main[id::Of("cbUUIDType")], CB_SETCURSEL, static_cast<WPARAM>(row.uuidType), 0);
            SetFocus(main[id::Of("btnShow")]);
            CheckRejection(main, id::Of("btnShow"), row.message, row.focus);
        }
    }

    TEST_CASE("rejected iBeacon requests: the message, then the focus in the field at fault")
    {
        for (const expect::BeaconRejection &row : expect::beaconRejections) {
            CAPTURE(row.name);
            TfrmMain window;
            OpenMain main(window);
            main.ShowTab(1);
            SetText(main[id::Of("edtiBeaconUUID")], row.uuid);
            SetText(main[id::Of("edtiBeaconMajor")], row.major);
            SetText(main[id::Of("edtiBeaconMinor")], row.minor);
            SetFocus(main[id::Of("btniBeacon")]);
            CheckRejection(main, id::Of("btniBeacon"), row.message, row.focus);
        }
    }

    TEST_CASE("lists: line by line in a new window each click, closed by OK or by the close box")
    {
        for (const CloseBy closeBy : {CloseBy::okButton, CloseBy::closeBox}) {
            TfrmMain window;
            OpenMain main(window);
            SetFocus(main[id::Of("btnShow")]);
            CheckList(main, id::Of("btnShow"), Strings(expect::studyDefaults16), closeBy);
            CheckList(main, id::Of("btnShow"), Strings(expect::studyDefaults16), closeBy);

            SetText(main[id::Of("edtCharNotify")], expect::workedNotify);
            SetText(main[id::Of("edtCharWrite")], expect::workedWrite);
            SendMessageW(main[id::Of("cbUUIDType")], CB_SETCURSEL, 1, 0);
            CheckList(main, id::Of("btnShow"), Strings(expect::studyExample128), closeBy);

            main.ShowTab(1);
            SetFocus(main[id::Of("btniBeacon")]);
            CheckList(main, id::Of("btniBeacon"), Strings(expect::beaconDefaults), closeBy);
        }
    }

    TEST_CASE("every create button of the description makes its action's list of the defaults")
    {
        namespace form = brenvik::form;
        const std::pair<form::Action, std::vector<std::string>> lists[]
            = {{form::Action::studyList, Strings(expect::studyDefaults16)},
               {form::Action::beaconList, Strings(expect::beaconDefaults)}};
        for (std::size_t row = 0; row < form::MainWindow.controls.size(); ++row) {
            const form::Control &button = form::MainWindow.controls[row];
            if (button.click.action == form::Action::none)
                continue;
            CAPTURE(button.name);
            const auto list = std::find_if(std::begin(lists), std::end(lists), [&](const auto &each) {
                return each.first == button.click.action;
            });
            REQUIRE(list != std::end(lists));
            TfrmMain window;
            OpenMain main(window);
            const int id = id::OfRow(form::MainWindow, row);
            // The tab it is on, as a user looks for it.
            const int tabs = TabCtrl_GetItemCount(main[id::Of("MainPage")]);
            for (int tab = 0; tab < tabs && IsWindowVisible(main[id]) == FALSE; ++tab)
                main.ShowTab(tab);
            SetFocus(main[id]);
            CheckList(main, id, list->second, CloseBy::okButton);
        }
    }

    TEST_CASE("the list: Enter and Escape leave it open, Ctrl+A and copy take it whole, Tab goes on to OK")
    {
        TfrmMain window;
        OpenMain main(window);
        bool stillOpen = false;
        std::string copied;
        int focusAfterTab = 0;
        {
            ModalWatcher watcher(main.handle, [&](HWND list) {
                // Keys as the list window's loop hands them on.
                const HWND memLog = Control(list, id::Of("memLog"));
                for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
                    MSG press{memLog, WM_KEYDOWN, key, 1, 0, {}};
                    IsDialogMessageW(list, &press);
                }
                stillOpen = IsWindowVisible(list) != FALSE && GetFocus() == memLog;
                SendMessageW(memLog, WM_CHAR, 1, 1); // Ctrl+A
                SendMessageW(memLog, WM_COPY, 0, 0);
                if (OpenClipboard(list) != FALSE) {
                    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                        copied = win32::Utf8(static_cast<const wchar_t *>(GlobalLock(data)));
                        GlobalUnlock(data);
                    }
                    CloseClipboard();
                }
                MSG tab{memLog, WM_KEYDOWN, VK_TAB, 1, 0, {}};
                IsDialogMessageW(list, &tab);
                focusAfterTab = GetDlgCtrlID(GetFocus());
                PostMessageW(Control(list, id::Of("btnOK")), BM_CLICK, 0, 0);
            });
            SendMessageW(main[id::Of("btnShow")], BM_CLICK, 0, 0);
        }
        CHECK(stillOpen);
        CHECK(Lines(copied) == Strings(expect::studyDefaults16));
        CHECK(focusAfterTab == id::Of("btnOK"));
    }

    TEST_CASE(
        "a list window that cannot be made or shown: an error, nothing left behind, the program goes on")
    {
        const struct {
            FailingMain::Fault fault;
            std::string_view reason;
        } faults[] = {{FailingMain::Fault::creating, "out of window handles"},
                      {FailingMain::Fault::showing, "the window system refused to show it"}};
        for (const auto &fault : faults) {
            CAPTURE(fault.reason);
            FailingMain window;
            window.fault = fault.fault;
            OpenMain main(window);
            const MessageSeen error = ClickForMessage(main, id::Of("btnShow"));
            CHECK(error.caption == "www.brenvik.example");
            CHECK(error.text.find("The command list could not be shown: ") == 0);
            CHECK(error.text.find(fault.reason) != std::string::npos);
            CHECK(error.icon == LoadIconW(nullptr, MAKEINTRESOURCEW(32513))); // IDI_ERROR
            CHECK(FindWindowW(L"TfrmResult", nullptr) == nullptr);
            CHECK(IsWindowEnabled(main.handle));
            // ...and the next click works.
            SetText(main[id::Of("edtiBeaconUUID")], "");
            CheckRejection(main, id::Of("btniBeacon"), expect::fill, "edtiBeaconUUID");
        }
    }
}

TEST_SUITE("abuse")
{
    TEST_CASE("letters beyond ASCII reach the checks as UTF-8 and are rejected as such")
    {
        const struct {
            int field;
            std::wstring typed;
            std::string_view message;
        } rows[] = {
            {id::Of("edtCharNotify"), L"FFE\u00e91", expect::badNotify},
            {id::Of("edtCharWrite"), L"FFE\u00e91", expect::badWrite},
            {id::Of("edtCharNotify"), L"\u00a0FFE1", expect::badNotify}, // a no-break space is not trimmed
            {id::Of("edtCharWrite"), L"FF\U0001F600", expect::badWrite},
            {id::Of("edtiBeaconUUID"), L"0000FFF0-0000-1000-8000-00805F9B34F\u00c9", expect::badUuidDigits},
            {id::Of("edtiBeaconMajor"), L"1\u00e923", expect::badMajor},
            {id::Of("edtiBeaconMinor"), L"\xd800", expect::badMinor}, // a lone surrogate
        };
        for (const auto &row : rows) {
            CAPTURE(row.message);
            TfrmMain window;
            OpenMain main(window);
            const bool beacon = row.field >= id::Of("tabBeacon");
            if (beacon)
                main.ShowTab(1);
            SetWindowTextW(main[row.field], row.typed.c_str());
            const MessageSeen seen = ClickForMessage(main, beacon ? id::Of("btniBeacon") : id::Of("btnShow"));
            CHECK(seen.text == row.message);
            CHECK(GetFocus() == main[row.field]);
        }
    }

    TEST_CASE("hundreds of random pastes into every field: a message or a list, never a crash")
    {
        TfrmMain window;
        OpenMain main(window);
        std::mt19937 random(20261208);
        const int fields[] = {id::Of("edtCharNotify"), id::Of("edtCharWrite"), id::Of("edtiBeaconUUID"),
                              id::Of("edtiBeaconMajor"), id::Of("edtiBeaconMinor")};
        // Control characters, digits, dashes, letters, non-ASCII and surrogate halves.
        const std::wstring wild
            = L"\x01\t\n\r\x1f -0123456789abcdefABCDEFgGzZ\x7f\u00e9\u00a0\u4e2d\xd83d\xde00";
        // Every other paste is short and nearly valid, so that lists come up too.
        const std::wstring tame = L" 0123456789abcdef";
        int messages = 0;
        int lists = 0;
        for (int paste = 0; paste < 300; ++paste) {
            const int field = fields[random() % std::size(fields)];
            // The other fields hold their defaults.
            SetText(main[id::Of("edtCharNotify")], brenvik::form::NotifyDefault);
            SetText(main[id::Of("edtCharWrite")], brenvik::form::WriteDefault);
            SetText(main[id::Of("edtiBeaconUUID")], brenvik::form::BeaconUuidDefault);
            SetText(main[id::Of("edtiBeaconMajor")], brenvik::form::MajorDefault);
            SetText(main[id::Of("edtiBeaconMinor")], brenvik::form::MinorDefault);
            const bool nearlyValid = paste % 2 == 0;
            const std::wstring &alphabet = nearlyValid ? tame : wild;
            std::wstring text;
            for (std::size_t n = random() % (nearlyValid ? 7 : 40); n > 0; --n)
                text += alphabet[random() % alphabet.size()];
            SetWindowTextW(main[field], L"");
            SetFocus(main[field]);
            // A paste as the user makes it: through the clipboard, cut to the field's length.
            if (OpenClipboard(main.handle) != FALSE) {
                EmptyClipboard();
                const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
                if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
                    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
                    GlobalUnlock(memory);
                    SetClipboardData(CF_UNICODETEXT, memory);
                }
                CloseClipboard();
            }
            SendMessageW(main[field], WM_PASTE, 0, 0);
            CHECK(GetWindowTextLengthW(main[field])
                  <= static_cast<int>(SendMessageW(main[field], EM_GETLIMITTEXT, 0, 0)));
            const std::vector<std::string> before = main.UserState();
            const bool beacon = field >= id::Of("tabBeacon");
            ModalWatcher watcher(main.handle, [&](HWND modal) {
                if (ClassName(modal) == "TfrmResult") {
                    ++lists;
                    PostMessageW(Control(modal, id::Of("btnOK")), BM_CLICK, 0, 0);
                } else {
                    ++messages;
                    CloseMessageBox(modal);
                }
            });
            SendMessageW(main[beacon ? id::Of("btniBeacon") : id::Of("btnShow")], BM_CLICK, 0, 0);
            CHECK(watcher.Seen() == 1);
            CHECK(main.UserState() == before);
        }
        CHECK(messages + lists == 300);
        MESSAGE(messages << " messages, " << lists << " lists");
    }
}
