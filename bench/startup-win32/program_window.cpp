// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The program's start, as its entry point does it
// (ui/win32/BrenvikConfigAssistant.cpp), plus a watch that prints the time
// from process creation to the first paint of the main window and then ends
// the program. The real program reads no environment or command line of its
// own, so it is measured through this copy of its start.
#include "FirstPaint.h"
#include "main.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    const double mainMs = startup_bench::SinceCreation();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    TfrmMain frmMain;
    frmMain.Create();
    const startup_bench::FirstPaintWatch watch(frmMain.Handle(), mainMs);
    return frmMain.Run(nShowCmd);
}
