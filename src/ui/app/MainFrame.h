// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>
#include <map>
#include <string>

#include "ui/app/Commands.h"
#include "ui/common/SerialDevices.h"

class CKM42View;
class CStatusIndicators;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class CUiPrompts;
struct CKM42Doc;

// The main window: menu bar, toolbar, status bar and the form view. It enables the commands
// by the plan state and keeps the serial port choice.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CKM42Doc& doc, CUiPrompts& prompts);

    CKM42Doc& GetActiveDocument() { return m_doc; }
    CKM42View& GetActiveView() { return *m_pView; }
    QAction* Action(CommandId id) const;
    QToolBar* ToolBar() const { return m_pToolBar; }

    // Runs the view's initial update and fits the window to the form.
    void InitialUpdateFrame();

    // Enables, disables and checks every command by the current state; menu and toolbar
    // share the actions, so both follow.
    void UpdateCommandUI();

    // The channel grid's menu (flags, clear, copy, paste) at a point of the screen.
    void ShowGridMenu(const QPoint& globalPos);

    // A status-bar pane for what this run's serial line is (the built-in virtual radio).
    // The virtual radio's device: the status bar says COM1 leads there for as long as it does.
    void SetVirtualRadio(const std::string& device);

public slots:
    void OnComPort1();
    void OnComPort2();
    void OnSerialDevices();

protected:
    // Exit and the close box: a plan with unsaved changes asks first.
    void closeEvent(QCloseEvent* event) override;

private:
    void RefreshLinkNote();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    void ChoosePort(bool com1);
    void ToggleWriteCheck(bool WriteChecks::*check);
    // " PRG-715  - Ver 2.5", " - " and the plan's name when it has one, and the modified mark.
    void UpdateTitle();
    // Undo and Redo: enabled while the history has a step that way, named after it.
    void UpdateHistoryCommands();
    void Route(CommandId id, void (CKM42View::*handler)());

    CKM42Doc& m_doc;
    CUiPrompts& m_prompts;
    CKM42View* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pReadyPane = nullptr;
    CStatusIndicators* m_pIndicators = nullptr;
    QLabel* m_pLinkNote = nullptr;
    QLabel* m_pExchangeNote = nullptr;  // the last exchange's outcome (backup kept...)
    std::string m_strVirtualRadio;
    QMenu* m_pGridMenu = nullptr;
    std::map<CommandId, QAction*> m_actions;
};
