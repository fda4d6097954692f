// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ClickFlow.h"
#include "FormWidgets.h"

#include <QMainWindow>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QWidget;
class TfrmResult;

// The program's main window: the study tab for the master role, the iBeacon
// tab for the slave role, an about tab and a status bar, made from the
// form's description.
class TfrmMain : public QMainWindow, private brenvik::form::FormView
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

    // What a click needs of the window.
    [[nodiscard]] std::string FieldText(brenvik::form::Text name) const override;
    [[nodiscard]] int SelectedIndex(brenvik::form::Text name) const override;
    void ShowMessage(brenvik::form::Text text, brenvik::form::MessageKind kind) override;
    void FocusAndSelect(brenvik::form::Text name) override;
    [[nodiscard]] std::unique_ptr<brenvik::form::ResultView> NewResultView() override;

    FormWidgets widgets{brenvik::form::MainWindow};
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
