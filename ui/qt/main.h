// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CommandList.h"

#include <QMainWindow>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class TfrmResult;

// The program's main window: the study tab for the master role, the iBeacon
// tab for the slave role, an about tab and a status bar.
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

protected:
    // Makes the window that shows a command list; tests replace it to make
    // that step fail.
    [[nodiscard]] virtual std::unique_ptr<TfrmResult> NewResultWindow();

private:
    void FormCreate();
    void btnShowClick();
    void btniBeaconClick();

    void BuildStudyPage();
    void BuildBeaconPage();
    void BuildAboutPage();
    void BuildStatusBar();
    void SetKeyboardOrder();

    void Present(const brenvik::ListOutcome &outcome);
    void ShowRejection(const brenvik::InputRejection &rejection);
    void ShowCommandList(const brenvik::CommandList &lines);
    [[nodiscard]] QLineEdit *FieldFor(brenvik::FocusField field) const;

    QStatusBar *sbTitle = nullptr;
    QTabWidget *MainPage = nullptr;

    QWidget *tbStudy = nullptr;
    QGroupBox *GBUUIDType = nullptr;
    QComboBox *cbUUIDType = nullptr;
    QGroupBox *GBUUIDNotify = nullptr;
    QLineEdit *edtCharNotify = nullptr;
    QGroupBox *GBUUIDWrite = nullptr;
    QLineEdit *edtCharWrite = nullptr;
    QGroupBox *GBHelp = nullptr;
    QGroupBox *GBButton = nullptr;
    QPushButton *btnShow = nullptr;

    QWidget *tabBeacon = nullptr;
    QGroupBox *gbiBeaconUUID = nullptr;
    QLineEdit *edtiBeaconUUID = nullptr;
    QGroupBox *gbiBeaconMajor = nullptr;
    QLineEdit *edtiBeaconMajor = nullptr;
    QGroupBox *gbiBeaconMinor = nullptr;
    QLineEdit *edtiBeaconMinor = nullptr;
    QGroupBox *gbiBeaconHelp = nullptr;
    QPushButton *btniBeacon = nullptr;

    QWidget *TabSheet1 = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *lbBuilding = nullptr;
    bool logoRead = false;
};
