// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Brenvik Config Assistant for Windows: turns a few UUIDs into the AT
// commands that set up a BLE module. It only shows text; it never talks to
// a module.
#include "main.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>

int WINAPI wWinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TfrmMain frmMain;
        frmMain.Create();
        return frmMain.Run(nShowCmd);
    } catch (const std::exception &error) {
        const std::string text = std::string("The program could not start: ") + error.what();
        MessageBoxA(nullptr, text.c_str(), brenvik::form::MessageCaption.data(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
