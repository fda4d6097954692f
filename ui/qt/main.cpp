// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "main.h"

#include "ATCommandList.h"
#include "BeaconList.h"
#include "FormStyle.h"
#include "StudyList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <array>
#include <exception>
#include <string_view>

using namespace brenvik;

namespace {

constexpr int statusBarHeight = 25;
constexpr int fieldGroupHeight = 72;
constexpr int buttonHeight = 25;

// The generators work on bytes; the window hands them UTF-8.
std::string_view Bytes(const QByteArray &text)
{
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

// A tab page whose groups are docked: fixed-height groups stack from the
// top, the one without a height takes what is left.
QVBoxLayout *DockLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QGroupBox *AddGroup(QVBoxLayout *dock, const char *name, const QString &title, int height = 0)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QLatin1String(name));
    if (height > 0)
        group->setFixedHeight(height);
    dock->addWidget(group, height > 0 ? 0 : 1);
    return group;
}

QLabel *AddLabel(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// An edit field at the top of its group, with a hint below it; screen
// readers announce it by the group's caption, then the hint.
QLineEdit *AddField(QGroupBox *group, const char *name, int maxLength, const QString &text,
                    const QString &hint)
{
    auto *field = new QLineEdit(text, group);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(8, 16, 497, 20);
    field->setMaxLength(maxLength);
    field->setAccessibleName(group->title());
    field->setAccessibleDescription(hint);
    AddLabel(group, hint, 8, 48);
    return field;
}

template<std::size_t N>
void AddHelpLines(QGroupBox *group, const std::array<form::Text, N> &lines)
{
    int top = 24;
    for (const form::Text line : lines) {
        AddLabel(group, QtText(line), 8, top);
        top += 16;
    }
}

QPushButton *AddButton(QWidget *parent, const char *name, const QString &caption, int left, int top,
                       int width)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, width, buttonHeight);
    return button;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent)
    , MainPage(new QTabWidget(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QtText(form::MainCaption));
    MakeFixedSizeWindow(this, form::MainClientWidth, form::MainClientHeight, MinimiseButton::shown);
    CentreOnScreen(this);

    // The status bar keeps the system's font; everything else uses the form's.
    MainPage->setObjectName(QStringLiteral("MainPage"));
    MainPage->setFont(FormFont());
    setCentralWidget(MainPage);
    BuildStudyPage();
    BuildBeaconPage();
    BuildAboutPage();
    BuildStatusBar();
    SetKeyboardOrder();
    MainPage->setCurrentWidget(tbStudy);

    connect(btnShow, &QPushButton::clicked, this, &TfrmMain::btnShowClick);
    connect(btniBeacon, &QPushButton::clicked, this, &TfrmMain::btniBeaconClick);
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildStudyPage()
{
    tbStudy = new QWidget;
    tbStudy->setObjectName(QStringLiteral("tbStudy"));
    MainPage->addTab(tbStudy, QtText(form::StudyTab));
    QVBoxLayout *dock = DockLayout(tbStudy);

    GBUUIDType = AddGroup(dock, "GBUUIDType", QtText(form::UuidTypeCaption), 41);
    QLabel *typeLabel = AddLabel(GBUUIDType, QtText(form::UuidTypeLabel), 8, 19);
    cbUUIDType = new QComboBox(GBUUIDType);
    typeLabel->setBuddy(cbUUIDType); // so that screen readers announce it
    cbUUIDType->setObjectName(QStringLiteral("cbUUIDType"));
    for (const form::Text item : form::UuidTypes)
        cbUUIDType->addItem(QtText(item));
    cbUUIDType->setGeometry(112, 16, 393, cbUUIDType->sizeHint().height());
    cbUUIDType->setAccessibleName(GBUUIDType->title());

    GBUUIDNotify = AddGroup(dock, "GBUUIDNotify", QtText(form::NotifyCaption), fieldGroupHeight);
    edtCharNotify = AddField(GBUUIDNotify, "edtCharNotify", form::UuidFieldLength,
                             QtText(form::NotifyDefault), QtText(form::NotifyHint));

    GBUUIDWrite = AddGroup(dock, "GBUUIDWrite", QtText(form::WriteCaption), fieldGroupHeight);
    edtCharWrite = AddField(GBUUIDWrite, "edtCharWrite", form::UuidFieldLength, QtText(form::WriteDefault),
                            QtText(form::WriteHint));

    GBHelp = AddGroup(dock, "GBHelp", QtText(form::HelpCaption));
    AddHelpLines(GBHelp, form::StudyHelp);

    GBButton = AddGroup(dock, "GBButton", QString(), 44);
    btnShow = AddButton(GBButton, "btnShow", QtText(form::ShowButton), 344, 11, 155);
}

void TfrmMain::BuildBeaconPage()
{
    tabBeacon = new QWidget;
    tabBeacon->setObjectName(QStringLiteral("tabBeacon"));
    MainPage->addTab(tabBeacon, QtText(form::BeaconTab));
    QVBoxLayout *dock = DockLayout(tabBeacon);

    gbiBeaconUUID = AddGroup(dock, "gbiBeaconUUID", QtText(form::BeaconUuidCaption), fieldGroupHeight);
    edtiBeaconUUID = AddField(gbiBeaconUUID, "edtiBeaconUUID", form::UuidFieldLength,
                              QtText(form::BeaconUuidDefault), QtText(form::BeaconUuidHint));

    gbiBeaconMajor = AddGroup(dock, "gbiBeaconMajor", QtText(form::MajorCaption), fieldGroupHeight);
    edtiBeaconMajor = AddField(gbiBeaconMajor, "edtiBeaconMajor", form::ValueFieldLength,
                               QtText(form::MajorDefault), QtText(form::MajorHint));

    gbiBeaconMinor = AddGroup(dock, "gbiBeaconMinor", QtText(form::MinorCaption), fieldGroupHeight);
    edtiBeaconMinor = AddField(gbiBeaconMinor, "edtiBeaconMinor", form::ValueFieldLength,
                               QtText(form::MinorDefault), QtText(form::MinorHint));

    gbiBeaconHelp = AddGroup(dock, "gbiBeaconHelp", QtText(form::HelpCaption));
    AddHelpLines(gbiBeaconHelp, form::BeaconHelp);
    btniBeacon = AddButton(gbiBeaconHelp, "btniBeacon", QtText(form::BeaconButton), 272, 80, 227);
}

void TfrmMain::BuildAboutPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    // "&&" shows one ampersand and makes no keyboard accelerator.
    MainPage->addTab(TabSheet1, QtText(form::AboutTab));

    imgLogo = new QLabel(TabSheet1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    // The logo is read only when its page is first shown; until then an empty
    // picture of its size holds its place, a picture to screen readers too.
    QPixmap placeholder(32, 32);
    placeholder.fill(Qt::transparent);
    imgLogo->setPixmap(placeholder);
    connect(MainPage, &QTabWidget::currentChanged, imgLogo, [this](int) {
        if (MainPage->currentWidget() == TabSheet1 && !logoRead) {
            logoRead = true;
            imgLogo->setPixmap(LogoIcon().pixmap(32, 32));
        }
    });
    imgLogo->setAccessibleName(QtText(form::LogoName));
    imgLogo->setGeometry(112, 134, 32, 32);

    lbBuilding = AddLabel(TabSheet1, QtText(form::Building), 168, 144);
    lbBuilding->setObjectName(QStringLiteral("lbBuilding"));
}

void TfrmMain::BuildStatusBar()
{
    sbTitle = new QStatusBar(this);
    sbTitle->setObjectName(QStringLiteral("sbTitle"));
    sbTitle->setFixedHeight(statusBarHeight);
    sbTitle->setSizeGripEnabled(false);

    auto *webPanel = new QLabel(QtText(form::WebAddress));
    webPanel->setFixedWidth(160);
    webPanel->setAlignment(Qt::AlignCenter);
    webPanel->setLayoutDirection(Qt::RightToLeft);
    sbTitle->addWidget(webPanel);
    // The last panel reaches the right edge.
    sbTitle->addWidget(new QLabel(QtText(form::SupportAddress)), 1);
    setStatusBar(sbTitle);
}

void TfrmMain::SetKeyboardOrder()
{
    // The Write field comes before the Notify field although it stands
    // below it. Widgets of hidden pages are skipped, so each tab strip leads
    // straight to the fields of its own page.
    QWidget *const order[] = {MainPage->tabBar(), cbUUIDType,     edtCharWrite,    edtCharNotify, btnShow,
                              edtiBeaconMinor,    edtiBeaconUUID, edtiBeaconMajor, btniBeacon};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmMain::FormCreate()
{
    // Qt's backing store already paints every widget off screen first (the
    // double buffering this window wants); make sure nothing opts out.
    setAttribute(Qt::WA_PaintOnScreen, false);
    MainPage->tabBar()->setFocus();
}

void TfrmMain::btnShowClick()
{
    const QByteArray notify = edtCharNotify->text().toUtf8();
    const QByteArray write = edtCharWrite->text().toUtf8();
    Present(BuildStudyList({Bytes(notify), Bytes(write), cbUUIDType->currentIndex()}));
}

void TfrmMain::btniBeaconClick()
{
    const QByteArray uuid = edtiBeaconUUID->text().toUtf8();
    const QByteArray major = edtiBeaconMajor->text().toUtf8();
    const QByteArray minor = edtiBeaconMinor->text().toUtf8();
    Present(BuildBeaconList({Bytes(uuid), Bytes(major), Bytes(minor)}));
}

void TfrmMain::Present(const ListOutcome &outcome)
{
    if (const auto *rejection = std::get_if<InputRejection>(&outcome))
        ShowRejection(*rejection);
    else
        ShowCommandList(std::get<CommandList>(outcome));
}

void TfrmMain::ShowRejection(const InputRejection &rejection)
{
    ShowMessage(
        this, QMessageBox::Information,
        QString::fromLatin1(rejection.message.data(), static_cast<qsizetype>(rejection.message.size())));
    if (QLineEdit *field = FieldFor(rejection.focus)) {
        field->setFocus();
        field->selectAll();
    }
}

std::unique_ptr<TfrmResult> TfrmMain::NewResultWindow()
{
    return std::make_unique<TfrmResult>();
}

void TfrmMain::ShowCommandList(const CommandList &lines)
{
    // The window lives only for this call, however showing it ends.
    try {
        const std::unique_ptr<TfrmResult> frmResult = NewResultWindow();
        // It has no owner, yet the window system must keep it in front of
        // this window, which it blocks: its native window, made now, is this
        // window's transient. Qt would then centre it on this window; it
        // belongs in the centre of this window's screen.
        frmResult->winId();
        frmResult->windowHandle()->setTransientParent(windowHandle());
        frmResult->windowHandle()->setScreen(windowHandle()->screen());
        CentreOnScreen(frmResult.get());
        for (const std::string &line : lines)
            frmResult->AddLine(QString::fromStdString(line));
        frmResult->exec();
    } catch (const std::exception &error) {
        ShowMessage(this, QMessageBox::Critical,
                    QtText(form::ListNotShownBecause) + QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowMessage(this, QMessageBox::Critical, QtText(form::ListNotShown));
    }
}

QLineEdit *TfrmMain::FieldFor(FocusField field) const
{
    switch (field) {
    case FocusField::edtCharNotify:
        return edtCharNotify;
    case FocusField::edtCharWrite:
        return edtCharWrite;
    case FocusField::edtiBeaconUUID:
        return edtiBeaconUUID;
    case FocusField::edtiBeaconMajor:
        return edtiBeaconMajor;
    case FocusField::edtiBeaconMinor:
        return edtiBeaconMinor;
    case FocusField::none:
        break;
    }
    return nullptr;
}
