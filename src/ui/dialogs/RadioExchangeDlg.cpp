// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/RadioExchangeDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>

#include "link/CommPort.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/ExchangeProgress.h"

namespace {
// The radio needs a moment after the port opens before it takes a request.
constexpr std::chrono::milliseconds kStartDelay{200};
// Room below the bar for the note that Escape cannot stop a transfer, in dialog units.
constexpr int kNoteHeight = 20;
// Room above the status line for a job's step.
constexpr int kStepHeight = 11;
}  // namespace

bool AskWriteAnyway(CUiPrompts& prompts, const RadioMismatch& mismatch, QWidget* parent) {
    const std::string question = FormatText(TrFormat(msg::kWrongRadioQuestion),
                                            mismatch.radio.c_str(), mismatch.plan.c_str());
    return prompts.AskQuestion(parent, QString::fromStdString(question), QuestionKind::YesNo) ==
           QuestionAnswer::Yes;
}

CRadioExchangeDlg::CRadioExchangeDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts,
                                     const Layout& layout, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ImageCopy(imageCopy),
      m_port(port),
      m_prompts(prompts),
      m_Layout(layout) {
    setWindowTitle(Tr(layout.caption));
    setObjectName(QString::fromUtf8(layout.objectName));
    setModal(true);

    m_pProgress = new CExchangeProgress(*this);
    m_pProgress->StepLine().hide();
    connect(m_pProgress, &CExchangeProgress::NoteChanged, this, &CRadioExchangeDlg::ApplySize);
    connect(m_pProgress, &CExchangeProgress::BackupKept, this, &CRadioExchangeDlg::BackupKept);
    ApplySize();
}

// The radio shop's layout, moved down by the step line when a job shows one and grown by the
// note when Escape came during a transfer.
void CRadioExchangeDlg::ApplySize() {
    const CDialogUnits units(fontMetrics());
    const Layout& l = m_Layout;
    const int step = m_bStepsShown ? kStepHeight : 0;
    m_pProgress->StepLine().setGeometry(units.Rect(l.textX, l.textY, l.textW, l.textH));
    m_pProgress->StatusLine().setGeometry(units.Rect(l.textX, l.textY + step, l.textW, l.textH));
    m_pProgress->Bar().setGeometry(units.Rect(l.barX, l.barY + step, l.barW, l.barH));
    // The note takes the lines its text wraps into.
    QLabel& noteText = m_pProgress->Note();
    const QRect note = units.Rect(l.barX, l.height + step - 4, l.barW, kNoteHeight);
    const int noteHeight = std::max(note.height(), noteText.heightForWidth(note.width()));
    noteText.setGeometry(note.x(), note.y(), note.width(), noteHeight);
    const QSize size = units.Size(l.width, l.height + step);
    const int grown = noteText.isVisibleTo(this) ? noteHeight : 0;
    setFixedSize(size.width(), size.height() + grown);
}

void CRadioExchangeDlg::SetStepsShown(bool shown) {
    m_bStepsShown = shown;
    m_pProgress->StepLine().setVisible(shown);
    ApplySize();
}

void CRadioExchangeDlg::StartStep(session::Step step, int number, int count) {
    m_pProgress->StartStep(step, number, count);
}

CRadioExchangeDlg::~CRadioExchangeDlg() {
    StopExchange();
}

int CRadioExchangeDlg::RunDialog(std::int32_t comPort) {
    m_nComPort = comPort;
    OnInitDialog();
    return m_prompts.ExecDialog(*this);
}

void CRadioExchangeDlg::OnInitDialog() {
    PrepareImage();
    m_LastOutcome = radiolink::ExchangeOutcome::Cancelled;
    m_Outcome = {};
    m_pProgress->RenewCancel();
    m_pProgress->Reset();
    m_StartTimer.start(static_cast<int>(kStartDelay.count()), this);
}

void CRadioExchangeDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_StartTimer.timerId()) {
        m_StartTimer.stop();
        StartExchange();
    }
    QDialog::timerEvent(event);
}

bool CRadioExchangeDlg::AskWriteAnywayHere(const RadioMismatch& mismatch) {
    bool anyway = false;
    QMetaObject::invokeMethod(
        this, [this, &mismatch, &anyway] { anyway = AskWriteAnyway(m_prompts, mismatch, this); },
        Qt::BlockingQueuedConnection);
    return anyway;
}

void CRadioExchangeDlg::StartExchange() {
    m_pProgress->Begin(m_nComPort, m_HintDelay);
    // The worker only posts to this dialog; the question about another model waits for its
    // answer.
    m_Worker = std::jthread([this, comPort = m_nComPort, timing = m_Timing] {
        CExchangeProgress::CSessionUi ui(
            *m_pProgress, m_port, comPort, timing,
            [this](const RadioMismatch& mismatch) { return AskWriteAnywayHere(mismatch); });
        session::Result outcome = RunSession(ui);
        QMetaObject::invokeMethod(
            this, [this, outcome = std::move(outcome)] { OnExchangeEnded(outcome); },
            Qt::QueuedConnection);
    });
}

void CRadioExchangeDlg::OnExchangeEnded(session::Result outcome) {
    // The worker posted this as its last act: the join does not wait for the line.
    if (m_Worker.joinable()) m_Worker.join();
    m_pProgress->End();
    m_Outcome = std::move(outcome);
    m_LastOutcome = m_Outcome.exchange.outcome;
    AfterExchange();
    EndWith(m_Outcome.exchange);
}

void CRadioExchangeDlg::EndWith(const radiolink::ExchangeResult& result) {
    using radiolink::ExchangeOutcome;
    const Outcome outcome = radiolink::OutcomeOf(Kind(), result);
    switch (result.outcome) {
        case ExchangeOutcome::Cancelled:
            EndDialog();
            return;
        case ExchangeOutcome::NoAnswer:
        case ExchangeOutcome::WrongAnswer:
            // The radio shop's order: the dialog goes first, then the message.
            EndDialog();
            ShowOutcome(outcome);
            return;
        case ExchangeOutcome::Complete:
            m_pProgress->FillBar();
            ShowOutcome(outcome);
            OnComplete();
            EndDialog();
            return;
        case ExchangeOutcome::BadBlockEnd:
        case ExchangeOutcome::Stalled:
        case ExchangeOutcome::NotConfirmed:
            ShowOutcome(outcome);
            EndDialog();
            return;
    }
}

void CRadioExchangeDlg::ShowOutcome(const Outcome& outcome) {
    if (outcome.text.empty()) return;
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : parentWidget();
    ::ShowOutcome(m_prompts, parent, outcome);
}

void CRadioExchangeDlg::EndDialog() {
    // "Close with OK", as every way out of the exchange does.
    done(QDialog::Accepted);
}

void CRadioExchangeDlg::reject() {
    if (m_Worker.joinable()) {
        m_pProgress->CancelWait();  // the exchange ends the dialog once it has returned
        return;
    }
    if (m_StartTimer.isActive()) {
        // Closed before the exchange started: nobody else closes the port now.
        m_StartTimer.stop();
        m_port.ClosePort();
    }
    QDialog::reject();
}

void CRadioExchangeDlg::StopExchange() {
    m_StartTimer.stop();
    m_pProgress->End();
    if (m_Worker.joinable()) {
        m_pProgress->Cancel();
        m_Worker.join();
    }
}
