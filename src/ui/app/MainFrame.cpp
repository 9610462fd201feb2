// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <array>
#include <tuple>

#include "model/ChannelFlags.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/PortFile.h"
#include "ui/app/LanguageMenu.h"
#include "ui/app/StatusIndicators.h"
#include "ui/app/ToolbarIcons.h"
#include "ui/app/WindowPlacement.h"
#include "ui/common/AppIcon.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/view/KM42View.h"
#include "ui/view/PlanChanges.h"

namespace {

// Qt takes a tool button's text, which a screen reader reads, from the menu text: key and all.
QString ToolButtonText(const CommandInfo& command) {
    return QString::fromUtf8(command.label).remove(QStringLiteral("...")).remove(QLatin1Char('&'));
}

}  // namespace

CMainFrame::CMainFrame(CKM42Doc& doc, CUiPrompts& prompts) : m_doc(doc), m_prompts(prompts) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(AppIcon());

    m_pView = new CKM42View(doc, prompts, this);
    setCentralWidget(m_pView);
    UpdateTitle();
    connect(&m_pView->PlanChanges(), &CPlanChanges::StateChanged, this, &CMainFrame::UpdateTitle);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCommands();
    connect(m_pView, &CKM42View::PlanLaidOut, this, &CMainFrame::UpdateCommandUI);
    connect(&m_pView->PlanChanges().History(), &QUndoStack::indexChanged, this,
            &CMainFrame::UpdateHistoryCommands);
    connect(&m_pView->PlanChanges().History(), &QUndoStack::cleanChanged, this,
            &CMainFrame::UpdateHistoryCommands);
    connect(m_pView, &CKM42View::GridMenuRequested, this, &CMainFrame::ShowGridMenu);
    // The last exchange's outcome keeps a field of its own: a hover prompt does not wipe it.
    connect(m_pView, &CKM42View::StatusNote, m_pExchangeNote, [this](const QString& text) {
        m_pExchangeNote->setText(text);
        m_pExchangeNote->setToolTip(text);  // whole, where a narrow window cuts the field
    });
}

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = m_actions.find(id);
    return it != m_actions.end() ? it->second : nullptr;
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& command : Commands()) {
        auto* action = new QAction(MenuText(command), this);
        action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(command.id)));
        action->setIconText(ToolButtonText(command));
        action->setStatusTip(StatusPrompt(command));
        action->setToolTip(ToolTipText(command));
        action->setCheckable(command.checkable);
        if (command.icon != ToolIcon::None) action->setIcon(CommandIcon(command.icon));
        action->setShortcuts(CommandKeys(command));
        m_actions[command.id] = action;
    }
}

void CMainFrame::CreateMenus() {
    for (const MenuInfo& info : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Tr(info.title));
        for (CommandId id : info.items) {
            if (id == CommandId::Separator)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
        // The enabling rules are evaluated whenever a menu opens.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
    // Help > Language, just above About.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        QAction* about = Action(CommandId::AppAbout);
        if (!menu->actions().contains(about)) continue;
        menu->insertMenu(about, MakeLanguageMenu(this, m_prompts));
        menu->insertSeparator(about);
    }
    m_pGridMenu = new QMenu(this);
    m_pGridMenu->setObjectName(QStringLiteral("gridMenu"));
    for (CommandId id : GridMenuItems()) {
        if (id == CommandId::Separator)
            m_pGridMenu->addSeparator();
        else
            m_pGridMenu->addAction(Action(id));
    }
}

void CMainFrame::ShowGridMenu(const QPoint& globalPos) {
    UpdateCommandUI();
    m_pGridMenu->popup(globalPos);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar(Tr(msg::kToolBarTitle));
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    for (CommandId id : ToolBarItems()) {
        if (id == CommandId::Separator)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(Action(id));
    }
}

