// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// What a screen reader is told about the main window, through Windows' own
// accessibility layer (oleacc): the name and role of each field, of the UUID
// type list and of the logo.

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
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
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

// Each named control, the tab it is on, the name a screen reader reads and
// its role.
struct Named {
    int control;
    int tab;
    std::string_view name;
    LONG role;
};
constexpr Named named[] = {
    {id::Of("edtCharNotify"), 0, form::NotifyCaption, ROLE_SYSTEM_TEXT},
    {id::Of("edtCharWrite"), 0, form::WriteCaption, ROLE_SYSTEM_TEXT},
    {id::Of("edtiBeaconUUID"), 1, form::BeaconUuidCaption, ROLE_SYSTEM_TEXT},
    {id::Of("edtiBeaconMajor"), 1, form::MajorCaption, ROLE_SYSTEM_TEXT},
    {id::Of("edtiBeaconMinor"), 1, form::MinorCaption, ROLE_SYSTEM_TEXT},
    // Wine names a drop-down list by its item; Windows by the label before it.
    {id::Of("cbUUIDType"), 0, form::UuidTypeLabel, ROLE_SYSTEM_COMBOBOX},
};

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
                const Reported reported = Report(main[row.control]);
                REQUIRE(reported.found == S_OK);
                if (wine && row.control == id::Of("cbUUIDType"))
                    continue;
                // A label's closing colon may be left out of the name.
                CHECK((reported.name == row.name || reported.name + ":" == row.name));
                CHECK(reported.role == row.role);
            }

            main.ShowTab(2);
            const Reported logo = Report(main[id::Of("imgLogo")]);
            REQUIRE(logo.found == S_OK);
            CHECK(logo.name == form::LogoName);
        }
        CoUninitialize();
    }
}
