#include "ui/app/Commands.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "model/Messages.h"

namespace {

using enum CommandId;

// Options, Read and Write show Ctrl+O, Ctrl+R and Ctrl+W in their labels but have no key:
// Ctrl+O has always opened a file, and dealers rely on that.
constexpr std::array kCommands = {
    CommandInfo{FileNew, "&New", "Ctrl+N", "Ctrl+N", "Create a new document\nNew", false, false,
                ToolIcon::New},
    CommandInfo{FileOpen, "&Open...", "Ctrl+O", "Ctrl+O", "Open an existing document\nOpen", false,
                false, ToolIcon::Open},
    CommandInfo{FileOpenBackup, "Open &Backup...", "", "",
                "Open a plan kept from an earlier read or write\nOpen Backup", false, false,
                ToolIcon::None},
    CommandInfo{RadioHistory, msg::kHistoryMenu, "", "", msg::kHistoryPrompt, false, false,
                ToolIcon::None},
    CommandInfo{FileSave, "&Save", "Ctrl+S", "Ctrl+S", "Save the active document\nSave", true,
                false, ToolIcon::Save},
    CommandInfo{FileImportCsv, "&Import CSV...", "", "",
                "Read channels from a CSV channel list into the plan\nImport CSV", true, false,
                ToolIcon::None},
    CommandInfo{FileExportCsv, "&Export CSV...", "", "",
                "Write the plan's channels as a CSV channel list\nExport CSV", true, false,
                ToolIcon::None},
    CommandInfo{FilePrint, "&Print...", "Ctrl+P", "Ctrl+P", "Print the active document\nPrint",
                true, false, ToolIcon::Print},
    CommandInfo{AppExit, "E&xit", "", "", "Quit the application; prompts to save documents\nExit",
                false, false, ToolIcon::None},
    CommandInfo{Options, "&Options", "Ctrl+O", "", "Option Features\nOption", true, false,
                ToolIcon::Options},
    CommandInfo{ReadRadio, "&Read from Radio", "Ctrl+R", "", "Read from Radio\nRead from Radio",
                false, false, ToolIcon::Read},
    CommandInfo{WriteRadio, "&Write to Radio", "Ctrl+W", "", "Write to Radio\nWrite to Radio", true,
                false, ToolIcon::Write},
    CommandInfo{ComPort1, "&COM1", "", "", "COM Port 1\nCOM Port 1", false, true, ToolIcon::None},
    CommandInfo{ComPort2, "&COM2", "", "", "COM Port 2\nCOM Port 2", false, true, ToolIcon::None},
    CommandInfo{SerialDevices, "&Serial Devices...", "", "",
                "Choose the serial devices that COM1 and COM2 stand for\nSerial Devices", false,
                false, ToolIcon::None},
    CommandInfo{ReadBeforeWrite, "&Read the radio before writing", "", "",
                "Before each write, read the radio, keep it as a backup and check that the plan "
                "is for its model\nRead the radio before writing",
                false, true, ToolIcon::None},
    CommandInfo{VerifyAfterWrite, "&Verify after writing", "", "",
                "After each write, read the radio back and compare it with what was sent\nVerify "
                "after writing",
                false, true, ToolIcon::None},
    CommandInfo{FleetJob, msg::kFleetMenu, "", "", msg::kFleetPrompt, true, false, ToolIcon::None},
    CommandInfo{EditUndo, "&Undo", "", "Ctrl+Z; Alt+Backspace",
                "Undo the last change to the plan\nUndo", false, false, ToolIcon::None,
                QKeySequence::Undo},
    CommandInfo{EditRedo, "&Redo", "", "Ctrl+Y; Ctrl+Shift+Z", "Redo the change undone last\nRedo",
                false, false, ToolIcon::None, QKeySequence::Redo},
    CommandInfo{EditCopy, "&Copy", "", "Ctrl+C; Ctrl+Insert",
                "Copy the selected channels as spreadsheet rows\nCopy", true, false, ToolIcon::None,
                QKeySequence::Copy},
    CommandInfo{EditPaste, "&Paste", "", "Ctrl+V; Shift+Insert",
                "Paste channel rows onto the current channel and down\nPaste", true, false,
                ToolIcon::None, QKeySequence::Paste},
    CommandInfo{EditClear, "C&lear Channels", "", "Del",
                "Clear the selected channels\nClear Channels", true, false, ToolIcon::None,
                QKeySequence::Delete},
    CommandInfo{EditSelectAll, "Select &All", "", "Ctrl+A",
                "Select every channel of the plan\nSelect All", true, false, ToolIcon::None,
                QKeySequence::SelectAll},
    CommandInfo{ScanOn, "Scan &On", "", "", "Put the selected channels in the scan list\nScan On",
                true, false, ToolIcon::None},
    CommandInfo{ScanOff, "Scan O&ff", "", "",
                "Take the selected channels out of the scan list\nScan Off", true, false,
                ToolIcon::None},
    CommandInfo{PowerHigh, "Power &High", "", "",
                "Transmit on high power on the selected channels\nPower High", true, false,
                ToolIcon::None},
    CommandInfo{PowerLow, "Power Lo&w", "", "",
                "Transmit on low power on the selected channels\nPower Low", true, false,
                ToolIcon::None},
    CommandInfo{SpacingStandard, "Spacing &S", "", "",
                "Standard channel spacing on the selected channels\nSpacing S", true, false,
                ToolIcon::None},
    CommandInfo{SpacingNarrow, "Spacing &N", "", "",
                "Narrow channel spacing on the selected channels\nSpacing N", true, false,
                ToolIcon::None},
    CommandInfo{HelpManual, msg::kManualMenu, "F1", "", msg::kManualPrompt, false, false,
                ToolIcon::None, QKeySequence::HelpContents},
    CommandInfo{AppAbout, "&About PRG-715...", "", "",
                "Display program information, version number and copyright\nAbout", false, false,
                ToolIcon::About},
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
constexpr std::array kHelpMenu = {HelpManual, Separator, AppAbout};

constexpr std::array kMenuBar = {
    MenuInfo{"&File", kFileMenu}, MenuInfo{"&Edit", kEditMenu}, MenuInfo{"&Options", kOptionsMenu},
    MenuInfo{"&Port", kPortMenu}, MenuInfo{"&Help", kHelpMenu},
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
    QString text = QString::fromUtf8(command.label);
    if (*command.shortcutText != '\0') text += '\t' + QString::fromUtf8(command.shortcutText);
    return text;
}

QString StatusPrompt(const CommandInfo& command) {
    return QString::fromUtf8(command.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipText(const CommandInfo& command) {
    return QString::fromUtf8(command.prompt).section(QLatin1Char('\n'), 1);
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