void CMainFrame::CreateStatusBar() {
    m_pReadyPane = new QLabel(Tr(kStatusReady), statusBar());
    m_pReadyPane->setObjectName(QStringLiteral("readyPane"));
    // A normal pane: a hover prompt (temporary message) covers it and "Ready" comes back after.
    statusBar()->addWidget(m_pReadyPane, 1);
    m_pExchangeNote = new QLabel(statusBar());
    m_pExchangeNote->setObjectName(QStringLiteral("exchangeNote"));
    statusBar()->addPermanentWidget(m_pExchangeNote);
    m_pIndicators = new CStatusIndicators(*statusBar());
}

void CMainFrame::Route(CommandId id, void (CKM42View::*handler)()) {
    connect(Action(id), &QAction::triggered, this, [this, handler] {
        (m_pView->*handler)();
        UpdateCommandUI();
    });
}

void CMainFrame::ConnectCommands() {
    Route(CommandId::FileNew, &CKM42View::OnFileNew);
    Route(CommandId::FileOpen, &CKM42View::OnFileOpen);
    Route(CommandId::FileOpenBackup, &CKM42View::OnFileOpenBackup);
    Route(CommandId::FileSave, &CKM42View::OnFileSave);
    Route(CommandId::FileImportCsv, &CKM42View::OnFileImportCsv);
    Route(CommandId::FileExportCsv, &CKM42View::OnFileExportCsv);
    Route(CommandId::FilePrint, &CKM42View::OnFilePrint);
    Route(CommandId::Options, &CKM42View::OnOptions);
    Route(CommandId::ReadRadio, &CKM42View::OnReadRadio);
    Route(CommandId::WriteRadio, &CKM42View::OnWriteRadio);
    Route(CommandId::FleetJob, &CKM42View::OnFleetJob);
    Route(CommandId::RadioHistory, &CKM42View::OnFileRadioHistory);
    Route(CommandId::HelpManual, &CKM42View::OnHelpManual);
    Route(CommandId::HelpDiagnostics, &CKM42View::OnSaveDiagnostics);
    Route(CommandId::EditUndo, &CKM42View::OnEditUndo);
    Route(CommandId::EditRedo, &CKM42View::OnEditRedo);
    Route(CommandId::EditCopy, &CKM42View::OnEditCopy);
    Route(CommandId::EditPaste, &CKM42View::OnEditPaste);
    Route(CommandId::EditClear, &CKM42View::OnEditClear);
    Route(CommandId::EditSelectAll, &CKM42View::OnEditSelectAll);
    const std::array<std::tuple<CommandId, CKM42View::FlagSetter, bool>, 6> flagCommands = {{
        {CommandId::ScanOn, ::SetScan, true},
        {CommandId::ScanOff, ::SetScan, false},
        {CommandId::PowerHigh, ::SetHighPower, true},
        {CommandId::PowerLow, ::SetHighPower, false},
        {CommandId::SpacingStandard, ::SetStdSpacing, true},
        {CommandId::SpacingNarrow, ::SetStdSpacing, false},
    }};
    for (const auto& [id, set, on] : flagCommands) {
        connect(Action(id), &QAction::triggered, this, [this, set = set, on = on] {
            m_pView->SetFlagOfSelection(set, on);
            UpdateCommandUI();
        });
    }
    connect(Action(CommandId::ComPort1), &QAction::triggered, this, &CMainFrame::OnComPort1);
    connect(Action(CommandId::ComPort2), &QAction::triggered, this, &CMainFrame::OnComPort2);
    connect(Action(CommandId::SerialDevices), &QAction::triggered, this,
            &CMainFrame::OnSerialDevices);
    connect(Action(CommandId::ReadBeforeWrite), &QAction::triggered, this,
            [this] { ToggleWriteCheck(&WriteChecks::readFirst); });
    connect(Action(CommandId::VerifyAfterWrite), &QAction::triggered, this,
            [this] { ToggleWriteCheck(&WriteChecks::verify); });
    // Closing asks about unsaved changes (closeEvent).
    connect(Action(CommandId::AppExit), &QAction::triggered, this, &QWidget::close);
    // About belongs to the application object, which connects it.
}

