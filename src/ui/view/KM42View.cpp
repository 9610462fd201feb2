// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/KM42View.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "codec/ImageCodec.h"
#include "model/BandTable.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "model/PortFile.h"
#include "report/ReportLayout.h"
#include "report/ReportPainter.h"
#include "ui/common/CorePaths.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/ManualFiles.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/common/SerialDevices.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/AboutDlg.h"
#include "ui/dialogs/DiagnosticsDlg.h"
#include "ui/dialogs/BackupsDlg.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/FleetDlg.h"
#include "ui/dialogs/HistoryDlg.h"
#include "ui/dialogs/ManualDlg.h"
#include "ui/dialogs/MemoryMapDlg.h"
#include "ui/dialogs/ModelDlg.h"
#include "ui/dialogs/OptionDlg.h"
#include "ui/dialogs/ReadDlg.h"
#include "ui/dialogs/SerialDevicesDlg.h"
#include "ui/dialogs/WriteDlg.h"
#include "ui/view/GridColumns.h"
#include "ui/view/PlanChanges.h"

namespace {

constexpr const char* kMemoryMapLabel = QT_TRANSLATE_NOOP("msg", "MEMORY MAP");
constexpr int kGrid16Rows = 17;  // title row and channels 1 to 16
constexpr int kGrid4Rows = 5;    // title row and channels 1 to 4

// The form's geometry in dialog units: x, y, width, height.
struct FormRect {
    int x, y, w, h;
};
constexpr FormRect kFormSize{0, 0, 394, 292};
constexpr FormRect kGrid16Rect{7, 25, 380, 237};
constexpr FormRect kCaptionRect{121, 7, 89, 9};
constexpr FormRect kMemoryMapRect{7, 7, 66, 14};
constexpr FormRect kGrid4Rect{7, 25, 380, 72};
constexpr int kRowsShownAtLeast = 3;  // channel rows the smallest window still shows

QRect Place(const CDialogUnits& units, const FormRect& r) {
    return units.Rect(r.x, r.y, r.w, r.h);
}

QString FileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

CKM42View::CKM42View(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_prompts(prompts) {
    BuildForm();
    BuildDialogs();
    m_pPlanChanges = new CPlanChanges(m_doc, this);
    connect(m_pPlanChanges, &CPlanChanges::PlanApplied, this, &CKM42View::FillShownGrid);
    // The watcher thread's messages ("m_QueueRead FULL!") reach the user from this thread.
    m_CommPort.SetNotifier({[this](const std::string& text) { PostMessageBox(text); }, {}});
}

CKM42View::~CKM42View() {
    // The dialogs, children of this widget, outlive m_CommPort: their exchange must end first.
    m_pReadDlg->StopExchange();
    m_pWriteDlg->StopExchange();
    m_pFleetDlg->StopJob();
    m_CommPort.ClosePort();
}

void CKM42View::BuildDialogs() {
    // Owned by the view and reused for every opening.
    m_pModelDlg = new CModelDlg(m_doc, m_prompts, this);
    m_pChannelDlg = new CChannelDlg(m_doc, m_prompts, this);
    m_pOptionDlg = new COptionDlg(m_doc, m_prompts, this);
    m_pReadDlg = new CReadDlg(m_CommPort, m_ImageCopy, m_prompts, this);
    m_pWriteDlg = new CWriteDlg(m_CommPort, m_ImageCopy, m_prompts, this);
    m_pBackupsDlg = new CBackupsDlg(m_prompts, this);
    m_pFleetDlg = new CFleetDlg(m_CommPort, m_prompts, this);
    m_pHistoryDlg = new CHistoryDlg(m_prompts, this);
    m_pSerialDevicesDlg = new CSerialDevicesDlg(m_CommPort, m_prompts, this);
    m_pAboutDlg = new CAboutDlg(this);
    connect(m_pReadDlg, &CReadDlg::ReadComplete, this, &CKM42View::ShowReadPlan);
    for (CRadioExchangeDlg* exchange : {static_cast<CRadioExchangeDlg*>(m_pReadDlg),
                                        static_cast<CRadioExchangeDlg*>(m_pWriteDlg)})
        connect(exchange, &CRadioExchangeDlg::BackupKept, this, &CKM42View::SayBackupKept);
    connect(m_pFleetDlg, &CFleetDlg::BackupKept, this, &CKM42View::SayBackupKept);
    connect(m_pFleetDlg, &CFleetDlg::RadioStarting, this,
            [this](int number) { emit FleetRadioStarting(number, m_doc.m_nComPort); });
    connect(m_pFleetDlg, &CFleetDlg::JobEnded, this, &CKM42View::StatusNote);
    connect(m_pHistoryDlg, &CHistoryDlg::CompareRequested, this, &CKM42View::ShowBeforeAndAfter);
}

void CKM42View::PostMessageBox(const std::string& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { AppMessageBox(m_prompts, this, text.c_str()); }, Qt::QueuedConnection);
}

void CKM42View::BuildForm() {
    const CDialogUnits units(fontMetrics());
    m_formSize = units.Size(kFormSize.w, kFormSize.h);

    // Created in tab order; the 4-channel grid, created last, lies on top of the other.
    m_Grid16 = new CMSFlexGrid(kGrid16Rows, kGridColumnCount, this);
    m_Grid16->setObjectName(QStringLiteral("grid16"));
    m_Grid16->setGeometry(Place(units, kGrid16Rect));

    m_pBandCaption = new QLabel(this);
    m_pBandCaption->setObjectName(QStringLiteral("bandCaption"));
    m_pBandCaption->setAlignment(Qt::AlignCenter);
    m_pBandCaption->setGeometry(Place(units, kCaptionRect));

    // Kept for the memory map dialog, but nothing on the form shows it.
    m_pMemoryMapButton = new QPushButton(Tr(kMemoryMapLabel), this);
    m_pMemoryMapButton->setObjectName(QStringLiteral("memoryMapButton"));
    m_pMemoryMapButton->setGeometry(Place(units, kMemoryMapRect));
    m_pMemoryMapButton->setVisible(false);
    connect(m_pMemoryMapButton, &QPushButton::clicked, this, &CKM42View::OnMemoryMap);

    m_Grid4 = new CMSFlexGrid(kGrid4Rows, kGridColumnCount, this);
    m_Grid4->setObjectName(QStringLiteral("grid4"));
    m_Grid4->setGeometry(Place(units, kGrid4Rect));

    // Design widths, so that the empty grids read like the laid-out ones before a plan exists.
    // Rows are selected for the Edit commands and the grid's menu; the view takes the keys
    // that edit before the table would.
    for (CMSFlexGrid* grid : {m_Grid16, m_Grid4}) {
        for (int c = 0; c < kGridColumnCount; ++c)
            grid->SetColWidth(c, kGridColumns[static_cast<std::size_t>(c)].widthTwips);
        grid->EnableRowSelection();
        grid->installEventFilter(this);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        grid->setAccessibleName(Tr(msg::kNameChannelGrid));
        grid->SetCellSpeaker(
            [this](long row, long col, GridCellSpeech& speech) { SpeakCell(row, col, speech); });
        connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& pos) {
            emit GridMenuRequested(grid->viewport()->mapToGlobal(pos));
        });
    }

    connect(m_Grid16, &CMSFlexGrid::DblClick, this, &CKM42View::OnGridDblClick16);
    connect(m_Grid4, &CMSFlexGrid::DblClick, this, &CKM42View::OnGridDblClick4);
}

