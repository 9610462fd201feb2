// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text the user can see in a message box, in one table. The wording (trailing
// blanks included) is what dealers know from the radio shop's manuals; do not "tidy" it.
// PRG715_TEXT marks a text the desktop translates (the translation tools look for it); the
// text itself is what every caller gets, so the command line and the files stay English.
#define PRG715_TEXT(text) text

namespace msg {

// Application identity
inline constexpr const char* kAppTitle = "PRG-715";
inline constexpr const char* kDocTitle = " PRG-715 ";
inline constexpr const char* kFrameTitle = PRG715_TEXT("Ver 2.5");
inline constexpr const char* kAboutCaption = PRG715_TEXT("About PRG-715");
inline constexpr const char* kAboutVersion = PRG715_TEXT("PRG-715 Version 2.5");

// Data files
inline constexpr const char* kCannotSaveFile = PRG715_TEXT("Cannot Save File!");
inline constexpr const char* kCannotOpenFile = PRG715_TEXT("Cannot Open File!");
inline constexpr const char* kReplaceFileQuestion =
    PRG715_TEXT("%s already exists.\nDo you want to replace it?");
// Reasons beside them where the system has no words of its own
inline constexpr const char* kFileNotRegular = PRG715_TEXT("not a regular file");
inline constexpr const char* kFileReadOnly = PRG715_TEXT("the file is read-only");

// Serial port
inline constexpr const char* kFailOpenPort1 = PRG715_TEXT("Fail to open PORT1");
inline constexpr const char* kFailOpenPort2 = PRG715_TEXT("Fail to open PORT2");
inline constexpr const char* kWatcherStartFailed =
    PRG715_TEXT("Error while creating ThreadWatchComm, ");
inline constexpr const char* kQueueFull = PRG715_TEXT("m_QueueRead FULL!");
inline constexpr const char* kComPort1Selected = PRG715_TEXT("COM Port 1 was selected");
inline constexpr const char* kComPort2Selected = PRG715_TEXT("COM Port 2 was selected");

// Read and write exchanges
inline constexpr const char* kCheckRadio =
    PRG715_TEXT("Check your Radio power On/Off or Communication cable !");
inline constexpr const char* kRetry = PRG715_TEXT("Error! please Retry..");
inline constexpr const char* kReadComplete = PRG715_TEXT("Read Complete !");
inline constexpr const char* kWriteComplete = PRG715_TEXT("Write Complete !");
inline constexpr const char* kReading = PRG715_TEXT("Reading...");
inline constexpr const char* kWriting = PRG715_TEXT("Writing...");
inline constexpr const char* kWaitingForRadio =
    PRG715_TEXT("Waiting for the radio... (Esc gives up)");
// The steps of a write with the Port menu's checks, in its one progress dialog (printf)
inline constexpr const char* kStepReadFirst = PRG715_TEXT("Step %d of %d: reading the radio");
inline constexpr const char* kStepWrite = PRG715_TEXT("Step %d of %d: writing");
inline constexpr const char* kStepReadBack = PRG715_TEXT("Step %d of %d: reading back to verify");
inline constexpr const char* kNoAnswerYet = PRG715_TEXT(
    "No answer yet: check that the radio is on, in programming mode, and that the cable is in %s");
inline constexpr const char* kTransferRunsToItsEnd =
    PRG715_TEXT("The transfer cannot be interrupted: keep the radio switched on until it ends.");

// Grid and flags
inline constexpr const char* kCreateNewDataFirst = PRG715_TEXT("Please Create New Data First ! ");
inline constexpr const char* kNoFrequency = PRG715_TEXT("No frequency in this channel !");
inline constexpr const char* kPriorityAlreadySet =
    PRG715_TEXT("The priority channel was already set up !");

// Desktop: names for assistive technology
inline constexpr const char* kSpokenCell = "%s, %s, %s";  // row, column, value of a grid cell
inline constexpr const char* kSpokenChannel = PRG715_TEXT("Channel %s");
inline constexpr const char* kSpokenEmpty = PRG715_TEXT("empty");
inline constexpr const char* kSpokenRxSquelch = PRG715_TEXT("Rx Squelch");
inline constexpr const char* kSpokenRxValue = PRG715_TEXT("Rx Squelch Value");
inline constexpr const char* kSpokenTxSquelch = PRG715_TEXT("Tx Squelch");
inline constexpr const char* kSpokenTxValue = PRG715_TEXT("Tx Squelch Value");
inline constexpr const char* kSpokenScan = PRG715_TEXT("Scan");
inline constexpr const char* kSpokenPriority = PRG715_TEXT("Priority");
inline constexpr const char* kSpokenPower = PRG715_TEXT("Power");
inline constexpr const char* kSpokenSpacing = PRG715_TEXT("Spacing");
inline constexpr const char* kSpokenOn = PRG715_TEXT("on");
inline constexpr const char* kSpokenOff = PRG715_TEXT("off");
inline constexpr const char* kSpokenHigh = PRG715_TEXT("high");
inline constexpr const char* kSpokenLow = PRG715_TEXT("low");
inline constexpr const char* kSpokenStandard = PRG715_TEXT("standard");
inline constexpr const char* kSpokenNarrow = PRG715_TEXT("narrow");
inline constexpr const char* kNameChannelGrid = PRG715_TEXT("Channels");
inline constexpr const char* kNameMemoryGrid = PRG715_TEXT("Memory map");
inline constexpr const char* kNameBackupList = PRG715_TEXT("Backups");
inline constexpr const char* kNameHistoryList = PRG715_TEXT("Radios programmed");
inline constexpr const char* kNameFleetTable = PRG715_TEXT("Radios of this job");
inline constexpr const char* kNameFleetLabel = PRG715_TEXT("Radio label");

// Model selection
inline constexpr const char* kSelectRadioModel = PRG715_TEXT("Please select a Radio Model ! ");

// Channel editor (the band range texts live in the band table)
inline constexpr const char* kInvalidTxFrequency = PRG715_TEXT("Input Valid TX Frequency!");
inline constexpr const char* kToneRange = PRG715_TEXT("Valid Settings 50.0 to 300.0");

// Option features editor
inline constexpr const char* kToggleOff = PRG715_TEXT("%s Off");  // "Beep Off"
inline constexpr const char* kToggleOn = PRG715_TEXT("%s On");
inline constexpr const char* kTimeOutRange = PRG715_TEXT("Valid Settings 10 to 990");
inline constexpr const char* kInhibitRange = PRG715_TEXT("Valid Settings 5 to 75");
inline constexpr const char* kScanSpeedRange = PRG715_TEXT("Valid Settings 0.05 to 2.0");
inline constexpr const char* kRxOnRange = PRG715_TEXT("Valid Settings 0.05 to 0.2");
inline constexpr const char* kRxOffRange = PRG715_TEXT("Valid Settings 0.10 to 4.0");

// Data report (PDF output of prg715-cli report)
inline constexpr const char* kCannotWriteReport = "Cannot Write Report!";
inline constexpr const char* kReportNotDrawn = "the report pages could not be drawn";
inline constexpr const char* kReportPdfNotBuilt =
    "PDF output is not part of this build (configured with PRG715_BUILD_UI=OFF); use --text";

// Editing rules (channel editor, channel flags, option features) and `prg715-cli set`
inline constexpr const char* kInvalidRxFrequency = PRG715_TEXT("Input Valid RX Frequency!");
inline constexpr const char* kChannelOutOfPlan = PRG715_TEXT("No such channel in this plan !");
inline constexpr const char* kMarkedIdleNeedsBusyLockout =
    PRG715_TEXT("Marked Idle needs Busy Ch Lockout On");
inline constexpr const char* kLookbackRange = PRG715_TEXT("Valid Settings 0 to 7");
inline constexpr const char* kScanDelayRange = PRG715_TEXT("Valid Settings 0 to 15");
inline constexpr const char* kPowerSaveDelayRange = PRG715_TEXT("Valid Settings 1 to 8");
inline constexpr const char* kNotCtcssTone = PRG715_TEXT("Not a CTCSS tone of the list !");
inline constexpr const char* kNotDcsCode = PRG715_TEXT("Not a DCS code of the list !");

// Memory image codec: plans the radio's memory cannot hold (printf formats), image files
inline constexpr const char* kImageBandRange =
    PRG715_TEXT("Band %d is not one of the radio's bands (0 to %d)");
inline constexpr const char* kImageNoSharedRaster = PRG715_TEXT(
    "Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster");
inline constexpr const char* kImageOffRaster =
    PRG715_TEXT("Channel %d: %s %s MHz is not on the %s kHz raster of the channel's step");
inline constexpr const char* kImageRxRoundsToZero = PRG715_TEXT(
    "Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel");
inline constexpr const char* kImageTxRoundsToZero =
    PRG715_TEXT("Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it");
inline constexpr const char* kImageDividerRange =
    PRG715_TEXT("Channel %d: %s %s MHz is beyond what the radio's synthesizer can be set to");
inline constexpr const char* kImageSquelchType =
    PRG715_TEXT("Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2");
inline constexpr const char* kImageCtcssIndex =
    PRG715_TEXT("Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)");
inline constexpr const char* kImageDcsIndex =
    PRG715_TEXT("Channel %d: %s DCS code number %d is outside the code list (0 to %d)");
inline constexpr const char* kImageToneRange =
    PRG715_TEXT("NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz");
inline constexpr const char* kImageToneInexact =
    PRG715_TEXT("NSC-%d tone %s Hz would read back from the radio as %s Hz");
inline constexpr const char* kImageOptionRange =
    PRG715_TEXT("Option %s (%s) does not fit the radio's memory");
inline constexpr const char* kImageOptionInexact =
    PRG715_TEXT("Option %s (%s) would read back from the radio as %s");
inline constexpr const char* kImageTooShort =
    PRG715_TEXT("Not a radio image: %zu bytes, at least %zu expected");
inline constexpr const char* kImageTooLong =
    PRG715_TEXT("Not a radio image: %zu bytes, at most %zu expected");
inline constexpr const char* kImageRx = PRG715_TEXT("RX");
inline constexpr const char* kImageTx = PRG715_TEXT("TX");

// A plan opened with values outside the radio's ranges (printf formats; the lines also use
// the image texts above for signalling types and tone and code numbers)
inline constexpr const char* kPlanOutOfRange = PRG715_TEXT(
    "This plan holds values outside the radio's ranges. It is shown as stored; correct them "
    "before writing it to a radio.");
inline constexpr const char* kPlanFlag = PRG715_TEXT("%s is %d, not 0 or 1");
inline constexpr const char* kPlanChannelFlag =
    PRG715_TEXT("Channel %d: %s flag is %d, not 0 or 1");
inline constexpr const char* kPlanCount = PRG715_TEXT("%s is %d, outside %d to %d");
inline constexpr const char* kPlanTime = PRG715_TEXT("%s is %g s, outside %s");
inline constexpr const char* kPlanFrequency =
    PRG715_TEXT("Channel %d: %s %.4f MHz is outside the band (%s)");
inline constexpr const char* kPlanTone =
    PRG715_TEXT("Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz");
inline constexpr const char* kPlanToneCopy = PRG715_TEXT(
    "Channel %d: %s NSC-%d tone %g Hz is not the radio's NSC-%d tone (%g Hz, channel 1's)");
inline constexpr const char* kPlanTwoMarks =
    PRG715_TEXT("Channels %d and %d are both marked %s; the radio keeps one");
inline constexpr const char* kPlanPriorityWithoutChannel =
    PRG715_TEXT("Priority channel flag is 1, but no channel is marked priority");
inline constexpr const char* kPlanMoreFindings = PRG715_TEXT("... and %zu more");

// Radio link: why a port did not open (shown beside "Fail to open PORTn"), and what ended an
// exchange (shown beside its fixed text by the command line). printf formats.
inline constexpr const char* kPortNoSuchDevice = PRG715_TEXT("%s: no such device");
inline constexpr const char* kPortPermissionDenied = PRG715_TEXT(
    "%s: permission denied; members of the group '%s' may use it (usually dialout: "
    "sudo usermod -aG dialout $USER, then log in again)");
inline constexpr const char* kPortBusy = PRG715_TEXT("%s: in use by another program");
inline constexpr const char* kPortNotSerial = PRG715_TEXT("%s: not a serial device");
inline constexpr const char* kPortSettingsRefused =
    PRG715_TEXT("%s: the line settings were refused (%s)");
inline constexpr const char* kPortUnsupportedSettings =
    PRG715_TEXT("%s: unsupported line settings");
inline constexpr const char* kPortSystemError = "%s: %s";
inline constexpr const char* kLinkNoAnswer = PRG715_TEXT("the radio did not answer within %g s");
inline constexpr const char* kLinkLineLost = PRG715_TEXT("the serial line went away");
inline constexpr const char* kLinkSendFailed = PRG715_TEXT("could not send to the serial line");
inline constexpr const char* kLinkWrongAnswer =
    PRG715_TEXT("the radio answered 0x%02X instead of 0x%02X");
inline constexpr const char* kLinkBadBlockEnd =
    PRG715_TEXT("block %d of 33 ended with 0x%02X instead of 0x06");
inline constexpr const char* kLinkStalled =
    PRG715_TEXT("block %d of 33 stopped after %d of its 65 bytes");
inline constexpr const char* kLinkNotConfirmed = PRG715_TEXT("the radio did not confirm the write");
inline constexpr const char* kLinkWrongConfirmation =
    PRG715_TEXT("the radio confirmed with 0x%02X instead of 0x36");
inline constexpr const char* kLinkCancelled = PRG715_TEXT("cancelled while waiting for the radio");
inline constexpr const char* kLinkInterrupted = PRG715_TEXT("interrupted during the transfer");

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

// Every program's --version: "prg715-cli 2.5", lines of the program's own (the desktop's Qt),
// then the licence
inline constexpr const char* kVersionOption = "print the version and the licence and exit";
inline constexpr const char* kVersionLicence =
    "Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later)\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";
inline constexpr const char* kVersionQt = "Qt %s (built with Qt %s)";

// The diagnostic report: a file for the developers, English from every front end (printf
// formats)
inline constexpr const char* kReportTitle = "PRG-715 diagnostic report";
inline constexpr const char* kReportWritten = "Written %s UTC by %s\n";
inline constexpr const char* kReportProgram = "Program";
inline constexpr const char* kReportPlatform = "Platform";
inline constexpr const char* kReportSerialDevices = "Serial devices present";
inline constexpr const char* kReportSettings = "Settings";
inline constexpr const char* kReportSettingsPlace = "Kept in: %s\n";
inline constexpr const char* kReportPorts = "COM1: %s\nCOM2: %s\n";
inline constexpr const char* kReportChecks =
    "Read the radio before writing: %s\nVerify after writing: %s\n";
inline constexpr const char* kReportLogFolder = "Programming log folder: %s\n";
inline constexpr const char* kReportLanguage = "Desktop language: %s\n";
inline constexpr const char* kReportBackups = "Recent backups (names only, newest first)";
inline constexpr const char* kReportTraces = "Transfer traces (newest first)";
inline constexpr const char* kReportShownOf = "%d of %d\n";
inline constexpr const char* kReportLastPlan = "Last plan";
inline constexpr const char* kReportPlanLeftOut =
    "left out (the user did not ask for it to be included)";
inline constexpr const char* kReportNone = "(none)";
inline constexpr const char* kReportUnreadable = "(cannot be read: %s)";
inline constexpr const char* kReportSaved = "Diagnostic report saved as %s\n";

// Transfer traces: what crossed the cable, kept after every exchange, read back by
// `prg715-cli trace` and prg715-radio-sim --replay (printf formats)
inline constexpr const char* kTraceLine = "line %d: %s";
inline constexpr const char* kTraceNotATrace =
    "not a transfer trace (it does not begin with \"%s\")";
inline constexpr const char* kTraceUnknownField = "unknown field \"%s\"";
inline constexpr const char* kTraceFieldTwice = "%s given twice";
inline constexpr const char* kTraceBadValue = "%s: bad value \"%s\"";
inline constexpr const char* kTraceMissingField = "the exchange that starts on line %d has no %s";
inline constexpr const char* kTraceNotUnderstood =
    "neither a field, a line of bytes nor a comment: \"%s\"";
inline constexpr const char* kTraceBadTime = "\"%s\" is not a time in microseconds";
inline constexpr const char* kTraceNoBytes = "no bytes in hex after the time";
inline constexpr const char* kTraceBadStep = "unknown step \"%s\"";
inline constexpr const char* kTraceTimeBackwards = "time %s comes before the line above's %s";
inline constexpr const char* kTraceTimeAfterEnd = "time %s is after the exchange's end (%s)";
inline constexpr const char* kTraceFileTooLarge = "larger than %zu bytes: not a transfer trace";
inline constexpr const char* kTraceFileFailure = "%s: %s";
inline constexpr const char* kNoStateFolder = "neither XDG_STATE_HOME nor HOME is set";
inline constexpr const char* kTraceNotWritten = "the trace could not be written to %s: %s";
inline constexpr const char* kNoTracesYet = "No transfer traces yet in %s";
// prg715-cli trace: the summary of each exchange
inline constexpr const char* kSummaryHeading = "%s %s";  // "read of KM162", time
inline constexpr const char* kSummaryKindModel = "%s of %s";
inline constexpr const char* kSummaryField = "  %-9s %s";
inline constexpr const char* kSummaryOutcome = "%s: %s";
inline constexpr const char* kSummaryTotals = "%zu sent, %zu received in %s s";
inline constexpr const char* kSummaryLost = "%zu bytes more than the recorder had room for";
inline constexpr const char* kSummarySteps = "  steps:";
inline constexpr const char* kSummaryStep = "    %-22s %5zu sent %5zu received";
inline constexpr const char* kSummaryGaps =
    "  gaps (a radio byte more than 3 times the median %s ms and over 50 ms after the byte "
    "before it):";
inline constexpr const char* kSummaryNoGaps = "  no gaps longer than usual";
inline constexpr const char* kSummaryGap = "    at %s s, %s byte %zu: %s ms after the byte before";
inline constexpr const char* kSummaryFailure =
    "  failure point: %s, %s byte %zu at %s s; nothing more for %s s until the end";
inline constexpr const char* kSummaryNothing =
    "  failure point: no byte crossed the line in the %s s the exchange took";
inline constexpr const char* kSummarySentWord = "sent";
inline constexpr const char* kSummaryReceivedWord = "received";
inline constexpr const char* kReplayDiffers =
    "replay: exchange %d, %s: the program sent 0x%02X where the trace has 0x%02X";
inline constexpr const char* kReplayStarted = "replaying %s (exchanges: %zu)";
inline constexpr const char* kReplayDone = "replay: played to its end (exchanges: %zu)";

// Desktop application shell: port choice at start-up, About box
inline constexpr const char* kPortFileUnreadable =
    PRG715_TEXT("Cannot read the serial port choice from \"port.port\". COM Port 1 is selected.");
inline constexpr const char* kAboutSecondLine =
    PRG715_TEXT("Programming tool for the KM41, KM42, KM161 and KM162 radios");

// Desktop File > Print
inline constexpr const char* kCannotPrintReport = PRG715_TEXT("Cannot Print Report!");

// Channel lists (CSV files, clipboard rows) and plan comparison; printf formats. A refused
// row reads "row 5, channel 3: Frequency 480.000000: Valid Settings 440Mhz to 470Mhz".
inline constexpr const char* kCsvTooLarge =
    PRG715_TEXT("the text is larger than %zu bytes: not a channel list");
inline constexpr const char* kCsvBinary =
    PRG715_TEXT("the file holds binary data, not comma-separated text");
inline constexpr const char* kCsvOpenQuote =
    PRG715_TEXT("row %d opens a quoted field that never closes");
inline constexpr const char* kCsvNoRows = PRG715_TEXT("the text holds no rows");
inline constexpr const char* kCsvNoHeader = PRG715_TEXT(
    "no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)");
inline constexpr const char* kCsvRow = PRG715_TEXT("row %d: %s");
inline constexpr const char* kCsvRowChannel = PRG715_TEXT("row %d, channel %d: %s");
inline constexpr const char* kCsvSummary = PRG715_TEXT("rows taken: %zu, refused: %zu");
inline constexpr const char* kCsvNotANumber = PRG715_TEXT("%s \"%s\" is not a number");
inline constexpr const char* kCsvNotAChoice = PRG715_TEXT("%s \"%s\" is none of %s");
inline constexpr const char* kCsvNotALocation = PRG715_TEXT("%s \"%s\" is not a channel number");
inline constexpr const char* kCsvNotACode = PRG715_TEXT("%s \"%s\" is not a DCS code");
inline constexpr const char* kCsvPowerWords = PRG715_TEXT("High, Low or a wattage");
inline constexpr const char* kCsvMissingColumn = PRG715_TEXT("no %s in this row");
inline constexpr const char* kCsvChannelTwice =
    PRG715_TEXT("channel %d is given in row %d already");
inline constexpr const char* kCsvValueRefused = "%s %s: %s";
inline constexpr const char* kCsvColumnRefused = "%s: %s";
inline constexpr const char* kCsvToneRefused = PRG715_TEXT("%s tone %s Hz: %s");
inline constexpr const char* kCsvCodeRefused = PRG715_TEXT("%s DCS code %s: %s");
inline constexpr const char* kCsvThirdTone =
    PRG715_TEXT("%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)");
inline constexpr const char* kCsvRxMoved =
    PRG715_TEXT("Frequency %s moved to the 12.5 kHz raster, %s stored");
inline constexpr const char* kCsvPriorityLost = PRG715_TEXT(
    "the plan would be left without a priority channel: row %d, which sets up the new one, is "
    "refused");
inline constexpr const char* kCsvMoreRefused = PRG715_TEXT("... and %zu more rows refused");
inline constexpr const char* kDiffChannel = PRG715_TEXT("channel %d");
inline constexpr const char* kDiffOption = PRG715_TEXT("option");
inline constexpr const char* kDiffSentence = "%s: %s %s -> %s";

// Desktop channel lists: File > Import CSV... and Export CSV..., Ctrl+C and Ctrl+V on the grid
inline constexpr const char* kCannotImportFile = PRG715_TEXT("Cannot Import File!");
inline constexpr const char* kImportCsvTitle = PRG715_TEXT("Import CSV");
inline constexpr const char* kImportChanges = PRG715_TEXT("What changes:");
inline constexpr const char* kImportNoChanges = PRG715_TEXT("Nothing changes.");
inline constexpr const char* kImportRefusedRows = PRG715_TEXT("Rows refused:");
inline constexpr const char* kCannotPaste = PRG715_TEXT("Cannot Paste!");
inline constexpr const char* kRowsNotPasted = PRG715_TEXT("Some rows were not pasted.");

// Desktop radio link: the serial devices behind COM1 and COM2, the built-in virtual radio and
// the command line that sets them for one run (printf formats)
inline constexpr const char* kDevicePathNeeded =
    PRG715_TEXT("Enter the device of %s as a full path, for example /dev/ttyUSB0");
inline constexpr const char* kComPortNeeded =
    PRG715_TEXT("Enter the device of %s as a COM port, for example COM7");
inline constexpr const char* kVirtualRadioOn = PRG715_TEXT("Virtual radio on %s as COM1");
inline constexpr const char* kVirtualRadioNotStarted =
    PRG715_TEXT("the virtual radio did not start: %s");
inline constexpr const char* kVirtualRadioImageUnreadable = PRG715_TEXT("%s: cannot read (%s)");
inline constexpr const char* kVirtualRadioNeedsPty =
    PRG715_TEXT("it answers on a pseudo-terminal, which this system does not have");
inline constexpr const char* kVirtualRadioTakesCom1 =
    PRG715_TEXT("--virtual-radio puts the virtual radio on COM1: leave out --com1");
inline constexpr const char* kCommandLineDevicePath = PRG715_TEXT("--%s needs a device path");

// Settings the desktop and the command line share: the devices behind COM1 and COM2, the write
// checks (printf formats: where, why)
inline constexpr const char* kSettingsNotSaved = PRG715_TEXT("Cannot save the settings in %s: %s");
inline constexpr const char* kSettingsFileTooLarge =
    PRG715_TEXT("the file is larger than %zu bytes");

// Dealer safety: unsaved changes, the plan's name in the title, backups of what crossed the
// cable, the right radio and the verification after a write (printf formats)
inline constexpr const char* kSaveChangesQuestion = PRG715_TEXT("Save changes to the plan?");
inline constexpr const char* kRadioPlanName = PRG715_TEXT("(radio)");
inline constexpr const char* kRadioDescription = PRG715_TEXT("%s (%s, %d channels)");
inline constexpr const char* kWrongRadioQuestion =
    PRG715_TEXT("The radio read last is a %s; this plan is for a %s. Write anyway?");
inline constexpr const char* kWrongRadioRefused = PRG715_TEXT(
    "the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)");
inline constexpr const char* kWrongRadioForced =
    PRG715_TEXT("the radio is a %s; this plan is for a %s: written anyway (--force)");
inline constexpr const char* kVerified = PRG715_TEXT("Verified: the radio holds the plan");
inline constexpr const char* kNotVerified =
    PRG715_TEXT("The radio does not hold the plan that was written (written -> read back):");
inline constexpr const char* kVerifyNotRead =
    PRG715_TEXT("The write could not be verified: the radio was not read back.");
inline constexpr const char* kVerifyByte = PRG715_TEXT("memory byte %zu: 0x%02X -> 0x%02X");
inline constexpr const char* kBackupKept = PRG715_TEXT("Backup kept: %s");
inline constexpr const char* kBackupNotKept = PRG715_TEXT("No backup kept: %s");
inline constexpr const char* kBackupFolderReason = "%s: %s";
inline constexpr const char* kNoDataFolder = PRG715_TEXT("neither XDG_DATA_HOME nor HOME is set");
inline constexpr const char* kNoBackupName = PRG715_TEXT("%s: every backup name of %s is taken");
inline constexpr const char* kOpenBackupTitle = PRG715_TEXT("Open Backup");
inline constexpr const char* kBackupFolderLabel = PRG715_TEXT("Backups in %s");
inline constexpr const char* kNoBackups = PRG715_TEXT("No backups yet in %s");
inline constexpr const char* kBackupChannelsInUse = PRG715_TEXT("%d of %d");
inline constexpr const char* kBackupColumns[] = {PRG715_TEXT("Time"), PRG715_TEXT("Direction"),
                                                 PRG715_TEXT("Model"), PRG715_TEXT("Band"),
                                                 PRG715_TEXT("Channels in use")};

// Programming several radios: the log's columns and results, the job's texts (printf formats)
inline constexpr const char* kLogColumns[] = {"time",   "job",     "number",        "label",
                                              "model",  "band",    "plan file",     "image sha256",
                                              "result", "seconds", "before backup", "after backup"};
inline constexpr const char* kResultVerified = PRG715_TEXT("verified");
inline constexpr const char* kResultWritten = PRG715_TEXT("written without verify");
inline constexpr const char* kResultRefused = PRG715_TEXT("refused: other model");
inline constexpr const char* kResultFailed = PRG715_TEXT("failed: %s");
inline constexpr const char* kFailedPrefix = PRG715_TEXT("failed: ");
inline constexpr const char* kRadioCancelled = PRG715_TEXT("cancelled");
inline constexpr const char* kRadioStopped = PRG715_TEXT("stopped");
inline constexpr const char* kJobSummaryOne =
    PRG715_TEXT("%d radio: %d verified, %d written without verify, %d refused, %d failed");
inline constexpr const char* kJobSummary =
    PRG715_TEXT("%d radios: %d verified, %d written without verify, %d refused, %d failed");
inline constexpr const char* kConnectRadio =
    PRG715_TEXT("Connect radio %d and press Enter (label, or q to stop):");
inline constexpr const char* kJobStarted = PRG715_TEXT("job %s, each radio logged in %s");
inline constexpr const char* kRadioLine = PRG715_TEXT("radio %d%s: %s");
inline constexpr const char* kRetrySkipStop =
    PRG715_TEXT("Radio %d failed: Retry, Skip or Stop? [r/s/q]");
inline constexpr const char* kLogNotWritten =
    PRG715_TEXT("The programming log could not be written: %s: %s");
inline constexpr const char* kNotALog =
    PRG715_TEXT("%s: not a programming log (the first line is not its header)");
inline constexpr const char* kLogLinesLeftOut = PRG715_TEXT("%s: %d damaged lines left out");
inline constexpr const char* kLogTooLarge = PRG715_TEXT("%s: larger than %zu bytes");
inline constexpr const char* kNoLogLines = PRG715_TEXT("No radios in %s");
inline constexpr const char* kNoLogLinesOfLabel = PRG715_TEXT("No radios labelled \"%s\" in %s");

// Desktop editing: undo and redo steps named by what changed, clearing several channels
// (printf formats; a channel list reads "1-3, 5" in a step's name, "3 to 5" in a question)
inline constexpr const char* kUndoMenu = PRG715_TEXT("&Undo %s");
inline constexpr const char* kRedoMenu = PRG715_TEXT("&Redo %s");
inline constexpr const char* kEditChannel = PRG715_TEXT("Channel %d %s");
inline constexpr const char* kEditFieldOnChannels = PRG715_TEXT("%s on Channels %s");
inline constexpr const char* kEditOneChannel = PRG715_TEXT("Channel %s");
inline constexpr const char* kEditChannels = PRG715_TEXT("Channels %s");
inline constexpr const char* kEditClear = PRG715_TEXT("Clear %s");
inline constexpr const char* kEditPaste = PRG715_TEXT("Paste %s");
inline constexpr const char* kEditImport = PRG715_TEXT("Import %s");
inline constexpr const char* kEditTwoFields = "%s, %s";
inline constexpr const char* kEditMoreFields = PRG715_TEXT("%s, %s and %zu more");
inline constexpr const char* kEditRange = "%d-%d";
inline constexpr const char* kQuestionRange = PRG715_TEXT("%d to %d");
inline constexpr const char* kRangeSeparator = ", ";
inline constexpr const char* kClearChannelQuestion = PRG715_TEXT("Clear channel %s?");
inline constexpr const char* kClearChannelsQuestion = PRG715_TEXT("Clear channels %s?");
// The plan's fields as undo steps name them
inline constexpr const char* kFieldRxFrequency = PRG715_TEXT("RX Frequency");
inline constexpr const char* kFieldTxFrequency = PRG715_TEXT("TX Frequency");
inline constexpr const char* kFieldRxSquelch = PRG715_TEXT("RX Squelch");
inline constexpr const char* kFieldTxSquelch = PRG715_TEXT("TX Squelch");
inline constexpr const char* kFieldRxCtcss = PRG715_TEXT("RX CTCSS Tone");
inline constexpr const char* kFieldTxCtcss = PRG715_TEXT("TX CTCSS Tone");
inline constexpr const char* kFieldRxDcs = PRG715_TEXT("RX DCS Code");
inline constexpr const char* kFieldTxDcs = PRG715_TEXT("TX DCS Code");
inline constexpr const char* kFieldRxDcsInvert = PRG715_TEXT("RX DCS Inverted");
inline constexpr const char* kFieldTxDcsInvert = PRG715_TEXT("TX DCS Inverted");
inline constexpr const char* kFieldNsc1Tone = PRG715_TEXT("NSC-1 Tone");
inline constexpr const char* kFieldNsc2Tone = PRG715_TEXT("NSC-2 Tone");
inline constexpr const char* kFieldScan = PRG715_TEXT("Scan");
inline constexpr const char* kFieldPriority = PRG715_TEXT("Priority");
inline constexpr const char* kFieldPower = PRG715_TEXT("Power");
inline constexpr const char* kFieldSpacing = PRG715_TEXT("Spacing");
inline constexpr const char* kFieldPowerOn = PRG715_TEXT("Power On");
inline constexpr const char* kFieldStep = PRG715_TEXT("Step");
inline constexpr const char* kFieldBand = PRG715_TEXT("Band");
inline constexpr const char* kFieldChannelCount = PRG715_TEXT("Channels");
inline constexpr const char* kFieldTxTimeOut = PRG715_TEXT("Tx Time Out");
inline constexpr const char* kFieldTxTimeOutTime = PRG715_TEXT("Tx Time Out Time");
inline constexpr const char* kFieldTxInhibit = PRG715_TEXT("Tx Inhibit");
inline constexpr const char* kFieldTxDelay = PRG715_TEXT("Tx Delay");
inline constexpr const char* kFieldBusyLockout = PRG715_TEXT("Busy Ch Lockout");
inline constexpr const char* kFieldMarkedIdle = PRG715_TEXT("Marked Idle");
inline constexpr const char* kFieldMonitor = PRG715_TEXT("Monitor");
inline constexpr const char* kFieldScanIndicator = PRG715_TEXT("Scan Indicator");
inline constexpr const char* kFieldBeep = PRG715_TEXT("Beep");
inline constexpr const char* kFieldLookback = PRG715_TEXT("Pr Lookback Time");
inline constexpr const char* kFieldScanDelay = PRG715_TEXT("Scan Delay");
inline constexpr const char* kFieldScanSpeed = PRG715_TEXT("Scan Speed");
inline constexpr const char* kFieldCarrierTone = PRG715_TEXT("Carrier + Tone");
inline constexpr const char* kFieldScanTx = PRG715_TEXT("Scan Tx");
inline constexpr const char* kFieldPowerSave = PRG715_TEXT("Power Save");
inline constexpr const char* kFieldRxOnTime = PRG715_TEXT("Rx On Time");
inline constexpr const char* kFieldRxOffTime = PRG715_TEXT("Rx Off Time");
inline constexpr const char* kFieldPowerSaveDelay = PRG715_TEXT("Power Save Delay");
inline constexpr const char* kFieldCompander = PRG715_TEXT("Audio Compander");

// Desktop: the user manual
// Desktop: Help > Save Diagnostic Report... (printf formats)
inline constexpr const char* kDiagnosticsMenu = PRG715_TEXT("Save &Diagnostic Report...");
inline constexpr const char* kDiagnosticsPrompt = PRG715_TEXT(
    "Save a report to attach to a problem with a radio\nSave Diagnostic Report");
inline constexpr const char* kDiagnosticsCaption = PRG715_TEXT("Save Diagnostic Report");
inline constexpr const char* kDiagnosticsIntro = PRG715_TEXT(
    "The report holds the program's version, the platform, the serial devices, the settings, "
    "the last transfer traces and the names of the recent backups. Attach it to your report of "
    "the problem.");
inline constexpr const char* kDiagnosticsIncludePlan =
    PRG715_TEXT("&Include the last plan (a customer's frequencies)");
inline constexpr const char* kDiagnosticsSaved = PRG715_TEXT("Diagnostic report saved as %s");
inline constexpr const char* kManualMenu = PRG715_TEXT("&User Manual");
inline constexpr const char* kManualPrompt = PRG715_TEXT("Open the user manual\nUser Manual");
inline constexpr const char* kManualTitle = PRG715_TEXT("PRG-715 User Manual");
inline constexpr const char* kManualBack = PRG715_TEXT("Back");
inline constexpr const char* kManualForward = PRG715_TEXT("Forward");
inline constexpr const char* kManualFind = PRG715_TEXT("&Find:");
inline constexpr const char* kManualFindHint =
    PRG715_TEXT("a word in any chapter; Enter or F3 for the next");
inline constexpr const char* kManualNoMatch = PRG715_TEXT("No chapter holds \"%s\".");
inline constexpr const char* kManualMissing = PRG715_TEXT(
    "The user manual was not found. These folders were tried:\n\n%s\n\n"
    "Set PRG715_MANUAL_DIR to the folder that holds its index.md.");
inline constexpr const char* kAboutLicence =
    PRG715_TEXT("Free software under the GNU General Public License, version 3 or later");
inline constexpr const char* kAboutManual = PRG715_TEXT("User manual: %s");
inline constexpr const char* kAboutNoManual = PRG715_TEXT("User manual: not installed");

// Desktop: Program Several Radios and Radio History (printf formats)
inline constexpr const char* kFleetMenu = PRG715_TEXT("&Program Several Radios...");
inline constexpr const char* kFleetPrompt = PRG715_TEXT(
    "Write the plan into radio after radio, each read first, checked and logged\n"
    "Program Several Radios");
inline constexpr const char* kHistoryMenu = PRG715_TEXT("Radio &History...");
inline constexpr const char* kHistoryPrompt =
    PRG715_TEXT("List the radios programmed, from the programming log\nRadio History");
inline constexpr const char* kFleetTitle = PRG715_TEXT("Program Several Radios");
inline constexpr const char* kFleetSettings = PRG715_TEXT("Before the job");
inline constexpr const char* kFleetVerify = PRG715_TEXT("Read &back and compare each radio");
inline constexpr const char* kFleetStopAfter = PRG715_TEXT("Stop &after");
inline constexpr const char* kFleetStopAfterUnit = PRG715_TEXT("radios (0 or empty: until Stop)");
inline constexpr const char* kFleetLogFolder = PRG715_TEXT("&Log folder:");
inline constexpr const char* kFleetBrowse = PRG715_TEXT("B&rowse...");
inline constexpr const char* kFleetBrowseCaption = PRG715_TEXT("Folder of the Programming Log");
inline constexpr const char* kFleetNoLogFolder =
    PRG715_TEXT("Choose the folder of the programming log.");
inline constexpr const char* kFleetStart = PRG715_TEXT("&Start");
inline constexpr const char* kFleetRetry = PRG715_TEXT("&Retry");
inline constexpr const char* kFleetSkip = PRG715_TEXT("S&kip");
inline constexpr const char* kFleetStop = PRG715_TEXT("S&top");
inline constexpr const char* kFleetClose = PRG715_TEXT("Close");
inline constexpr const char* kFleetJobStarted = PRG715_TEXT("Job %s: each radio is logged in %s");
inline constexpr const char* kFleetConnectRadio =
    PRG715_TEXT("Connect radio %d, type or scan its label and press Enter");
inline constexpr const char* kFleetRadioRunning = PRG715_TEXT("Radio %d is being programmed");
inline constexpr const char* kFleetRadioFailed = PRG715_TEXT("Radio %d failed: %s");
inline constexpr const char* kFleetStepRead =
    PRG715_TEXT("Radio %d: step %d of %d: reading the radio");
inline constexpr const char* kFleetStepWrite = PRG715_TEXT("Radio %d: step %d of %d: writing");
inline constexpr const char* kFleetStepReadBack =
    PRG715_TEXT("Radio %d: step %d of %d: reading back to verify");
inline constexpr const char* kFleetColumns[] = {PRG715_TEXT("Radio"), PRG715_TEXT("Label"),
                                                PRG715_TEXT("Model"), PRG715_TEXT("Result"),
                                                PRG715_TEXT("Seconds")};
inline constexpr const char* kSecondsFormat = "%.1f";
inline constexpr const char* kHistoryTitle = PRG715_TEXT("Radio History");
inline constexpr const char* kHistoryLog = PRG715_TEXT("Radios in %s");
inline constexpr const char* kHistoryLabelFilter = PRG715_TEXT("&Label:");
inline constexpr const char* kHistoryLabelHint = PRG715_TEXT("every label");
inline constexpr const char* kHistoryColumns[] = {
    PRG715_TEXT("Time"),  PRG715_TEXT("Job"),  PRG715_TEXT("Radio"),  PRG715_TEXT("Label"),
    PRG715_TEXT("Model"), PRG715_TEXT("Band"), PRG715_TEXT("Result"), PRG715_TEXT("Seconds")};
inline constexpr const char* kHistoryOpenBefore = PRG715_TEXT("Open &Before");
inline constexpr const char* kHistoryOpenAfter = PRG715_TEXT("Open &After");
inline constexpr const char* kHistoryCompare = PRG715_TEXT("&Compare");
inline constexpr const char* kCompareTitle = PRG715_TEXT("Before and After");
inline constexpr const char* kCompareHeading =
    PRG715_TEXT("Radio %d%s of job %s, before -> after:");
inline constexpr const char* kCompareLabel = " (%s)";
inline constexpr const char* kCompareSame =
    PRG715_TEXT("The radio held the same plan before and after.");

// Desktop: the language of its texts (Help > Language, prg715 --language); the languages'
// own names are never translated
inline constexpr const char* kLanguageMenu = PRG715_TEXT("&Language");
inline constexpr const char* kLanguageSystem = PRG715_TEXT("&System Language");
inline constexpr const char* kLanguageEnglish = "&English";
inline constexpr const char* kLanguageNextStart =
    PRG715_TEXT("PRG-715 shows the language you chose when it starts next time.");
inline constexpr const char* kLanguageOption = "Show the desktop in <code> (%s) for this run.";
inline constexpr const char* kLanguageUnknown = "unknown language '%s'; one of: %s";
inline constexpr const char* kToolBarTitle = PRG715_TEXT("Standard");

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
inline constexpr const char* kSimReplayAlone =
    "--replay plays the radio the trace recorded: leave out %s";
inline constexpr const char* kSimImageWithRadios =
    "--image is one radio's memory; --radios %d serves each radio a fresh one";
}  // namespace msg
