// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FleetDlg.h"

#include <QCheckBox>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

#include "link/CommPort.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/CorePaths.h"
#include "ui/common/FleetFiles.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/ExchangeProgress.h"

namespace {

using Choice = fleet::FleetUi::Choice;

constexpr int kMaxRadios = 100000;
constexpr int kMinimumWidthChars = 84;
constexpr int kMinimumRows = 8;
constexpr int kCountWidthChars = 8;
constexpr int kResultColumn = 3;  // takes the room the others leave
constexpr StepTexts kFleetSteps{msg::kFleetStepRead, msg::kFleetStepWrite, msg::kFleetStepReadBack};

// A failure must stand out in a long job; a radio of another model less so.
struct RowLook {
    fleet::RadioResult result;
    QRgb background, text;
};
constexpr RowLook kRowLooks[] = {
    {fleet::RadioResult::Failed, qRgb(0xFF, 0xB4, 0xB4), qRgb(0x00, 0x00, 0x00)},
    {fleet::RadioResult::Refused, qRgb(0x80, 0x80, 0x00), qRgb(0xFF, 0xFF, 0xFF)},
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* MakeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Tr(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    // Enter belongs to the label box: a scanner's Enter must never press a button.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// The job's questions on the worker thread: each is posted to the dialog and waits for the
// dealer's answer, or for the end of the job.
class CFleetDlg::CJobUi final : public fleet::FleetUi {
public:
    CJobUi(CFleetDlg& dialog, int job) : m_dialog(dialog), m_nJob(job) {}

    std::optional<std::string> NextRadio(int number) override {
        Post([number](CFleetDlg& dialog) { dialog.AskForRadio(number); });
        return Wait(&Answers::label);
    }
    void RadioDone(const fleet::RadioOutcome& outcome) override {
        Post([outcome](CFleetDlg& dialog) { dialog.ShowRadio(outcome); });
    }
    Choice AfterFailure(const fleet::RadioOutcome& outcome) override {
        Post([outcome](CFleetDlg& dialog) { dialog.AskAfterFailure(outcome); });
        return Wait(&Answers::choice).value_or(Choice::Stop);
    }

    // A post to a dialog being destroyed is dropped with it, one of an earlier job by the job
    // number.
    template <class Fn>
    void Post(Fn fn) {
        CFleetDlg* dialog = &m_dialog;
        QMetaObject::invokeMethod(
            dialog,
            [dialog, job = m_nJob, fn = std::move(fn)] {
                if (dialog->m_nJob == job) fn(*dialog);
            },
            Qt::QueuedConnection);
    }

private:
    template <class Answer>
    std::optional<Answer> Wait(std::optional<Answer> Answers::*slot) {
        Answers& answers = m_dialog.m_Answers;
        std::unique_lock lock(answers.mutex);
        answers.changed.wait(lock, [&] { return (answers.*slot).has_value() || answers.ended; });
        if (answers.ended) return std::nullopt;
        return std::exchange(answers.*slot, std::nullopt);
    }

    CFleetDlg& m_dialog;
    const int m_nJob;
};

CFleetDlg::CFleetDlg(CCommPort& port, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_port(port),
      m_prompts(prompts) {
    setObjectName(QStringLiteral("fleetDlg"));
    setWindowTitle(Tr(msg::kFleetTitle));
    setModal(true);
    BuildSettings();
    BuildJob();
    BuildButtons();
    setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumWidthChars);
}

CFleetDlg::~CFleetDlg() {
    StopJob();
}

void CFleetDlg::BuildSettings() {
    m_pSettings = new QGroupBox(Tr(msg::kFleetSettings), this);
    m_pSettings->setObjectName(QStringLiteral("settingsBox"));
    m_pVerify = new QCheckBox(Tr(msg::kFleetVerify), m_pSettings);
    m_pVerify->setObjectName(QStringLiteral("verifyBox"));
    m_pCount = new QLineEdit(m_pSettings);
    m_pCount->setObjectName(QStringLiteral("countBox"));
    m_pCount->setValidator(new QIntValidator(0, kMaxRadios, m_pCount));
    m_pCount->setMaximumWidth(fontMetrics().averageCharWidth() * kCountWidthChars);
    m_pFolder = new QLineEdit(m_pSettings);
    m_pFolder->setObjectName(QStringLiteral("folderBox"));
    QPushButton* browse = MakeButton(msg::kFleetBrowse, "browseButton", m_pSettings);
    connect(browse, &QPushButton::clicked, this, &CFleetDlg::OnBrowse);

    auto* countLabel = new QLabel(Tr(msg::kFleetStopAfter), m_pSettings);
    countLabel->setBuddy(m_pCount);
    auto* folderLabel = new QLabel(Tr(msg::kFleetLogFolder), m_pSettings);
    folderLabel->setBuddy(m_pFolder);
    auto* count = new QHBoxLayout;
    count->addWidget(m_pCount);
    count->addWidget(new QLabel(Tr(msg::kFleetStopAfterUnit), m_pSettings), 1);
    auto* grid = new QGridLayout(m_pSettings);
    grid->addWidget(m_pVerify, 0, 0, 1, 3);
    grid->addWidget(countLabel, 1, 0);
    grid->addLayout(count, 1, 1, 1, 2);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(m_pFolder, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->setColumnStretch(1, 1);
}

void CFleetDlg::BuildJob() {
    m_pJobText = new QLabel(this);
    m_pJobText->setObjectName(QStringLiteral("jobText"));
    m_pJobText->setWordWrap(true);
    m_pJobText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pPromptText = new QLabel(this);
    m_pPromptText->setObjectName(QStringLiteral("promptText"));
    m_pPromptText->setWordWrap(true);
    m_pLabel = new QLineEdit(this);
    m_pLabel->setObjectName(QStringLiteral("labelBox"));
    m_pLabel->setAccessibleName(Tr(msg::kNameFleetLabel));
    connect(m_pLabel, &QLineEdit::returnPressed, this, &CFleetDlg::OnLabelEntered);

    m_pProgress = new CExchangeProgress(*this);
    m_pProgress->SetStepNamer([this](session::Step step, int number, int count) {
        return FormatText(TrFormat(StepText(kFleetSteps, step)), m_nRadio, number, count);
    });
    connect(m_pProgress, &CExchangeProgress::BackupKept, this, &CFleetDlg::BackupKept);

    m_pTable = new QTableWidget(0, static_cast<int>(std::size(msg::kFleetColumns)), this);
    m_pTable->setObjectName(QStringLiteral("radioTable"));
    m_pTable->setAccessibleName(Tr(msg::kNameFleetTable));
    QStringList titles;
    for (const char* title : msg::kFleetColumns) titles << Tr(title);
    m_pTable->setHorizontalHeaderLabels(titles);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setMinimumHeight(fontMetrics().lineSpacing() * kMinimumRows);
    m_pSummaryText = new QLabel(this);
    m_pSummaryText->setObjectName(QStringLiteral("summaryText"));
    m_pSummaryText->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void CFleetDlg::BuildButtons() {
    m_pStart = MakeButton(msg::kFleetStart, "startButton", this);
    m_pRetry = MakeButton(msg::kFleetRetry, "retryButton", this);
    m_pSkip = MakeButton(msg::kFleetSkip, "skipButton", this);
    m_pStop = MakeButton(msg::kFleetStop, "stopButton", this);
    m_pClose = MakeButton(msg::kFleetClose, "closeButton", this);
    connect(m_pStart, &QPushButton::clicked, this, &CFleetDlg::OnStart);
    connect(m_pRetry, &QPushButton::clicked, this, [this] { OnChoice(Choice::Retry); });
    connect(m_pSkip, &QPushButton::clicked, this, [this] { OnChoice(Choice::Skip); });
    connect(m_pStop, &QPushButton::clicked, this, &CFleetDlg::OnStop);
    connect(m_pClose, &QPushButton::clicked, this, &CFleetDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pStart);
    buttons->addStretch(1);
    for (QPushButton* button : {m_pRetry, m_pSkip, m_pStop, m_pClose}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_pSettings, m_pJobText, m_pPromptText, m_pLabel, &m_pProgress->StepLine(),
             &m_pProgress->StatusLine(), &m_pProgress->Bar(), &m_pProgress->Note()})
        layout->addWidget(widget);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(m_pSummaryText);
    layout->addLayout(buttons);
}

void CFleetDlg::SetPhase(Phase phase) {
    m_Phase = phase;
    const bool setup = phase == Phase::Setup;
    const bool failure = phase == Phase::Failure;
    m_pSettings->setEnabled(setup);
    m_pStart->setVisible(setup);
    m_pStart->setDefault(setup);
    m_pLabel->setEnabled(phase == Phase::Label);
    for (QPushButton* button : {m_pRetry, m_pSkip, m_pStop})
        button->setVisible(!setup && phase != Phase::Ended);
    m_pRetry->setEnabled(failure);
    m_pSkip->setEnabled(failure);
    m_pStop->setEnabled(failure || phase == Phase::Label);
    m_pClose->setEnabled(phase != Phase::Radio);
}

int CFleetDlg::DoModal(const CKM42Doc& plan, const std::string& planName) {
    StopJob();
    m_Plan = plan;
    m_strPlanName = planName;
    m_nComPort = plan.m_nComPort;
    m_nRadio = 0;
    m_Tally = {};
    m_pVerify->setChecked(true);
    m_pCount->clear();
    m_pFolder->setText(LoadLogFolder());
    for (QLabel* text : {m_pJobText, m_pPromptText, m_pSummaryText, &m_pProgress->StepLine(),
                         &m_pProgress->StatusLine()})
        text->clear();
    m_pProgress->Reset();
    m_pProgress->StatusLine().clear();
    m_pLabel->clear();
    m_pTable->setRowCount(0);
    SetPhase(Phase::Setup);
    m_pStart->setFocus();
    return m_prompts.ExecDialog(*this);
}

void CFleetDlg::OnBrowse() {
    const std::optional<QString> folder =
        m_prompts.GetExistingDirectory(this, Tr(msg::kFleetBrowseCaption), m_pFolder->text());
    if (folder) m_pFolder->setText(QDir::toNativeSeparators(*folder));
}

// The log must take lines before the first radio is touched; the folder is kept for the next
// job once it does.
std::optional<std::string> CFleetDlg::CheckedLogPath() {
    const QString typed = m_pFolder->text().trimmed();
    if (typed.isEmpty()) {
        AppMessageBox(m_prompts, this, msg::kFleetNoLogFolder);
        return std::nullopt;
    }
    const QString folder = QDir::toNativeSeparators(QFileInfo(typed).absoluteFilePath());
    m_pFolder->setText(folder);
    const std::string path = CorePath(LogPathIn(folder));
    if (const fileio::Refusal why = fleet::CheckLog(path)) {
        AppMessageBox(
            m_prompts, this,
            FormatText(TrFormat(msg::kLogNotWritten), path.c_str(), why->c_str()).c_str());
        return std::nullopt;
    }
    if (const std::optional<std::string> failure = SaveLogFolder(folder))
        AppMessageBox(m_prompts, this, failure->c_str());
    return path;
}

void CFleetDlg::OnStart() {
    if (m_Phase != Phase::Setup) return;
    const std::optional<std::string> log = CheckedLogPath();
    if (!log) return;
    fleet::JobSettings settings;
    settings.planFile = m_strPlanName;
    settings.logPath = *log;
    settings.verify = m_pVerify->isChecked();
    settings.count = m_pCount->text().toInt();  // empty: until Stop
    m_pJob = std::make_unique<fleet::CJob>(m_Plan, settings);
    m_strLogFailure.clear();
    m_pJobText->setText(
        Text(FormatText(TrFormat(msg::kFleetJobStarted), m_pJob->Name().c_str(), log->c_str())));
    {
        const std::lock_guard lock(m_Answers.mutex);
        m_Answers.label.reset();
        m_Answers.choice.reset();
        m_Answers.ended = false;
    }
    ++m_nJob;
    SetPhase(Phase::Busy);
    m_Worker = std::jthread([this, job = m_nJob, timing = m_Timing, comPort = m_nComPort] {
        CJobUi ui(*this, job);
        CExchangeProgress::CSessionUi exchanges(*m_pProgress, m_port, comPort, timing);
        m_Tally = fleet::RunJob(*m_pJob, ui, exchanges);
        ui.Post([](CFleetDlg& dialog) { dialog.FinishJob(); });
    });
}

void CFleetDlg::AskForRadio(int number) {
    m_nRadio = number;
    m_pPromptText->setText(Text(FormatText(TrFormat(msg::kFleetConnectRadio), number)));
    m_pProgress->StatusLine().clear();  // the step line and the bar say how the last one ended
    m_pLabel->clear();
    SetPhase(Phase::Label);
    m_pLabel->setFocus();
}

void CFleetDlg::OnLabelEntered() {
    if (m_Phase != Phase::Label) return;
    const std::string label = m_pLabel->text().trimmed().toStdString();
    StartRadio();
    emit RadioStarting(m_nRadio);
    Give(&Answers::label, label);
}

void CFleetDlg::StartRadio() {
    SetPhase(Phase::Radio);
    m_pPromptText->setText(Text(FormatText(TrFormat(msg::kFleetRadioRunning), m_nRadio)));
    m_pProgress->RenewCancel();
    m_pProgress->Reset();
    m_pProgress->Begin(m_nComPort, m_HintDelay);
}

void CFleetDlg::ShowRadio(const fleet::RadioOutcome& outcome) {
    m_pProgress->End();
    AddRow(outcome.line);
    if (!outcome.logFailure) return;
    // The job ends here: no radio goes unlogged.
    m_strLogFailure = FormatText(TrFormat(msg::kLogNotWritten), m_pJob->Settings().logPath.c_str(),
                                 outcome.logFailure->c_str());
    AppMessageBox(m_prompts, this, m_strLogFailure.c_str());
}

void CFleetDlg::AskAfterFailure(const fleet::RadioOutcome& outcome) {
    m_nRadio = outcome.line.number;
    m_pPromptText->setText(
        Text(FormatText(TrFormat(msg::kFleetRadioFailed), m_nRadio, outcome.line.reason.c_str())));
    SetPhase(Phase::Failure);
    m_pRetry->setFocus();
}

void CFleetDlg::OnChoice(Choice choice) {
    if (m_Phase != Phase::Failure) return;
    if (choice == Choice::Retry)
        StartRadio();
    else
        SetPhase(Phase::Busy);
    Give(&Answers::choice, choice);
}

void CFleetDlg::OnStop() {
    if (m_Phase == Phase::Failure) {
        OnChoice(Choice::Stop);
    } else if (m_Phase == Phase::Label) {
        SetPhase(Phase::Busy);
        EndAnswers();
    }
}

void CFleetDlg::AddRow(const fleet::LogLine& line) {
    const int row = m_pTable->rowCount();
    m_pTable->insertRow(row);
    const QString result = Text(fleet::ResultText(line));
    const QStringList texts = {QString::number(line.number), Text(line.label), Text(line.model),
                               result,
                               Text(FormatText(TrFormat(msg::kSecondsFormat), line.seconds))};
    const RowLook* look = nullptr;
    for (const RowLook& l : kRowLooks)
        if (l.result == line.result) look = &l;
    for (int c = 0; c < texts.size(); ++c) {
        auto* item = new QTableWidgetItem(texts[c]);  // owned by the table
        item->setToolTip(result);
        if (look != nullptr) {
            item->setBackground(QColor::fromRgb(look->background));
            item->setForeground(QColor::fromRgb(look->text));
        }
        m_pTable->setItem(row, c, item);
    }
    m_pTable->scrollToBottom();
}

template <class Answer>
void CFleetDlg::Give(std::optional<Answer> Answers::*slot, Answer answer) {
    {
        const std::lock_guard lock(m_Answers.mutex);
        m_Answers.*slot = std::move(answer);
    }
    m_Answers.changed.notify_all();
}

void CFleetDlg::EndAnswers() {
    {
        const std::lock_guard lock(m_Answers.mutex);
        m_Answers.ended = true;
    }
    m_Answers.changed.notify_all();
    m_pProgress->Cancel();
}

void CFleetDlg::FinishJob() {
    if (m_Worker.joinable()) m_Worker.join();
    ++m_nJob;  // what the worker posted last is dealt with here
    m_pProgress->End();
    m_pProgress->StatusLine().clear();  // no radio is being read or written any more
    m_pPromptText->setText(Text(m_strLogFailure));
    const QString summary = Text(fleet::SummaryText(m_Tally, &TrFormat));
    m_pSummaryText->setText(summary);
    SetPhase(Phase::Ended);
    m_pClose->setFocus();
    emit JobEnded(summary);
}

void CFleetDlg::reject() {
    switch (m_Phase) {
        case Phase::Radio:
            m_pProgress->CancelWait();  // the radio is logged as cancelled, then asked about
            return;
        case Phase::Busy:
        case Phase::Label:
        case Phase::Failure:
            EndAnswers();
            FinishJob();
            break;
        case Phase::Setup:
        case Phase::Ended:
            break;
    }
    QDialog::reject();
}

void CFleetDlg::StopJob() {
    EndAnswers();
    if (m_Worker.joinable()) m_Worker.join();
    ++m_nJob;
    m_pProgress->End();
}