QSize CKM42View::sizeHint() const {
    return m_formSize;
}

QSize CKM42View::minimumSizeHint() const {
    const CDialogUnits units(fontMetrics());
    const QRect caption = Place(units, kCaptionRect);
    const QRect grid = Place(units, kGrid16Rect);
    const QSize margins = m_formSize - QSize(grid.right() + 1, grid.bottom() + 1);
    const int rows = m_Grid16->rowHeight(0) * (1 + kRowsShownAtLeast);
    const int gridHeight =
        rows + 2 * m_Grid16->frameWidth() + m_Grid16->horizontalScrollBar()->sizeHint().height();
    return {caption.right() + 1 + margins.width(), grid.top() + gridHeight + margins.height()};
}

void CKM42View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutForm();
}

void CKM42View::LayOutForm() {
    const CDialogUnits units(fontMetrics());
    // What the window gives beyond the form's design size (or takes from it) goes to the
    // grids; caption, corner and margins stay where the form has them. The columns keep
    // their widths and the table scrolls what no longer fits.
    const QSize extra = size() - m_formSize;
    const QRect grid16 = Place(units, kGrid16Rect);
    const QSize room = (grid16.size() + extra).expandedTo(QSize(0, 0));
    m_Grid16->setGeometry(QRect(grid16.topLeft(), room));
    // Four channels need no more height than the form gave them.
    const QRect grid4 = Place(units, kGrid4Rect);
    m_Grid4->setGeometry(
        QRect(grid4.topLeft(), QSize(room.width(), std::min(room.height(), grid4.height()))));
}

