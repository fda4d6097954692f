// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "main.h"

#include "ATCommandList.h"
#include "FontAndIcons.h"
#include "TopLevelWindows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

namespace form = brenvik::form;

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QtText(form::MainWindow.name));
    setWindowTitle(QtText(form::MainWindow.caption));
    MakeFixedSizeWindow(this, form::MainWindow.clientWidth, form::MainWindow.clientHeight,
                        MinimiseButton::shown);
    CentreOnScreen(this);
    widgets.Build(this);

    sbTitle = widgets.Get<QStatusBar>("sbTitle");
    MainPage = widgets.Get<QTabWidget>("MainPage");
    tbStudy = widgets.Get<QWidget>("tbStudy");
    GBUUIDType = widgets.Get<QGroupBox>("GBUUIDType");
    cbUUIDType = widgets.Get<QComboBox>("cbUUIDType");
    GBUUIDNotify = widgets.Get<QGroupBox>("GBUUIDNotify");
    edtCharNotify = widgets.Get<QLineEdit>("edtCharNotify");
    GBUUIDWrite = widgets.Get<QGroupBox>("GBUUIDWrite");
    edtCharWrite = widgets.Get<QLineEdit>("edtCharWrite");
    GBHelp = widgets.Get<QGroupBox>("GBHelp");
    GBButton = widgets.Get<QGroupBox>("GBButton");
    btnShow = widgets.Get<QPushButton>("btnShow");
    tabBeacon = widgets.Get<QWidget>("tabBeacon");
    gbiBeaconUUID = widgets.Get<QGroupBox>("gbiBeaconUUID");
    edtiBeaconUUID = widgets.Get<QLineEdit>("edtiBeaconUUID");
    gbiBeaconMajor = widgets.Get<QGroupBox>("gbiBeaconMajor");
    edtiBeaconMajor = widgets.Get<QLineEdit>("edtiBeaconMajor");
    gbiBeaconMinor = widgets.Get<QGroupBox>("gbiBeaconMinor");
    edtiBeaconMinor = widgets.Get<QLineEdit>("edtiBeaconMinor");
    gbiBeaconHelp = widgets.Get<QGroupBox>("gbiBeaconHelp");
    btniBeacon = widgets.Get<QPushButton>("btniBeacon");
    TabSheet1 = widgets.Get<QWidget>("TabSheet1");
    imgLogo = widgets.Get<QLabel>("imgLogo");
    lbBuilding = widgets.Get<QLabel>("lbBuilding");

    MainPage->setCurrentWidget(tbStudy);
    // The logo is read only when its page is first shown.
    connect(MainPage, &QTabWidget::currentChanged, imgLogo, [this](int) {
        if (MainPage->currentWidget() == TabSheet1 && !logoRead) {
            logoRead = true;
            imgLogo->setPixmap(LogoIcon().pixmap(imgLogo->size()));
        }
    });

    // Each button's row says what its click does.
    for (const form::Control &control : form::MainWindow.controls)
        if (control.click.action != form::Action::none)
            connect(widgets.Get<QPushButton>(control.name), &QPushButton::clicked, this,
                    [this, &control] { form::Click(*this, form::MainWindow, control); });
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    // Qt's backing store already paints every widget off screen first (the
    // double buffering this window wants); make sure nothing opts out.
    setAttribute(Qt::WA_PaintOnScreen, false);
    MainPage->tabBar()->setFocus();
}

std::string TfrmMain::FieldText(form::Text name) const
{
    return widgets.Get<QLineEdit>(name)->text().toStdString();
}

int TfrmMain::SelectedIndex(form::Text name) const
{
    return widgets.Get<QComboBox>(name)->currentIndex();
}

void TfrmMain::ShowMessage(form::Text text, form::MessageKind kind)
{
    ::ShowMessage(this, kind == form::MessageKind::error ? QMessageBox::Critical : QMessageBox::Information,
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmMain::FocusAndSelect(form::Text name)
{
    auto *field = widgets.Get<QLineEdit>(name);
    field->setFocus();
    field->selectAll();
}

std::unique_ptr<TfrmResult> TfrmMain::NewResultWindow()
{
    return std::make_unique<TfrmResult>();
}

std::unique_ptr<form::ResultView> TfrmMain::NewResultView()
{
    std::unique_ptr<TfrmResult> frmResult = NewResultWindow();
    // It has no owner, yet the window system must keep it in front of this
    // window, which it blocks: its native window, made now, is this window's
    // transient. Qt would then centre it on this window; it belongs in the
    // centre of this window's screen.
    frmResult->winId();
    frmResult->windowHandle()->setTransientParent(windowHandle());
    frmResult->windowHandle()->setScreen(windowHandle()->screen());
    CentreOnScreen(frmResult.get());
    return frmResult;
}
