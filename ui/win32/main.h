// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CommandList.h"
#include "FormStyle.h"
#include "Theme.h"

#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <vector>

class TfrmResult;

// The program's main window: the study tab for the master role, the iBeacon
// tab for the slave role, an about tab and a status bar.
class TfrmMain
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
    enum class Dock { top, rest, bottom };
    // A group docked in its tab page: top groups stack from the top edge,
    // the bottom one sits at the bottom edge and the rest one fills the space
    // between. Heights are at 96 DPI.
    struct DockedGroup {
        HWND group;
        Dock dock;
        int height;
    };
    struct Page {
        HWND page;
        std::vector<DockedGroup> groups;
    };
    // A control at a place in its group, at 96 DPI; a width of 0 makes it as
    // large as its text (a label).
    struct Placement {
        HWND control;
        HWND group;
        int left;
        int top;
        int width;
        int height;
    };

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    void btnShowClick();
    void btniBeaconClick();

    void BuildStudyPage();
    void BuildBeaconPage();
    void BuildAboutPage();
    void BuildStatusBar();
    HWND AddPage(int id, brenvik::form::Text caption);
    HWND AddGroup(int id, brenvik::form::Text caption);
    HWND AddLabel(HWND group, int id, brenvik::form::Text text, int left, int top);
    HWND AddField(HWND group, int id, int maxLength, brenvik::form::Text text, int hintId,
                  brenvik::form::Text hint);
    void AddHelpLines(HWND group, int firstId, std::span<const brenvik::form::Text> lines);
    HWND AddButton(HWND group, int id, brenvik::form::Text caption, int left, int top, int width);
    void Layout();
    void ShowPage(int index);
    void UpdateLook();
    void PaintBackground(HWND window, HDC dc, const RECT &area) const;
    void Paint(HWND window) const;
    void DrawLogo(const DRAWITEMSTRUCT &item);

    void Present(const brenvik::ListOutcome &outcome);
    void ShowRejection(const brenvik::InputRejection &rejection);
    void ShowCommandList(const brenvik::CommandList &lines);
    [[nodiscard]] HWND FieldFor(brenvik::FocusField field) const;

    win32::Scale scale;
    win32::UniqueFont formFont;
    win32::UniqueFont statusFont;
    win32::UniqueIcon logo;
    win32::WindowIcons icons;
    win32::PageBackground pageLook;
    bool DoubleBuffered = false;
    bool quitOnDestroy = false;
    HWND focusBeforeDeactivation = nullptr;
    std::vector<Page> pages;
    std::vector<Placement> placements;

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