void CKM42View::OnInitialUpdate() {
    // Until the first New, Open or Read the plan is a 4-channel KM41 plan with the new-plan
    // defaults, so that a cancelled first Open shows (and a later Save writes) sound values.
    m_doc.m_b16Channel = 0;
    m_doc.m_nBand = kBandVhf2;
    m_doc.SetDefaults();
    m_bDataReady = 0;
    LoadPortChoice();
    m_CommPort.SetPortMap(MakePortMap(LoadPortDevices()));
    m_WriteChecks = LoadWriteChecks();
    m_nOpenFilter = 1;
    m_ImageCopy.fill(0);
}

void CKM42View::LoadPortChoice() {
    m_doc.m_nComPort = portfile::kCom1;  // the choice when the file cannot be read
    const Outcome outcome = portfile::LoadPortChoice(portfile::kFileName, m_doc.m_nComPort);
    if (!outcome.ok) ShowOutcome(m_prompts, this, outcome);
    m_bCom1 = m_doc.m_nComPort != 0 ? 1 : 0;
}

void CKM42View::MembersToControls() {
    m_pBandCaption->setText(m_strBandCaption);
}

void CKM42View::ShowPlan(GridFill fill) {
    const bool sixteen = m_doc.m_b16Channel != 0;
    m_Grid16->setVisible(sixteen);
    m_Grid4->setVisible(!sixteen);
    if (sixteen) {
        InitGrid16();
        if (fill == GridFill::SetUpAndFill) FillGrid16();
    } else {
        InitGrid4();
        if (fill == GridFill::SetUpAndFill) FillGrid4();
    }
    // The keys edit the plan from here on.
    ShownGrid().setFocus(Qt::OtherFocusReason);
}

void CKM42View::OnFileNew() {
    if (!AskToSaveChanges()) return;
    if (m_pModelDlg->DoModal() == QDialog::Accepted) {
        m_strBandCaption = QString::fromUtf8(BandName(m_doc.m_nBand));
        m_doc.SetDefaults();
        ShowPlan(GridFill::SetUpOnly);
        m_strPlanPath.clear();
        m_pPlanChanges->StartPlan({});
    }
    m_nOpenFilter = 2;
}

void CKM42View::OnFileOpen() {
    if (!AskToSaveChanges()) return;
    const DataFileDialog& dialog =
        m_nOpenFilter == 1 ? kOpenFirstTime : (m_doc.m_b16Channel != 0 ? kOpen16 : kOpen4);
    const auto path = m_prompts.GetOpenFileName(this, MakeRequest(dialog));
    // Cancelled or not, the grid shows the document again. It follows the channel count the
    // document holds now, also when a file of the other count was typed into the dialog.
    if (!path) {
        ShowPlan(GridFill::SetUpAndFill);
        m_nOpenFilter = 2;
        return;
    }
    OpenPlanFile(*path);
}

bool CKM42View::OpenPlanFile(const QString& path) {
    const bool opened = OpenDocument(path);
    ShowPlan(GridFill::SetUpAndFill);
    m_nOpenFilter = 2;
    if (!opened) return false;
    m_strPlanPath = path;
    m_pPlanChanges->StartPlan(FileNameOf(path));
    SayWhatIsOutOfRange();
    return true;
}

void CKM42View::OnFileOpenBackup() {
    if (!AskToSaveChanges()) return;
    if (const std::optional<QString> path = m_pBackupsDlg->ChoosePlan()) OpenBackupPlan(*path);
}

bool CKM42View::OpenBackupPlan(const QString& path) {
    if (!OpenPlanFile(path)) return false;
    m_strPlanPath.clear();
    return true;
}

bool CKM42View::OpenDocument(const QString& path) {
    const Outcome outcome = datafile::OpenDocument(m_doc, CorePath(path));
    if (!outcome.ok) ShowOutcome(m_prompts, this, outcome);
    return outcome.ok;
}

void CKM42View::RecordPlanChange(const CKM42Doc& before, PlanEditKind kind) {
    // The history redraws the grid (PlanApplied), as it does after an undo or a redo.
    m_pPlanChanges->Record(before, kind);
}

bool CKM42View::AskToSaveChanges() {
    // The radio shop's program never asked, and a dealer's edits went with New or the close box.
    if (!m_pPlanChanges->IsModified()) return true;
    switch (m_prompts.AskQuestion(this, Tr(msg::kSaveChangesQuestion),
                                  QuestionKind::SaveDiscardCancel)) {
        case QuestionAnswer::Save:
            return SavePlan();
        case QuestionAnswer::Discard:
            return true;
        default:
            return false;
    }
}