void CMainFrame::InitialUpdateFrame() {
    m_pView->OnInitialUpdate();
    // Fit the window to the form (adjustSize() would cap it at part of the screen), as far as
    // the screen holds it.
    FitToScreen(*this);
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    const bool planReady = m_pView->m_bDataReady != 0;
    for (const CommandInfo& command : Commands())
        Action(command.id)->setEnabled(!command.needsPlan || planReady);
    UpdateHistoryCommands();
    Action(CommandId::ComPort1)->setChecked(m_pView->m_bCom1 != 0);
    Action(CommandId::ComPort2)->setChecked(m_pView->m_bCom1 == 0);
    Action(CommandId::ReadBeforeWrite)->setChecked(m_pView->m_WriteChecks.readFirst);
    Action(CommandId::VerifyAfterWrite)->setChecked(m_pView->m_WriteChecks.verify);
}

void CMainFrame::UpdateHistoryCommands() {
    const QUndoStack& history = m_pView->PlanChanges().History();
    const auto show = [this](CommandId id, bool can, const QString& change, const char* format) {
        QAction* action = Action(id);
        action->setEnabled(can);
        action->setText(change.isEmpty() ? MenuText(Command(id))
                                         : QString::fromStdString(
                                               FormatText(format, change.toStdString().c_str())));
    };
    show(CommandId::EditUndo, history.canUndo(), history.undoText(), TrFormat(msg::kUndoMenu));
    show(CommandId::EditRedo, history.canRedo(), history.redoText(), TrFormat(msg::kRedoMenu));
}

void CMainFrame::ToggleWriteCheck(bool WriteChecks::*check) {
    WriteChecks& checks = m_pView->m_WriteChecks;
    checks.*check = !(checks.*check);
    if (const auto failure = SaveWriteChecks(checks))
        AppMessageBox(m_prompts, this, failure->c_str());
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle() {
    const CPlanChanges& plan = m_pView->PlanChanges();
    QString title = Tr(msg::kDocTitle) + QStringLiteral(" - ") + Tr(msg::kFrameTitle);
    if (!plan.Name().isEmpty()) title += QStringLiteral(" - ") + plan.Name();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(plan.IsModified());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_pView->AskToSaveChanges())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::OnComPort1() {
    ChoosePort(true);
}
void CMainFrame::OnComPort2() {
    ChoosePort(false);
}

void CMainFrame::ChoosePort(bool com1) {
    m_pView->m_bCom1 = com1 ? 1 : 0;
    m_doc.m_nComPort = m_pView->m_bCom1 != 0 ? portfile::kCom1 : portfile::kCom2;
    UpdateCommandUI();
    // A file that cannot be written is not reported: the choice holds for this run anyway.
    (void)portfile::SavePortChoice(portfile::kFileName, m_doc.m_nComPort);
    AppMessageBox(m_prompts, this, com1 ? msg::kComPort1Selected : msg::kComPort2Selected);
}

void CMainFrame::OnSerialDevices() {
    m_pView->OnSerialDevices();
    RefreshLinkNote();
}

void CMainFrame::SetVirtualRadio(const std::string& device) {
    m_strVirtualRadio = device;
    RefreshLinkNote();
}

// Says where the virtual radio is only while COM1 still leads to it.
void CMainFrame::RefreshLinkNote() {
    const bool onCom1 = !m_strVirtualRadio.empty() && m_pView->m_CommPort.PortMap().DeviceFor(
                                                          CPortMap::kCom1) == m_strVirtualRadio;
    if (m_pLinkNote == nullptr) {
        if (!onCom1) return;
        m_pLinkNote = new QLabel(statusBar());
        m_pLinkNote->setObjectName(QStringLiteral("linkNote"));
        // After the one normal pane ("Ready"), before CAP, NUM and SCRL.
        statusBar()->insertPermanentWidget(1, m_pLinkNote);
    }
    m_pLinkNote->setText(onCom1 ? QString::fromStdString(FormatText(TrFormat(msg::kVirtualRadioOn),
                                                                    m_strVirtualRadio.c_str()))
                                : QString());
    m_pLinkNote->setVisible(onCom1);
}
