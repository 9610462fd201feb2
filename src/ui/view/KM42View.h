// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "codec/RadioImage.h"
#include "link/CommPort.h"
#include "model/KM42Doc.h"
#include "model/PlanEdits.h"
#include "model/RadioModel.h"
#include "safety/Backups.h"
#include "ui/common/ImageCopy.h"
#include "ui/common/SerialDevices.h"

class CAboutDlg;
class CBackupsDlg;
class CChannelDlg;
class CFleetDlg;
class CHistoryDlg;
class CManualDlg;
class CMSFlexGrid;
struct GridCellSpeech;
class CMemoryMapDlg;
class CModelDlg;
class COptionDlg;
class CPlanChanges;
class CReadDlg;
class CSerialDevicesDlg;
class CWriteDlg;
struct FlagOutcome;
class QKeyEvent;
class QLabel;
class QPushButton;
class CUiPrompts;
struct FileDialogRequest;
namespace fleet {
struct LogLine;
}

// The form in the main window: band caption, the 16- and 4-channel grids and the hidden
// "MEMORY MAP" button. It carries out the File, Options, Read, Write, Program Several Radios
// and Memory map commands.
// The dialogs it runs are children of the view, created here only and reused for the whole
// run. Each is given what it edits (the document, the image copy, the port) and the prompts;
// what follows for the view (the band caption, the plan read, the change recorded) is done
// here, from their results and signals.
class CKM42View : public QWidget {
    Q_OBJECT
public:
    CKM42View(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent = nullptr);
    ~CKM42View() override;

    CKM42Doc& GetDocument() { return m_doc; }
    CUiPrompts& Prompts() { return m_prompts; }
    // The plan's name and unsaved state; every change to the plan is recorded there.
    CPlanChanges& PlanChanges() { return *m_pPlanChanges; }

    // Once, after the frame has been built: 4-channel plan with the new-plan defaults, no plan
    // laid out yet, port choice from "port.port", empty image copy.
    void OnInitialUpdate();

    // Grid set-up: titles, widths, colours, empty channel cells; marks the plan laid out.
    void InitGrid16();
    void InitGrid4();
    // Band caption and every channel row from the document.
    void FillGrid16();
    void FillGrid4();
    // Rewrites channel n's row (1-based) after the channel editor, and the tone cells of every
    // channel sharing its non-standard tone type.
    void UpdateGridRow16(int channel);
    void UpdateGridRow4(int channel);

    // Shows the grid for the document's channel count and hides the other, then sets it up
    // and, for SetUpAndFill, fills it (New sets up only; Open and Read also fill).
    enum class GridFill { SetUpOnly, SetUpAndFill };
    void ShowPlan(GridFill fill);

    // Opens a data file and shows it, as Open does after its dialog (a plan named on the
    // command line, a backup); true when it opened.
    bool OpenPlanFile(const QString& path);

    // The one way a change to the plan is made known: called with the plan as it was before,
    // after any edit (channel editor, flags, options, imports, pastes, clears). Records the
    // change as one step of the history, which redraws the grid from the plan.
    void RecordPlanChange(const CKM42Doc& before, PlanEditKind kind = PlanEditKind::Edit);

    // Before the plan is replaced or the program ends: when the plan holds unsaved changes,
    // asks whether to save them. False when the user cancels (or the save did not happen).
    bool AskToSaveChanges();

    // Pushes the members to the form (the band caption).
    void MembersToControls();

    // Channel lists, for File > Import CSV..., the grid's Ctrl+C and Ctrl+V and whatever else
    // moves channels as text. ImportCsvText shows what the list changes and changes the plan
    // only on OK; PasteRows pastes on the current channel and down, and lists the rows
    // refused. Both return whether the plan changed. CopyRows gives the selected channels
    // (the current one when none is selected) as tab-separated rows with the header.
    bool ImportCsvText(const std::string& text);
    bool PasteRows(const std::string& text);
    std::string CopyRows() const;

    // Opens COM1 or COM2, as the document's m_nComPort says, for a read or write: 2 when
    // open, 1 when not (the message, with the system's reason, has been shown).
    int OpenRadioPort();

    // The status bar's note of a backup kept after an exchange, or why none was.
    void SayBackupKept(const backup::KeepOutcome& kept);

    // The channels the grid's selection covers (the current one when none is selected), the
    // ones the Edit commands and the grid's menu act on.
    std::vector<int> SelectedChannels() const;
    // Sets a flag the same way on every selected channel that has a frequency, as one change;
    // only when none has one is the refusal shown (once).
    using FlagSetter = FlagOutcome (*)(CKM42Doc&, int, bool);
    void SetFlagOfSelection(FlagSetter set, bool on);

    QSize sizeHint() const override;
    // The band caption and a few rows of the grid.
    QSize minimumSizeHint() const override;

