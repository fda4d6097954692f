// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// What a screen reader is told about the main window, through Windows' own
// accessibility layer (oleacc): the name and role of each field, of the UUID
// type list and of the logo.
//
// A field has no text of its own to be named by: Windows names it by the
// label that comes right before it in the z-order, a static text or a group
// box. The program makes each group box right before its field for that.
// Wine's oleacc takes only static texts as labels (it walks back past the
// group box to the last static text before it), so under Wine the names of
// the fields are checked through what Windows reads them from: the window
// right before each field, its class, its text and where it stands.

#include "Win32TestSupport.h"

#include <doctest/doctest.h>

#include <oleacc.h>

#include <string>
#include <string_view>

using namespace testing;
namespace id = ControlId;
namespace form = brenvik::form;

namespace {

bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// What oleacc reports for the client area of `window`.
struct Reported {
    HRESULT found = E_FAIL;
    std::string name;
    LONG role = 0;
};

Reported Report(HWND window)
{
    Reported reported;
    IAccessible *object = nullptr;
    reported.found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                __uuidof(IAccessible), reinterpret_cast<void **>(&object));
    if (FAILED(reported.found) || !object)
        return reported;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK && name) {
        reported.name = win32::Utf8(name);
        SysFreeString(name);
    }
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        reported.role = role.lVal;
    object->Release();
    return reported;
}

// Each named control, the tab it is on, the label Windows names it by and
// the name that gives.
struct Named {
    int control;
    int tab;
    int label;
    std::string_view name;
    LONG role;
};
constexpr Named named[] = {
    {id::cbUUIDType, 0, id::lbUUIDType, form::UuidTypeLabel, ROLE_SYSTEM_COMBOBOX},
    {id::edtCharNotify, 0, id::GBUUIDNotify, form::NotifyCaption, ROLE_SYSTEM_TEXT},
    {id::edtCharWrite, 0, id::GBUUIDWrite, form::WriteCaption, ROLE_SYSTEM_TEXT},
    {id::edtiBeaconUUID, 1, id::gbiBeaconUUID, form::BeaconUuidCaption, ROLE_SYSTEM_TEXT},
    {id::edtiBeaconMajor, 1, id::gbiBeaconMajor, form::MajorCaption, ROLE_SYSTEM_TEXT},
    {id::edtiBeaconMinor, 1, id::gbiBeaconMinor, form::MinorCaption, ROLE_SYSTEM_TEXT},
};

bool IsGroupBox(HWND window)
{
    return ClassName(window) == "Button"
           && (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// A label's closing colon may be left out of the name it gives.
bool SameName(std::string_view reported, std::string_view expected)
{
    if (reported == expected)
        return true;
    return expected.ends_with(':') && reported == expected.substr(0, expected.size() - 1);
}

} // namespace

TEST_SUITE("accessibility")
{
    TEST_CASE("each field and the UUID type list are named by their label, the logo by its text")
    {
        REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        const bool wine = UnderWine();
        {
            TfrmMain window;
            OpenMain main(window);
            for (const Named &row : named) {
                CAPTURE(row.name);
                main.ShowTab(row.tab);
                const HWND control = main[row.control];
                const HWND label = GetWindow(control, GW_HWNDPREV);
                // The label Windows takes: right before the control, visible
                // with it, saying the name; a group box only around it.
                REQUIRE(label == main[row.label]);
                CHECK(IsWindowVisible(label));
                CHECK(Text(label) == row.name);
                if (IsGroupBox(label)) {
                    RECT group = RectIn(label, GetParent(control));
                    RECT field = RectIn(control, GetParent(control));
                    RECT both{};
                    IntersectRect(&both, &group, &field);
                    CHECK(EqualRect(&both, &field));
                } else {
                    CHECK(ClassName(label) == "Static");
                }

                const Reported reported = Report(control);
                REQUIRE(reported.found == S_OK);
                // Wine knows the role of an edit field only.
                if (!wine || row.role == ROLE_SYSTEM_TEXT)
                    CHECK(reported.role == row.role);
                if (!wine)
                    CHECK(SameName(reported.name, row.name));
            }

            main.ShowTab(2);
            const Reported logo = Report(main[id::imgLogo]);
            REQUIRE(logo.found == S_OK);
            CHECK(logo.name == form::LogoName);
        }
        CoUninitialize();
    }
}
