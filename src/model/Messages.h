#pragma once
// Every fixed text the user can see in a message box, in one table. The wording (trailing
// blanks included) is what dealers know from the radio shop's manuals; do not "tidy" it.
namespace msg {

// Application identity
inline constexpr const char* kAppTitle = "PRG-715";
inline constexpr const char* kDocTitle = " PRG-715 ";
inline constexpr const char* kFrameTitle = "Ver 2.5";
inline constexpr const char* kAboutCaption = "About PRG-715";
inline constexpr const char* kAboutVersion = "PRG-715 Version 2.5";

// Data files
inline constexpr const char* kCannotSaveFile = "Cannot Save File!";
inline constexpr const char* kCannotOpenFile = "Cannot Open File!";
inline constexpr const char* kReplaceFileQuestion = "%s already exists.\nDo you want to replace it?";
// Reasons beside them where the system has no words of its own
inline constexpr const char* kFileNotRegular = "not a regular file";
inline constexpr const char* kFileReadOnly = "the file is read-only";

// Serial port
inline constexpr const char* kFailOpenPort1 = "Fail to open PORT1";
inline constexpr const char* kFailOpenPort2 = "Fail to open PORT2";
inline constexpr const char* kWatcherStartFailed = "Error while creating ThreadWatchComm, ";
inline constexpr const char* kQueueFull = "m_QueueRead FULL!";
inline constexpr const char* kComPort1Selected = "COM Port 1 was selected";
inline constexpr const char* kComPort2Selected = "COM Port 2 was selected";

// Read and write exchanges
inline constexpr const char* kCheckRadio = "Check your Radio power On/Off or Communication cable !";
inline constexpr const char* kRetry = "Error! please Retry..";
inline constexpr const char* kReadComplete = "Read Complete !";
inline constexpr const char* kWriteComplete = "Write Complete !";
inline constexpr const char* kReading = "Reading...";
inline constexpr const char* kWriting = "Writing...";
inline constexpr const char* kWaitingForRadio = "Waiting for the radio... (Esc gives up)";
// The steps of a write with the Port menu's checks, in its one progress dialog (printf)
inline constexpr const char* kStepReadFirst = "Step %d of %d: reading the radio";
inline constexpr const char* kStepWrite = "Step %d of %d: writing";
inline constexpr const char* kStepReadBack = "Step %d of %d: reading back to verify";
inline constexpr const char* kNoAnswerYet =
    "No answer yet: check that the radio is on, in programming mode, and that the cable is in %s";
inline constexpr const char* kTransferRunsToItsEnd =
    "The transfer cannot be interrupted: keep the radio switched on until it ends.";

// Grid and flags
inline constexpr const char* kCreateNewDataFirst = "Please Create New Data First ! ";
inline constexpr const char* kNoFrequency = "No frequency in this channel !";
inline constexpr const char* kPriorityAlreadySet = "The priority channel was already set up !";

// Model selection
inline constexpr const char* kSelectRadioModel = "Please select a Radio Model ! ";

// Channel editor (the band range texts live in the band table)
inline constexpr const char* kInvalidTxFrequency = "Input Valid TX Frequency!";
inline constexpr const char* kToneRange = "Valid Settings 50.0 to 300.0";

// Option features editor
inline constexpr const char* kTimeOutRange = "Valid Settings 10 to 990";
inline constexpr const char* kInhibitRange = "Valid Settings 5 to 75";
inline constexpr const char* kScanSpeedRange = "Valid Settings 0.05 to 2.0";
inline constexpr const char* kRxOnRange = "Valid Settings 0.05 to 0.2";
inline constexpr const char* kRxOffRange = "Valid Settings 0.10 to 4.0";

// Data report (PDF output of prg715-cli report)
inline constexpr const char* kCannotWriteReport = "Cannot Write Report!";
inline constexpr const char* kReportNotDrawn = "the report pages could not be drawn";
inline constexpr const char* kReportPdfNotBuilt =
    "PDF output is not part of this build (configured with PRG715_BUILD_UI=OFF); use --text";

// Editing rules (channel editor, channel flags, option features) and `prg715-cli set`
inline constexpr const char* kInvalidRxFrequency = "Input Valid RX Frequency!";
inline constexpr const char* kChannelOutOfPlan = "No such channel in this plan !";
inline constexpr const char* kMarkedIdleNeedsBusyLockout = "Marked Idle needs Busy Ch Lockout On";
inline constexpr const char* kLookbackRange = "Valid Settings 0 to 7";
inline constexpr const char* kScanDelayRange = "Valid Settings 0 to 15";
inline constexpr const char* kPowerSaveDelayRange = "Valid Settings 1 to 8";
inline constexpr const char* kNotCtcssTone = "Not a CTCSS tone of the list !";
inline constexpr const char* kNotDcsCode = "Not a DCS code of the list !";

// Memory image codec: plans the radio's memory cannot hold (printf formats), image files
inline constexpr const char* kImageBandRange = "Band %d is not one of the radio's bands (0 to %d)";
inline constexpr const char* kImageNoSharedRaster =
    "Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster";
inline constexpr const char* kImageOffRaster =
    "Channel %d: %s %s MHz is not on the %s kHz raster of the channel's step";
inline constexpr const char* kImageRxRoundsToZero =
    "Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel";
inline constexpr const char* kImageTxRoundsToZero =
    "Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it";
inline constexpr const char* kImageDividerRange =
    "Channel %d: %s %s MHz is beyond what the radio's synthesizer can be set to";
inline constexpr const char* kImageSquelchType =
    "Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2";
inline constexpr const char* kImageCtcssIndex =
    "Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)";
inline constexpr const char* kImageDcsIndex =
    "Channel %d: %s DCS code number %d is outside the code list (0 to %d)";
inline constexpr const char* kImageToneRange = "NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz";
inline constexpr const char* kImageToneInexact =
    "NSC-%d tone %s Hz would read back from the radio as %s Hz";
inline constexpr const char* kImageOptionRange = "Option %s (%s) does not fit the radio's memory";
inline constexpr const char* kImageOptionInexact =
    "Option %s (%s) would read back from the radio as %s";
inline constexpr const char* kImageTooShort = "Not a radio image: %zu bytes, at least %zu expected";
inline constexpr const char* kImageTooLong = "Not a radio image: %zu bytes, at most %zu expected";
inline constexpr const char* kImageRx = "RX";
inline constexpr const char* kImageTx = "TX";

// A plan opened with values outside the radio's ranges (printf formats; the lines also use
// the image texts above for signalling types and tone and code numbers)
inline constexpr const char* kPlanOutOfRange =
    "This plan holds values outside the radio's ranges. It is shown as stored; correct them "
    "before writing it to a radio.";
inline constexpr const char* kPlanFlag = "%s is %d, not 0 or 1";
inline constexpr const char* kPlanChannelFlag = "Channel %d: %s flag is %d, not 0 or 1";
inline constexpr const char* kPlanCount = "%s is %d, outside %d to %d";
inline constexpr const char* kPlanTime = "%s is %g s, outside %s";
inline constexpr const char* kPlanFrequency = "Channel %d: %s %.4f MHz is outside the band (%s)";
inline constexpr const char* kPlanTone =
    "Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz";
inline constexpr const char* kPlanToneCopy =
    "Channel %d: %s NSC-%d tone %g Hz is not the radio's NSC-%d tone (%g Hz, channel 1's)";
inline constexpr const char* kPlanTwoMarks =
    "Channels %d and %d are both marked %s; the radio keeps one";
inline constexpr const char* kPlanPriorityWithoutChannel =
    "Priority channel flag is 1, but no channel is marked priority";
inline constexpr const char* kPlanMoreFindings = "... and %zu more";

// Radio link: why a port did not open (shown beside "Fail to open PORTn"), and what ended an
// exchange (shown beside its fixed text by the command line). printf formats.
inline constexpr const char* kPortNoSuchDevice = "%s: no such device";
inline constexpr const char* kPortPermissionDenied =
    "%s: permission denied; members of the group '%s' may use it (usually dialout: "
    "sudo usermod -aG dialout $USER, then log in again)";
inline constexpr const char* kPortBusy = "%s: in use by another program";
inline constexpr const char* kPortNotSerial = "%s: not a serial device";
inline constexpr const char* kPortSettingsRefused = "%s: the line settings were refused (%s)";
inline constexpr const char* kPortUnsupportedSettings = "%s: unsupported line settings";
inline constexpr const char* kPortSystemError = "%s: %s";
inline constexpr const char* kLinkNoAnswer = "the radio did not answer within %g s";
inline constexpr const char* kLinkLineLost = "the serial line went away";
inline constexpr const char* kLinkSendFailed = "could not send to the serial line";
inline constexpr const char* kLinkWrongAnswer = "the radio answered 0x%02X instead of 0x%02X";
inline constexpr const char* kLinkBadBlockEnd = "block %d of 33 ended with 0x%02X instead of 0x06";
inline constexpr const char* kLinkStalled = "block %d of 33 stopped after %d of its 65 bytes";
inline constexpr const char* kLinkNotConfirmed = "the radio did not confirm the write";
inline constexpr const char* kLinkWrongConfirmation =
    "the radio confirmed with 0x%02X instead of 0x36";
inline constexpr const char* kLinkCancelled = "cancelled while waiting for the radio";
inline constexpr const char* kLinkInterrupted = "interrupted during the transfer";

// Command line: outputs that would destroy an input, standard output that cannot be written,
// what a failed read keeps (printf formats)
inline constexpr const char* kOutputIsInput = "refusing to write %s over %s, which is read";
inline constexpr const char* kOutputsAreOneFile =
    "%s and %s are the same file; nothing was written";
inline constexpr const char* kStdoutFailed = "cannot write to standard output (%s)";
inline constexpr const char* kPartialImageKept =
    "%s: %zu of the %zu bytes arrived and are kept there; %s is left as it was";
// Output names that no platform saves as typed, or that Windows would save under another name
inline constexpr const char* kOutputNameEmpty = "%s needs a file name";
inline constexpr const char* kOutputNameFolder = "%s '%s' names a folder, not a file";
inline constexpr const char* kOutputNameTrailing =
    "%s '%s' ends in a dot or a space, which Windows drops from file names";

// Desktop application shell: port choice at start-up, About box
inline constexpr const char* kPortFileUnreadable =
    "Cannot read the serial port choice from \"port.port\". COM Port 1 is selected.";
inline constexpr const char* kAboutSecondLine =
    "Programming tool for the KM41, KM42, KM161 and KM162 radios";

// Desktop File > Print
inline constexpr const char* kCannotPrintReport = "Cannot Print Report!";

// Channel lists (CSV files, clipboard rows) and plan comparison; printf formats. A refused
// row reads "row 5, channel 3: Frequency 480.000000: Valid Settings 440Mhz to 470Mhz".
inline constexpr const char* kCsvTooLarge = "the text is larger than %zu bytes: not a channel list";
inline constexpr const char* kCsvBinary = "the file holds binary data, not comma-separated text";
inline constexpr const char* kCsvOpenQuote = "row %d opens a quoted field that never closes";
inline constexpr const char* kCsvNoRows = "the text holds no rows";
inline constexpr const char* kCsvNoHeader =
    "no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)";
inline constexpr const char* kCsvRow = "row %d: %s";
inline constexpr const char* kCsvRowChannel = "row %d, channel %d: %s";
inline constexpr const char* kCsvSummary = "rows taken: %zu, refused: %zu";
inline constexpr const char* kCsvNotANumber = "%s \"%s\" is not a number";
inline constexpr const char* kCsvNotAChoice = "%s \"%s\" is none of %s";
inline constexpr const char* kCsvNotALocation = "%s \"%s\" is not a channel number";
inline constexpr const char* kCsvNotACode = "%s \"%s\" is not a DCS code";
inline constexpr const char* kCsvPowerWords = "High, Low or a wattage";
inline constexpr const char* kCsvMissingColumn = "no %s in this row";
inline constexpr const char* kCsvChannelTwice = "channel %d is given in row %d already";
inline constexpr const char* kCsvValueRefused = "%s %s: %s";
inline constexpr const char* kCsvColumnRefused = "%s: %s";
inline constexpr const char* kCsvToneRefused = "%s tone %s Hz: %s";
inline constexpr const char* kCsvCodeRefused = "%s DCS code %s: %s";
inline constexpr const char* kCsvThirdTone =
    "%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)";
inline constexpr const char* kCsvRxMoved = "Frequency %s moved to the 12.5 kHz raster, %s stored";
inline constexpr const char* kCsvPriorityLost =
    "the plan would be left without a priority channel: row %d, which sets up the new one, is "
    "refused";
inline constexpr const char* kCsvMoreRefused = "... and %zu more rows refused";
inline constexpr const char* kDiffChannel = "channel %d";
inline constexpr const char* kDiffOption = "option";
inline constexpr const char* kDiffSentence = "%s: %s %s -> %s";

// Desktop channel lists: File > Import CSV... and Export CSV..., Ctrl+C and Ctrl+V on the grid
inline constexpr const char* kCannotImportFile = "Cannot Import File!";
inline constexpr const char* kImportCsvTitle = "Import CSV";
inline constexpr const char* kImportChanges = "What changes:";
inline constexpr const char* kImportNoChanges = "Nothing changes.";
inline constexpr const char* kImportRefusedRows = "Rows refused:";
inline constexpr const char* kCannotPaste = "Cannot Paste!";
inline constexpr const char* kRowsNotPasted = "Some rows were not pasted.";

// Desktop radio link: the serial devices behind COM1 and COM2, the built-in virtual radio and
// the command line that sets them for one run (printf formats)
inline constexpr const char* kDevicePathNeeded =
    "Enter the device of %s as a full path, for example /dev/ttyUSB0";
inline constexpr const char* kComPortNeeded =
    "Enter the device of %s as a COM port, for example COM7";
inline constexpr const char* kVirtualRadioOn = "Virtual radio on %s as COM1";
inline constexpr const char* kVirtualRadioNotStarted = "the virtual radio did not start: %s";
inline constexpr const char* kVirtualRadioImageUnreadable = "%s: cannot read (%s)";
inline constexpr const char* kVirtualRadioNeedsPty =
    "it answers on a pseudo-terminal, which this system does not have";
inline constexpr const char* kVirtualRadioTakesCom1 =
    "--virtual-radio puts the virtual radio on COM1: leave out --com1";
inline constexpr const char* kCommandLineDevicePath = "--%s needs a device path";

// Settings the desktop and the command line share: the devices behind COM1 and COM2, the write
// checks (printf formats: where, why)
inline constexpr const char* kSettingsNotSaved = "Cannot save the settings in %s: %s";
inline constexpr const char* kSettingsFileTooLarge = "the file is larger than %zu bytes";

// Dealer safety: unsaved changes, the plan's name in the title, backups of what crossed the
// cable, the right radio and the verification after a write (printf formats)
inline constexpr const char* kSaveChangesQuestion = "Save changes to the plan?";
inline constexpr const char* kRadioPlanName = "(radio)";
inline constexpr const char* kRadioDescription = "%s (%s, %d channels)";
inline constexpr const char* kWrongRadioQuestion =
    "The radio read last is a %s; this plan is for a %s. Write anyway?";
inline constexpr const char* kWrongRadioRefused =
    "the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)";
inline constexpr const char* kWrongRadioForced =
    "the radio is a %s; this plan is for a %s: written anyway (--force)";
inline constexpr const char* kVerified = "Verified: the radio holds the plan";
inline constexpr const char* kNotVerified =
    "The radio does not hold the plan that was written (written -> read back):";
inline constexpr const char* kVerifyNotRead =
    "The write could not be verified: the radio was not read back.";
inline constexpr const char* kVerifyByte = "memory byte %zu: 0x%02X -> 0x%02X";
inline constexpr const char* kBackupKept = "Backup kept: %s";
inline constexpr const char* kBackupNotKept = "No backup kept: %s";
inline constexpr const char* kBackupFolderReason = "%s: %s";
inline constexpr const char* kNoDataFolder = "neither XDG_DATA_HOME nor HOME is set";
inline constexpr const char* kNoBackupName = "%s: every backup name of %s is taken";
inline constexpr const char* kOpenBackupTitle = "Open Backup";
inline constexpr const char* kBackupFolderLabel = "Backups in %s";
inline constexpr const char* kNoBackups = "No backups yet in %s";
inline constexpr const char* kBackupChannelsInUse = "%d of %d";
inline constexpr const char* kBackupColumns[] = {"Time", "Direction", "Model", "Band",
                                                 "Channels in use"};

// Programming several radios: the log's columns and results, the job's texts (printf formats)
inline constexpr const char* kLogColumns[] = {
    "time",         "job",    "number",  "label",         "model",        "band",
    "plan file",    "image sha256",      "result",        "seconds",      "before backup",
    "after backup"};
inline constexpr const char* kResultVerified = "verified";
inline constexpr const char* kResultWritten = "written without verify";
inline constexpr const char* kResultRefused = "refused: other model";
inline constexpr const char* kResultFailed = "failed: %s";
inline constexpr const char* kFailedPrefix = "failed: ";
inline constexpr const char* kRadioCancelled = "cancelled";
inline constexpr const char* kRadioStopped = "stopped";
inline constexpr const char* kJobSummary =
    "%d radio%s: %d verified, %d written without verify, %d refused, %d failed";
inline constexpr const char* kConnectRadio =
    "Connect radio %d and press Enter (label, or q to stop):";
inline constexpr const char* kJobStarted = "job %s, each radio logged in %s";
inline constexpr const char* kRadioLine = "radio %d%s: %s";
inline constexpr const char* kRetrySkipStop = "Radio %d failed: Retry, Skip or Stop? [r/s/q]";
inline constexpr const char* kLogNotWritten = "The programming log could not be written: %s: %s";
inline constexpr const char* kNotALog = "%s: not a programming log (the first line is not its header)";
inline constexpr const char* kLogLinesLeftOut = "%s: %d damaged lines left out";
inline constexpr const char* kLogTooLarge = "%s: larger than %zu bytes";
inline constexpr const char* kNoLogLines = "No radios in %s";
inline constexpr const char* kNoLogLinesOfLabel = "No radios labelled \"%s\" in %s";

// Desktop editing: undo and redo steps named by what changed, clearing several channels
// (printf formats; a channel list reads "1-3, 5" in a step's name, "3 to 5" in a question)
inline constexpr const char* kUndoMenu = "&Undo %s";
inline constexpr const char* kRedoMenu = "&Redo %s";
inline constexpr const char* kEditChannel = "Channel %d %s";
inline constexpr const char* kEditFieldOnChannels = "%s on Channels %s";
inline constexpr const char* kEditOneChannel = "Channel %s";
inline constexpr const char* kEditChannels = "Channels %s";
inline constexpr const char* kEditClear = "Clear %s";
inline constexpr const char* kEditPaste = "Paste %s";
inline constexpr const char* kEditImport = "Import %s";
inline constexpr const char* kEditTwoFields = "%s, %s";
inline constexpr const char* kEditMoreFields = "%s, %s and %zu more";
inline constexpr const char* kEditRange = "%d-%d";
inline constexpr const char* kQuestionRange = "%d to %d";
inline constexpr const char* kRangeSeparator = ", ";
inline constexpr const char* kClearChannelQuestion = "Clear channel %s?";
inline constexpr const char* kClearChannelsQuestion = "Clear channels %s?";
// The plan's fields as undo steps name them
inline constexpr const char* kFieldRxFrequency = "RX Frequency";
inline constexpr const char* kFieldTxFrequency = "TX Frequency";
inline constexpr const char* kFieldRxSquelch = "RX Squelch";
inline constexpr const char* kFieldTxSquelch = "TX Squelch";
inline constexpr const char* kFieldRxCtcss = "RX CTCSS Tone";
inline constexpr const char* kFieldTxCtcss = "TX CTCSS Tone";
inline constexpr const char* kFieldRxDcs = "RX DCS Code";
inline constexpr const char* kFieldTxDcs = "TX DCS Code";
inline constexpr const char* kFieldRxDcsInvert = "RX DCS Inverted";
inline constexpr const char* kFieldTxDcsInvert = "TX DCS Inverted";
inline constexpr const char* kFieldNsc1Tone = "NSC-1 Tone";
inline constexpr const char* kFieldNsc2Tone = "NSC-2 Tone";
inline constexpr const char* kFieldScan = "Scan";
inline constexpr const char* kFieldPriority = "Priority";
inline constexpr const char* kFieldPower = "Power";
inline constexpr const char* kFieldSpacing = "Spacing";
inline constexpr const char* kFieldPowerOn = "Power On";
inline constexpr const char* kFieldStep = "Step";
inline constexpr const char* kFieldBand = "Band";
inline constexpr const char* kFieldChannelCount = "Channels";
inline constexpr const char* kFieldTxTimeOut = "Tx Time Out";
inline constexpr const char* kFieldTxTimeOutTime = "Tx Time Out Time";
inline constexpr const char* kFieldTxInhibit = "Tx Inhibit";
inline constexpr const char* kFieldTxDelay = "Tx Delay";
inline constexpr const char* kFieldBusyLockout = "Busy Ch Lockout";
inline constexpr const char* kFieldMarkedIdle = "Marked Idle";
inline constexpr const char* kFieldMonitor = "Monitor";
inline constexpr const char* kFieldScanIndicator = "Scan Indicator";
inline constexpr const char* kFieldBeep = "Beep";
inline constexpr const char* kFieldLookback = "Pr Lookback Time";
inline constexpr const char* kFieldScanDelay = "Scan Delay";
inline constexpr const char* kFieldScanSpeed = "Scan Speed";
inline constexpr const char* kFieldCarrierTone = "Carrier + Tone";
inline constexpr const char* kFieldScanTx = "Scan Tx";
inline constexpr const char* kFieldPowerSave = "Power Save";
inline constexpr const char* kFieldRxOnTime = "Rx On Time";
inline constexpr const char* kFieldRxOffTime = "Rx Off Time";
inline constexpr const char* kFieldPowerSaveDelay = "Power Save Delay";
inline constexpr const char* kFieldCompander = "Audio Compander";

// Desktop: the user manual
inline constexpr const char* kManualMenu = "&User Manual";
inline constexpr const char* kManualPrompt = "Open the user manual\nUser Manual";
inline constexpr const char* kManualTitle = "PRG-715 User Manual";
inline constexpr const char* kManualBack = "Back";
inline constexpr const char* kManualForward = "Forward";
inline constexpr const char* kManualFind = "&Find:";
inline constexpr const char* kManualFindHint = "a word in any chapter; Enter or F3 for the next";
inline constexpr const char* kManualNoMatch = "No chapter holds \"%s\".";
inline constexpr const char* kManualMissing =
    "The user manual was not found. These folders were tried:\n\n%s\n\n"
    "Set PRG715_MANUAL_DIR to the folder that holds its index.md.";
inline constexpr const char* kAboutLicence =
    "Free software under the GNU General Public License, version 3 or later";
inline constexpr const char* kAboutManual = "User manual: %s";
inline constexpr const char* kAboutNoManual = "User manual: not installed";

// Desktop: Program Several Radios and Radio History (printf formats)
inline constexpr const char* kFleetMenu = "&Program Several Radios...";
inline constexpr const char* kFleetPrompt =
    "Write the plan into radio after radio, each read first, checked and logged\n"
    "Program Several Radios";
inline constexpr const char* kHistoryMenu = "Radio &History...";
inline constexpr const char* kHistoryPrompt =
    "List the radios programmed, from the programming log\nRadio History";
inline constexpr const char* kFleetTitle = "Program Several Radios";
inline constexpr const char* kFleetSettings = "Before the job";
inline constexpr const char* kFleetVerify = "Read &back and compare each radio";
inline constexpr const char* kFleetStopAfter = "Stop &after";
inline constexpr const char* kFleetStopAfterUnit = "radios (0 or empty: until Stop)";
inline constexpr const char* kFleetLogFolder = "&Log folder:";
inline constexpr const char* kFleetBrowse = "B&rowse...";
inline constexpr const char* kFleetBrowseCaption = "Folder of the Programming Log";
inline constexpr const char* kFleetNoLogFolder = "Choose the folder of the programming log.";
inline constexpr const char* kFleetStart = "&Start";
inline constexpr const char* kFleetRetry = "&Retry";
inline constexpr const char* kFleetSkip = "S&kip";
inline constexpr const char* kFleetStop = "S&top";
inline constexpr const char* kFleetClose = "Close";
inline constexpr const char* kFleetJobStarted = "Job %s: each radio is logged in %s";
inline constexpr const char* kFleetConnectRadio =
    "Connect radio %d, type or scan its label and press Enter";
inline constexpr const char* kFleetRadioRunning = "Radio %d is being programmed";
inline constexpr const char* kFleetRadioFailed = "Radio %d failed: %s";
inline constexpr const char* kFleetStepRead = "Radio %d: step %d of %d: reading the radio";
inline constexpr const char* kFleetStepWrite = "Radio %d: step %d of %d: writing";
inline constexpr const char* kFleetStepReadBack = "Radio %d: step %d of %d: reading back to verify";
inline constexpr const char* kFleetColumns[] = {"Radio", "Label", "Model", "Result", "Seconds"};
inline constexpr const char* kSecondsFormat = "%.1f";
inline constexpr const char* kHistoryTitle = "Radio History";
inline constexpr const char* kHistoryLog = "Radios in %s";
inline constexpr const char* kHistoryLabelFilter = "&Label:";
inline constexpr const char* kHistoryLabelHint = "every label";
inline constexpr const char* kHistoryColumns[] = {"Time",  "Job",  "Radio",  "Label",
                                                  "Model", "Band", "Result", "Seconds"};
inline constexpr const char* kHistoryOpenBefore = "Open &Before";
inline constexpr const char* kHistoryOpenAfter = "Open &After";
inline constexpr const char* kHistoryCompare = "&Compare";
inline constexpr const char* kCompareTitle = "Before and After";
inline constexpr const char* kCompareHeading = "Radio %d%s of job %s, before -> after:";
inline constexpr const char* kCompareLabel = " (%s)";
inline constexpr const char* kCompareSame = "The radio held the same plan before and after.";

// prg715-radio-sim (printf formats)
inline constexpr const char* kSimLinkPathTaken =
    "--link %s: something other than a link to a pseudo-terminal is there; it was left alone";
inline constexpr const char* kSimWriteStored = "write stored";
inline constexpr const char* kSimImageNotSaved = "write stored (could not save the image file: %s)";
inline constexpr const char* kSimRadioConnected = "radio %d of %d connected (%s)";
inline constexpr const char* kSimAllRadiosServed =
    "all %d radios served; no other radio will answer";
inline constexpr const char* kSimUnknownModel = "%s: unknown model '%s' (the models: %s)";
inline constexpr const char* kSimMoreModelsThanRadios =
    "--models names %zu radios; --radios serves only %d";
inline constexpr const char* kSimFaultRadioBeyond = "--fault-radio %d: --radios serves only %d";
inline constexpr const char* kSimImageWithRadios =
    "--image is one radio's memory; --radios %d serves each radio a fresh one";
}  // namespace msg