    // Members, as the dialogs and commands use them.
    CMSFlexGrid* m_Grid16;
    QString m_strBandCaption;
    CMSFlexGrid* m_Grid4;
    std::int32_t m_nOpenFilter = 1;  // 1 until the first New or Open: Open offers every file
    ImageCopy m_ImageCopy{};
    std::int32_t m_bCom1 = 1;       // mirror of the port choice: 1 COM1, 0 COM2
    std::int32_t m_bDataReady = 0;  // 1 once a plan is laid out in a grid
    CCommPort m_CommPort;           // the line to the radio; open only during a read or write
    WriteChecks m_WriteChecks;      // extra reads around a write, as set in the Port menu
    // The radio read last in this run (its model and band matter): a write of a plan for
    // another radio asks first.
    std::optional<CKM42Doc> m_RadioReadLast;

signals:
    // A grid was set up for a plan: commands that need a plan may now be enabled.
    void PlanLaidOut();
    // A note for the status bar (a backup kept, or why not).
    void StatusNote(const QString& text);
    // The grid's context menu was asked for, at this point of the screen.
    void GridMenuRequested(const QPoint& globalPos);
    // Program Several Radios: the dealer has connected radio `number` (from 1) and started it,
    // on the line to COM1 or COM2 as `comPort` says.
    void FleetRadioStarting(int number, std::int32_t comPort);

public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileOpenBackup();
    void OnFilePrint();
    void OnFileImportCsv();
    void OnFileExportCsv();
    void OnOptions();
    void OnReadRadio();
    void OnWriteRadio();
    // Port > Program Several Radios... and File > Radio History...
    void OnFleetJob();
    void OnFileRadioHistory();
    void OnMemoryMap();
    // Port > Serial Devices... and Help > About, run for the frame and the application.
    void OnSerialDevices();
    void OnAppAbout();
    // Help > User Manual: one window, brought to the front when open already.
    void OnHelpManual();
    void OnSaveDiagnostics();
    void OnGridDblClick16();
    void OnGridDblClick4();
    void OnEditUndo();
    void OnEditRedo();
    void OnEditCopy();
    void OnEditPaste();
    // Clears the selected channels after one question.
    void OnEditClear();
    void OnEditSelectAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildForm();
    CMSFlexGrid& ShownGrid() const;
    void FillShownGrid();
    void BuildDialogs();
    void LoadPortChoice();
    void PostMessageBox(const std::string& text);
    bool OpenDocument(const QString& path);
    // Save's dialog and file; true when the plan was saved.
    bool SavePlan();
    // A save dialog's path once an existing file other than `ownFile` may be replaced.
    std::optional<QString> AskSavePath(const FileDialogRequest& request, const QString& ownFile);
    // Write with the Port menu's checks: the job in the write dialog, then its one message.
    void RunWriteJob();
    // A plan the radio's memory cannot hold is refused (said once) before any port opens.
    bool IsEncodable();
    // A backup's plan opens as a copy to go back to, not a file to save over: the plan file
    // given, or the one beside an image, else the plan decoded from the image.
    bool OpenBackupPlan(const QString& path);
    bool OpenBackupImage(const std::string& imagePath);
    // Radio History's Compare: what a radio's job changed, in a text to read.
    void ShowBeforeAndAfter(const fleet::LogLine& line);
    // A complete read, while its dialog is still up: the plan takes the radio's and shows.
    void ShowReadPlan(const RadioImage& image);
    // A file opens as stored; what in it lies outside the radio's ranges is said once.
    void SayWhatIsOutOfRange();
    void InitGrid(CMSFlexGrid& grid, int channels);
    void FillGrid(CMSFlexGrid& grid, int channels);
    void UpdateGridRow(CMSFlexGrid& grid, int channels, int channel);
    void UpdateSignalCells(CMSFlexGrid& grid, int channel, bool receive);
    void RefreshToneCells(CMSFlexGrid& grid, int channels);

    // Editing from the grids: a double-click on a frequency or signalling cell opens the
    // channel editor, one on a flag cell toggles the flag of that row's channel.
    void OnGridDblClick(CMSFlexGrid& grid);
    // What a double-click on the cell does; Enter, F2 and Space on the current cell do the
    // same, Space on a flag of several selected channels setting it on all of them.
    void ActOnCell(int row, int col, const std::vector<int>& flagChannels);
    // The grid's keys: true when the key was taken.
    bool OnGridKey(CMSFlexGrid& grid, const QKeyEvent& key);
    // "Channel 5" for the row; a flag cell's column and state in words, not its letter.
    void SpeakCell(long row, long col, GridCellSpeech& speech) const;
    void EditChannel(int channel);
    void ToggleFlag(int channel, FlagOutcome (*toggle)(CKM42Doc&, int));
    void ToggleFlagOfChannels(int col, const std::vector<int>& channels);
    void SetFlagOfChannels(const std::vector<int>& channels, FlagSetter set, bool on);
    // Anchors caption and grids top-left and lets the grids take the room the window gives.
    void LayOutForm();

    CKM42Doc& m_doc;
    CUiPrompts& m_prompts;
    QLabel* m_pBandCaption = nullptr;
    QPushButton* m_pMemoryMapButton = nullptr;
    CModelDlg* m_pModelDlg = nullptr;
    CMemoryMapDlg* m_pMemoryMapDlg = nullptr;
    CChannelDlg* m_pChannelDlg = nullptr;
    COptionDlg* m_pOptionDlg = nullptr;
    CReadDlg* m_pReadDlg = nullptr;
    CWriteDlg* m_pWriteDlg = nullptr;
    CBackupsDlg* m_pBackupsDlg = nullptr;
    CFleetDlg* m_pFleetDlg = nullptr;
    CHistoryDlg* m_pHistoryDlg = nullptr;
    CSerialDevicesDlg* m_pSerialDevicesDlg = nullptr;
    CAboutDlg* m_pAboutDlg = nullptr;
    // Made when first asked for; a window of its own, not kept above the main one.
    std::unique_ptr<CManualDlg> m_pManualDlg;
    CPlanChanges* m_pPlanChanges = nullptr;
    QSize m_formSize;
    // The plan's own file (opened or saved), which Save offers; empty after New, Read and
    // Open Backup, when Save offers the pattern.
    QString m_strPlanPath;
};
