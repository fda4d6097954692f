// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ClickFlow.h"
#include "FormControls.h"
#include "FormFont.h"
#include "Icons.h"
#include "Theme.h"

#include <windows.h>

#include <memory>

class TfrmResult;

// The program's main window: the study tab for the master role, the iBeacon
// tab for the slave role, an about tab and a status bar, made from the
// form's description.
class TfrmMain : private brenvik::form::FormView
{
public:
    TfrmMain() = default;
    virtual ~TfrmMain();
    TfrmMain(const TfrmMain &) = delete;
    TfrmMain &operator=(const TfrmMain &) = delete;

    // Makes the window with all its controls, hidden and centred. Throws
    // std::system_error when the window system refuses.
    void Create();
    // Shows the window and runs the program's message loop until the window
    // is closed; returns the program's exit code.
    int Run(int showCommand);
    // The keyboard handling of the window (Tab, Ctrl+Tab, Enter, Escape) for
    // one message of the loop; true when it has been handled.
    bool PreTranslateMessage(MSG &message);

    [[nodiscard]] HWND Handle() const { return frmMain; }

protected:
    // Makes the window that shows a command list; tests replace it to make
    // that step fail.
    [[nodiscard]] virtual std::unique_ptr<TfrmResult> NewResultWindow();

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    // The row of the button with this control ID, where its click does
    // something; nullptr otherwise.
    [[nodiscard]] static const brenvik::form::Control *ClickableRow(int id);

    void Layout();
    void ShowPage(int index);
    void UpdateLook();
    void PaintBackground(HWND window, HDC dc, const RECT &area) const;
    void Paint(HWND window) const;
    void DrawLogo(const DRAWITEMSTRUCT &item);

    // What a click needs of the window.
    [[nodiscard]] std::string FieldText(brenvik::form::Text name) const override;
    [[nodiscard]] int SelectedIndex(brenvik::form::Text name) const override;
    void ShowMessage(brenvik::form::Text text, brenvik::form::MessageKind kind) override;
    void FocusAndSelect(brenvik::form::Text name) override;
    [[nodiscard]] std::unique_ptr<brenvik::form::ResultView> NewResultView() override;

    win32::Scale scale;
    win32::UniqueFont formFont;
    win32::UniqueFont statusFont;
    win32::UniqueIcon logo;
    win32::WindowIcons icons;
    win32::PageBackground pageLook;
    bool DoubleBuffered = false;
    bool quitOnDestroy = false;
    HWND focusBeforeDeactivation = nullptr;
    win32::FormControls controls{brenvik::form::MainWindow};

    HWND frmMain = nullptr;
    HWND sbTitle = nullptr;
    HWND MainPage = nullptr;

    HWND tbStudy = nullptr;
    HWND GBUUIDType = nullptr;
    HWND cbUUIDType = nullptr;
    HWND GBUUIDNotify = nullptr;
    HWND edtCharNotify = nullptr;
    HWND GBUUIDWrite = nullptr;
    HWND edtCharWrite = nullptr;
    HWND GBHelp = nullptr;
    HWND GBButton = nullptr;
    HWND btnShow = nullptr;

    HWND tabBeacon = nullptr;
    HWND gbiBeaconUUID = nullptr;
    HWND edtiBeaconUUID = nullptr;
    HWND gbiBeaconMajor = nullptr;
    HWND edtiBeaconMajor = nullptr;
    HWND gbiBeaconMinor = nullptr;
    HWND edtiBeaconMinor = nullptr;
    HWND gbiBeaconHelp = nullptr;
    HWND btniBeacon = nullptr;

    HWND TabSheet1 = nullptr;
    HWND imgLogo = nullptr;
    HWND lbBuilding = nullptr;
};
