// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

// The commands of the menu bar, the toolbar and the accelerators, in one table. The ids are
// the radio shop's command numbers; the prompt is "status-bar prompt\ntooltip".
enum class CommandId : int {
    Separator = 0,
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FilePrint = 57607,
    AppExit = 57665,
    Options = 32771,
    ReadRadio = 32775,
    WriteRadio = 32776,
    ComPort1 = 32781,
    ComPort2 = 32782,
    SerialDevices = 32790,  // which devices COM1 and COM2 stand for
    FileImportCsv = 32791,  // channel lists in and out
    FileExportCsv = 32792,
    FileOpenBackup = 32793,   // a plan kept after a read or write
    ReadBeforeWrite = 32794,  // the extra reads around a write
    VerifyAfterWrite = 32795,
    FleetJob = 32802,      // one plan into radio after radio
    RadioHistory = 32803,  // the programming log's radios
    EditUndo = 57643,
    EditRedo = 57644,
    EditCopy = 57634,
    EditPaste = 57637,
    EditClear = 57632,  // clears the selected channels
    EditSelectAll = 57642,
    ScanOn = 32796,  // the grid's menu: one flag on every selected channel
    ScanOff = 32797,
    PowerHigh = 32798,
    PowerLow = 32799,
    SpacingStandard = 32800,
    SpacingNarrow = 32801,
    HelpManual = 57667,  // the user manual, in a window beside the main one
    HelpDiagnostics = 32804,  // the report a dealer attaches to a problem
    AppAbout = 57664,
};

enum class ToolIcon { None, New, Open, Save, Read, Write, Options, Print, About };

struct CommandInfo {
    CommandId id;
    const char* label;         // menu label with its & mnemonic
    const char* shortcutText;  // shown after a tab in the menu; "" for none
    const char* accelerator;   // keys that run the command, "; " between them; "" for none
    const char* prompt;        // "status-bar prompt\ntooltip"
    bool needsPlan;            // enabled only once a channel plan is laid out
    bool checkable;            // shows a check mark (the port choice, the write checks)
    ToolIcon icon;
    // The platform's own keys for the command, beside the accelerator; UnknownKey for none.
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
};

std::span<const CommandInfo> Commands();
const CommandInfo& Command(CommandId id);

// Menu text as shown: the label, then a tab and the shortcut text when there is one.
QString MenuText(const CommandInfo& command);
QString StatusPrompt(const CommandInfo& command);
QString ToolTipText(const CommandInfo& command);
// Every key that runs the command: the platform's standard keys, then the accelerator's.
QList<QKeySequence> CommandKeys(const CommandInfo& command);

struct MenuInfo {
    const char* title;
    std::span<const CommandId> items;  // CommandId::Separator draws a separator
};
std::span<const MenuInfo> MenuBar();

// Toolbar buttons left to right, CommandId::Separator between groups.
std::span<const CommandId> ToolBarItems();

// The channel grid's context menu, top to bottom.
std::span<const CommandId> GridMenuItems();

// Status bar texts.
inline constexpr const char* kStatusReady = QT_TRANSLATE_NOOP("msg", "Ready");
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";