void CKM42View::SayWhatIsOutOfRange() {
    const std::vector<std::string> findings = FindOutOfRangeValues(m_doc);
    if (findings.empty()) return;
    AppMessageBox(m_prompts, this, msg::kPlanOutOfRange, FindingsText(findings, kFindingsShown));
}

void CKM42View::OnFileSave() {
    SavePlan();
}

bool CKM42View::SavePlan() {
    FileDialogRequest request = MakeRequest(m_doc.m_b16Channel != 0 ? kSave16 : kSave4);
    if (!m_strPlanPath.isEmpty()) request.initialName = m_strPlanPath;
    const std::optional<QString> path = AskSavePath(request, m_strPlanPath);
    if (!path) return false;
    const Outcome outcome = datafile::SaveDocument(m_doc, CorePath(*path));
    if (!outcome.ok) {
        ShowOutcome(m_prompts, this, outcome);
        return false;
    }
    m_strPlanPath = *path;
    m_pPlanChanges->MarkSaved(FileNameOf(*path));
    return true;
}

std::optional<QString> CKM42View::AskSavePath(const FileDialogRequest& first,
                                              const QString& ownFile) {
    // Replacing another file is asked about; the plan's own file is what Save is for. A No
    // goes back to the dialog with the name chosen.
    FileDialogRequest request = first;
    for (;;) {
        const std::optional<QString> path = m_prompts.GetSaveFileName(this, request);
        if (!path || !QFileInfo::exists(*path) ||
            (!ownFile.isEmpty() && fileio::IsSameFile(CorePath(*path), CorePath(ownFile))))
            return path;
        const std::string question =
            FormatText(TrFormat(msg::kReplaceFileQuestion), CorePath(FileNameOf(*path)).c_str());
        if (m_prompts.AskQuestion(this, QString::fromStdString(question), QuestionKind::YesNo) ==
            QuestionAnswer::Yes)
            return path;
        request.initialName = *path;
    }
}

void CKM42View::OnFilePrint() {
    QPrinter* printer = m_prompts.GetPrinter(this);
    if (printer == nullptr) return;  // cancelled: nothing printed, nothing said
    if (PrintReport(BuildDataReport(m_doc), *printer)) return;
    // Printers report their own faults; what cannot even begin (a PDF file in a folder that
    // cannot be written) would otherwise pass without a word.
    const QString target =
        printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    AppMessageBox(m_prompts, this, msg::kCannotPrintReport,
                  QStringLiteral("%1: %2").arg(target, Tr(msg::kReportNotDrawn)).toStdString());
}

void CKM42View::OnOptions() {
    // The dialog writes each field as its control changes: the whole session is one change.
    const CKM42Doc before = m_doc;
    m_pOptionDlg->DoModal();
    RecordPlanChange(before);
}

int CKM42View::OpenRadioPort() {
    Outcome failure;
    if (::OpenRadioPort(m_CommPort, m_doc.m_nComPort, &failure) == 2) return 2;
    ShowOutcome(m_prompts, this, failure);
    return 1;
}

void CKM42View::OnMemoryMap() {
    // Made at first use and kept: its 2958 cells would cost every start-up time and memory
    // for a dialog that only the hidden button opens.
    if (m_pMemoryMapDlg == nullptr)
        m_pMemoryMapDlg = new CMemoryMapDlg(m_ImageCopy, m_prompts, this);
    m_pMemoryMapDlg->DoModal();
}

void CKM42View::OnSerialDevices() {
    m_pSerialDevicesDlg->DoModal();
}

void CKM42View::OnAppAbout() {
    m_prompts.ExecDialog(*m_pAboutDlg);
}

void CKM42View::OnHelpManual() {
    // Reading the chapters waits for the first F1, so a start that never opens it pays nothing.
    if (!m_pManualDlg) m_pManualDlg = std::make_unique<CManualDlg>(ManualFolderCandidates(), nullptr);
    m_pManualDlg->ShowManual();
}

void CKM42View::OnSaveDiagnostics() {
    SaveDiagnosticReport(this, m_prompts);
}

void CKM42View::OnGridDblClick16() {
    OnGridDblClick(*m_Grid16);
}

void CKM42View::OnGridDblClick4() {
    OnGridDblClick(*m_Grid4);
}
