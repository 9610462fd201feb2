// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/Commands.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <stdexcept>

#include "model/Messages.h"
#include "ui/common/Translate.h"

namespace {

using enum CommandId;

// Options, Read and Write show Ctrl+O, Ctrl+R and Ctrl+W in their labels but have no key:
// Ctrl+O has always opened a file, and dealers rely on that.
constexpr std::array kCommands = {
    CommandInfo{FileNew, QT_TRANSLATE_NOOP("msg", "&New"), "Ctrl+N", "Ctrl+N",
                QT_TRANSLATE_NOOP("msg", "Create a new document\nNew"), false, false,
                ToolIcon::New},
    CommandInfo{FileOpen, QT_TRANSLATE_NOOP("msg", "&Open..."), "Ctrl+O", "Ctrl+O",
                QT_TRANSLATE_NOOP("msg", "Open an existing document\nOpen"), false, false,
                ToolIcon::Open},
    CommandInfo{
        FileOpenBackup, QT_TRANSLATE_NOOP("msg", "Open &Backup..."), "", "",
        QT_TRANSLATE_NOOP("msg", "Open a plan kept from an earlier read or write\nOpen Backup"),
        false, false, ToolIcon::None},
    CommandInfo{RadioHistory, msg::kHistoryMenu, "", "", msg::kHistoryPrompt, false, false,
                ToolIcon::None},
    CommandInfo{FileSave, QT_TRANSLATE_NOOP("msg", "&Save"), "Ctrl+S", "Ctrl+S",
                QT_TRANSLATE_NOOP("msg", "Save the active document\nSave"), true, false,
                ToolIcon::Save},
    CommandInfo{
        FileImportCsv, QT_TRANSLATE_NOOP("msg", "&Import CSV..."), "", "",
        QT_TRANSLATE_NOOP("msg", "Read channels from a CSV channel list into the plan\nImport CSV"),
        true, false, ToolIcon::None},
    CommandInfo{
        FileExportCsv, QT_TRANSLATE_NOOP("msg", "&Export CSV..."), "", "",
        QT_TRANSLATE_NOOP("msg", "Write the plan's channels as a CSV channel list\nExport CSV"),
        true, false, ToolIcon::None},
    CommandInfo{FilePrint, QT_TRANSLATE_NOOP("msg", "&Print..."), "Ctrl+P", "Ctrl+P",
                QT_TRANSLATE_NOOP("msg", "Print the active document\nPrint"), true, false,
                ToolIcon::Print},
    CommandInfo{AppExit, QT_TRANSLATE_NOOP("msg", "E&xit"), "", "",
                QT_TRANSLATE_NOOP("msg", "Quit the application; prompts to save documents\nExit"),
                false, false, ToolIcon::None},
    CommandInfo{Options, QT_TRANSLATE_NOOP("msg", "&Options"), "Ctrl+O", "",
                QT_TRANSLATE_NOOP("msg", "Option Features\nOption"), true, false,
                ToolIcon::Options},
    CommandInfo{ReadRadio, QT_TRANSLATE_NOOP("msg", "&Read from Radio"), "Ctrl+R", "",
                QT_TRANSLATE_NOOP("msg", "Read from Radio\nRead from Radio"), false, false,
                ToolIcon::Read},
    CommandInfo{WriteRadio, QT_TRANSLATE_NOOP("msg", "&Write to Radio"), "Ctrl+W", "",
                QT_TRANSLATE_NOOP("msg", "Write to Radio\nWrite to Radio"), true, false,
                ToolIcon::Write},
    CommandInfo{ComPort1, QT_TRANSLATE_NOOP("msg", "&COM1"), "", "",
                QT_TRANSLATE_NOOP("msg", "COM Port 1\nCOM Port 1"), false, true, ToolIcon::None},
    CommandInfo{ComPort2, QT_TRANSLATE_NOOP("msg", "&COM2"), "", "",
                QT_TRANSLATE_NOOP("msg", "COM Port 2\nCOM Port 2"), false, true, ToolIcon::None},
    CommandInfo{
        SerialDevices, QT_TRANSLATE_NOOP("msg", "&Serial Devices..."), "", "",
        QT_TRANSLATE_NOOP("msg",
                          "Choose the serial devices that COM1 and COM2 stand for\nSerial Devices"),
        false, false, ToolIcon::None},
    CommandInfo{
        ReadBeforeWrite, QT_TRANSLATE_NOOP("msg", "&Read the radio before writing"), "", "",
        QT_TRANSLATE_NOOP(
            "msg",
            "Before each write, read the radio, keep it as a backup and check that the plan "
            "is for its model\nRead the radio before writing"),
        false, true, ToolIcon::None},
    CommandInfo{
        VerifyAfterWrite, QT_TRANSLATE_NOOP("msg", "&Verify after writing"), "", "",
        QT_TRANSLATE_NOOP(
            "msg",
            "After each write, read the radio back and compare it with what was sent\nVerify "
            "after writing"),
        false, true, ToolIcon::None},
    CommandInfo{FleetJob, msg::kFleetMenu, "", "", msg::kFleetPrompt, true, false, ToolIcon::None},
    CommandInfo{EditUndo, QT_TRANSLATE_NOOP("msg", "&Undo"), "", "Ctrl+Z; Alt+Backspace",
                QT_TRANSLATE_NOOP("msg", "Undo the last change to the plan\nUndo"), false, false,
                ToolIcon::None, QKeySequence::Undo},
    CommandInfo{EditRedo, QT_TRANSLATE_NOOP("msg", "&Redo"), "", "Ctrl+Y; Ctrl+Shift+Z",
                QT_TRANSLATE_NOOP("msg", "Redo the change undone last\nRedo"), false, false,
                ToolIcon::None, QKeySequence::Redo},
    CommandInfo{EditCopy, QT_TRANSLATE_NOOP("msg", "&Copy"), "", "Ctrl+C; Ctrl+Insert",
                QT_TRANSLATE_NOOP("msg", "Copy the selected channels as spreadsheet rows\nCopy"),
                true, false, ToolIcon::None, QKeySequence::Copy},
    CommandInfo{
        EditPaste, QT_TRANSLATE_NOOP("msg", "&Paste"), "", "Ctrl+V; Shift+Insert",
        QT_TRANSLATE_NOOP("msg", "Paste channel rows onto the current channel and down\nPaste"),
        true, false, ToolIcon::None, QKeySequence::Paste},
    CommandInfo{EditClear, QT_TRANSLATE_NOOP("msg", "C&lear Channels"), "", "Del",
                QT_TRANSLATE_NOOP("msg", "Clear the selected channels\nClear Channels"), true,
                false, ToolIcon::None, QKeySequence::Delete},
    CommandInfo{EditSelectAll, QT_TRANSLATE_NOOP("msg", "Select &All"), "", "Ctrl+A",
                QT_TRANSLATE_NOOP("msg", "Select every channel of the plan\nSelect All"), true,
                false, ToolIcon::None, QKeySequence::SelectAll},
    CommandInfo{ScanOn, QT_TRANSLATE_NOOP("msg", "Scan &On"), "", "",
                QT_TRANSLATE_NOOP("msg", "Put the selected channels in the scan list\nScan On"),
                true, false, ToolIcon::None},
    CommandInfo{
        ScanOff, QT_TRANSLATE_NOOP("msg", "Scan O&ff"), "", "",
        QT_TRANSLATE_NOOP("msg", "Take the selected channels out of the scan list\nScan Off"), true,
        false, ToolIcon::None},
    CommandInfo{
        PowerHigh, QT_TRANSLATE_NOOP("msg", "Power &High"), "", "",
        QT_TRANSLATE_NOOP("msg", "Transmit on high power on the selected channels\nPower High"),
        true, false, ToolIcon::None},
    CommandInfo{
        PowerLow, QT_TRANSLATE_NOOP("msg", "Power Lo&w"), "", "",
        QT_TRANSLATE_NOOP("msg", "Transmit on low power on the selected channels\nPower Low"), true,
        false, ToolIcon::None},
    CommandInfo{
        SpacingStandard, QT_TRANSLATE_NOOP("msg", "Spacing &S"), "", "",
        QT_TRANSLATE_NOOP("msg", "Standard channel spacing on the selected channels\nSpacing S"),
        true, false, ToolIcon::None},
    CommandInfo{
        SpacingNarrow, QT_TRANSLATE_NOOP("msg", "Spacing &N"), "", "",
        QT_TRANSLATE_NOOP("msg", "Narrow channel spacing on the selected channels\nSpacing N"),
        true, false, ToolIcon::None},
    CommandInfo{HelpManual, msg::kManualMenu, "F1", "", msg::kManualPrompt, false, false,
                ToolIcon::None, QKeySequence::HelpContents},
    CommandInfo{HelpDiagnostics, msg::kDiagnosticsMenu, "", "", msg::kDiagnosticsPrompt, false,
                false, ToolIcon::None},
    CommandInfo{AppAbout, QT_TRANSLATE_NOOP("msg", "&About PRG-715..."), "", "",
                QT_TRANSLATE_NOOP(
                    "msg", "Display program information, version number and copyright\nAbout"),
                false, false, ToolIcon::About},
};

constexpr std::array kFileMenu = {FileNew,   FileOpen,  FileOpenBackup, RadioHistory,
                                  FileSave,  Separator, FileImportCsv,  FileExportCsv,
                                  Separator, FilePrint, Separator,      AppExit};
constexpr std::array kEditMenu = {EditUndo,  EditRedo,  Separator, EditCopy,     EditPaste,
                                  Separator, EditClear, Separator, EditSelectAll};
constexpr std::array kOptionsMenu = {Options, Separator, ReadRadio, WriteRadio};
constexpr std::array kPortMenu = {ComPort1,         ComPort2,  Separator,
                                  SerialDevices,    Separator, ReadBeforeWrite,
                                  VerifyAfterWrite, Separator, FleetJob};
constexpr std::array kHelpMenu = {HelpManual, HelpDiagnostics, Separator, AppAbout};

constexpr std::array kMenuBar = {
    MenuInfo{QT_TRANSLATE_NOOP("msg", "&File"), kFileMenu},
    MenuInfo{QT_TRANSLATE_NOOP("msg", "&Edit"), kEditMenu},
    MenuInfo{QT_TRANSLATE_NOOP("msg", "&Options"), kOptionsMenu},
    MenuInfo{QT_TRANSLATE_NOOP("msg", "&Port"), kPortMenu},
    MenuInfo{QT_TRANSLATE_NOOP("msg", "&Help"), kHelpMenu},
};

constexpr std::array kToolBar = {FileNew,   Separator,  FileOpen,  FileSave, Separator,
                                 ReadRadio, WriteRadio, Separator, Options,  Separator,
                                 FilePrint, Separator,  AppAbout};

constexpr std::array kGridMenu = {ScanOn,    ScanOff,         Separator,     PowerHigh, PowerLow,
                                  Separator, SpacingStandard, SpacingNarrow, Separator, EditClear,
                                  Separator, EditCopy,        EditPaste};

}  // namespace

std::span<const CommandInfo> Commands() {
    return kCommands;
}

const CommandInfo& Command(CommandId id) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CommandInfo& c) { return c.id == id; });
    if (it == kCommands.end()) throw std::out_of_range("unknown command id");
    return *it;
}

QString MenuText(const CommandInfo& command) {
    QString text = Tr(command.label);
    if (*command.shortcutText != '\0') text += '\t' + QString::fromUtf8(command.shortcutText);
    return text;
}

QString StatusPrompt(const CommandInfo& command) {
    return Tr(command.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipText(const CommandInfo& command) {
    return Tr(command.prompt).section(QLatin1Char('\n'), 1);
}

QList<QKeySequence> CommandKeys(const CommandInfo& command) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command.standardKey);
    // A key given twice would make the shortcut ambiguous, and then no key would run it.
    for (const QKeySequence& key :
         QKeySequence::listFromString(QString::fromUtf8(command.accelerator)))
        if (!key.isEmpty() && !keys.contains(key)) keys.append(key);
    return keys;
}

std::span<const MenuInfo> MenuBar() {
    return kMenuBar;
}

std::span<const CommandId> ToolBarItems() {
    return kToolBar;
}

std::span<const CommandId> GridMenuItems() {
    return kGridMenu;
}
