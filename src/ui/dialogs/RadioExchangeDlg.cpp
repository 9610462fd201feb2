#include "ui/dialogs/RadioExchangeDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>

#include "codec/RadioImage.h"
#include "link/CommPort.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/DialogUnits.h"

namespace {
// The radio needs a moment after the port opens before it takes a request.
constexpr std::chrono::milliseconds kStartDelay{200};
// The bar counts the bytes of the memory that have crossed the line.
constexpr int kBarBytes = static_cast<int>(image::kLineSize);
// Room below the bar for the note that Escape cannot stop a transfer, in dialog units.
constexpr int kNoteHeight = 20;
// Room above the status line for a job's step.
constexpr int kStepHeight = 11;
}  // namespace

bool AskWriteAnyway(CUiPrompts& prompts, const RadioMismatch& mismatch, QWidget* parent) {
    const std::string question =
        FormatText(msg::kWrongRadioQuestion, mismatch.radio.c_str(), mismatch.plan.c_str());
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
    setWindowTitle(QString::fromUtf8(layout.caption));
    setObjectName(QString::fromUtf8(layout.objectName));
    setModal(true);

    m_pStepText = new QLabel(this);
    m_pStepText->setObjectName(QStringLiteral("stepText"));
    m_pStepText->setAlignment(Qt::AlignCenter);
    m_pStepText->hide();

    m_pStatusText = new QLabel(this);
    m_pStatusText->setObjectName(QStringLiteral("statusText"));
    m_pStatusText->setAlignment(Qt::AlignCenter);

    m_ctrlProgress = new QProgressBar(this);
    m_ctrlProgress->setObjectName(QStringLiteral("progressBar"));
    m_ctrlProgress->setTextVisible(false);

    m_pNoteText = new QLabel(this);
    m_pNoteText->setObjectName(QStringLiteral("noteText"));
    m_pNoteText->setAlignment(Qt::AlignCenter);
    m_pNoteText->setWordWrap(true);
    m_pNoteText->hide();
    ApplySize();
}

// The radio shop's layout, moved down by the step line when a job shows one and grown by the
// note when Escape came during a transfer.
void CRadioExchangeDlg::ApplySize() {
    const CDialogUnits units(fontMetrics());
    const Layout& l = m_Layout;
    const int step = m_bStepsShown ? kStepHeight : 0;
    m_pStepText->setGeometry(units.Rect(l.textX, l.textY, l.textW, l.textH));
    m_pStatusText->setGeometry(units.Rect(l.textX, l.textY + step, l.textW, l.textH));
    m_ctrlProgress->setGeometry(units.Rect(l.barX, l.barY + step, l.barW, l.barH));
    // The note takes the lines its text wraps into.
    const QRect note = units.Rect(l.barX, l.height + step - 4, l.barW, kNoteHeight);
    const int noteHeight = std::max(note.height(), m_pNoteText->heightForWidth(note.width()));
    m_pNoteText->setGeometry(note.x(), note.y(), note.width(), noteHeight);
    const QSize size = units.Size(l.width, l.height + step);
    const int grown = m_pNoteText->isVisibleTo(this) ? noteHeight : 0;
    setFixedSize(size.width(), size.height() + grown);
}

void CRadioExchangeDlg::SetStepsShown(bool shown) {
    m_bStepsShown = shown;
    m_pStepText->setVisible(shown);
    ApplySize();
}

namespace {
struct StepWords {
    session::Step step;
    const char* text;  // "Step %d of %d: ..."
};
constexpr StepWords kStepWords[] = {
    {session::Step::Read, msg::kStepReadFirst},
    {session::Step::ReadFirst, msg::kStepReadFirst},
    {session::Step::Write, msg::kStepWrite},
    {session::Step::ReadBack, msg::kStepReadBack},
};
const char* StepText(session::Step step) {
    for (const StepWords& words : kStepWords)
        if (words.step == step) return words.text;
    return msg::kStepWrite;
}
}  // namespace

void CRadioExchangeDlg::StartStep(session::Step step, int number, int count) {
    m_pStepText->setText(QString::fromStdString(FormatText(StepText(step), number, count)));
    m_pAnsweredStatus = session::IsRead(step) ? msg::kReading : msg::kWriting;
    m_bTransferRunning = false;
    m_pNoteText->hide();
    ApplySize();
    m_ctrlProgress->setValue(0);
    m_strStatus = QString::fromUtf8(msg::kWaitingForRadio);
    MembersToControls();
    if (m_Worker.joinable()) m_HintTimer.start(static_cast<int>(m_HintDelay.count()), this);
}

// The session's front end on the worker thread: what the user sees is posted to the dialog
// (a post to a dialog being destroyed is dropped with it); the question waits for its answer.
class CRadioExchangeDlg::CSessionUi final : public session::WriteUi {
public:
    CSessionUi(CRadioExchangeDlg& dialog, const radiolink::ExchangeOptions& options)
        : m_dialog(dialog), m_options(options) {}

    // The command opened the port for the first exchange; later steps open it here.
    std::optional<Outcome> OpenLine() override {
        if (Port().IsOpen()) return std::nullopt;
        Outcome failure;
        if (::OpenRadioPort(Port(), m_dialog.m_nComPort, &failure) == 2) return std::nullopt;
        return failure;
    }
    radiolink::RadioLine& Line() override { return Port(); }
    void StepStarted(session::Step step, int number, int count) override {
        CRadioExchangeDlg* dialog = &m_dialog;  // this front end may be gone when it runs
        Post([dialog, step, number, count] { dialog->StartStep(step, number, count); });
    }
    radiolink::ExchangeOptions ExchangeOptions() override { return m_options; }
    void StepEnded(session::Step, const radiolink::ExchangeResult&) override {}
    void BackupKept(backup::Direction, const backup::KeepOutcome& kept) override {
        CRadioExchangeDlg* dialog = &m_dialog;
        Post([dialog, kept] { emit dialog->BackupKept(kept); });
    }
    bool WriteAnyway(const RadioMismatch& mismatch) override {
        bool anyway = false;
        QMetaObject::invokeMethod(
            &m_dialog,
            [this, &mismatch, &anyway] {
                anyway = AskWriteAnyway(m_dialog.m_prompts, mismatch, &m_dialog);
            },
            Qt::BlockingQueuedConnection);
        return anyway;
    }

private:
    CCommPort& Port() { return m_dialog.m_port; }
    template <class Fn>
    void Post(Fn&& fn) {
        QMetaObject::invokeMethod(&m_dialog, std::forward<Fn>(fn), Qt::QueuedConnection);
    }

    CRadioExchangeDlg& m_dialog;
    const radiolink::ExchangeOptions m_options;
};

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
    m_ctrlProgress->setRange(0, kBarBytes);
    m_ctrlProgress->setValue(0);
    m_bTransferRunning = false;
    m_LastOutcome = radiolink::ExchangeOutcome::Cancelled;
    m_Outcome = {};
    m_pNoteText->hide();
    ApplySize();
    // Until the radio answers, the user may give up; say so rather than show nothing.
    m_strStatus = QString::fromUtf8(msg::kWaitingForRadio);
    MembersToControls();
    m_StartTimer.start(static_cast<int>(kStartDelay.count()), this);
}

void CRadioExchangeDlg::MembersToControls() {
    m_pStatusText->setText(m_strStatus);
}

void CRadioExchangeDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_StartTimer.timerId()) {
        m_StartTimer.stop();
        StartExchange();
        m_HintTimer.start(static_cast<int>(m_HintDelay.count()), this);
    } else if (event->timerId() == m_HintTimer.timerId()) {
        m_HintTimer.stop();
        ShowSilenceHint();
    }
    QDialog::timerEvent(event);
}

// A radio switched off, not in programming mode or on the other port stays silent without
// end; after a while the dialog says what to check, and goes on waiting.
void CRadioExchangeDlg::ShowSilenceHint() {
    if (m_bTransferRunning || !m_Worker.joinable()) return;
    const char* port = m_nComPort != 0 ? CPortMap::kCom1 : CPortMap::kCom2;
    ShowNote(QString::fromStdString(FormatText(msg::kNoAnswerYet, port)));
}

void CRadioExchangeDlg::StartExchange() {
    // The callbacks run on the worker: they only post to this dialog. A post to a dialog that
    // is being destroyed is dropped with it.
    radiolink::ExchangeOptions options;
    options.timing = m_Timing;
    options.onAnswered = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_bTransferRunning = true;
                m_HintTimer.stop();
                m_pNoteText->hide();
                ApplySize();
                m_strStatus = QString::fromUtf8(m_pAnsweredStatus != nullptr ? m_pAnsweredStatus
                                                                             : msg::kReading);
                MembersToControls();
            },
            Qt::QueuedConnection);
    };
    options.onProgress = [this](int position) {
        QMetaObject::invokeMethod(
            this, [this, position] { m_ctrlProgress->setValue(std::min(position, kBarBytes)); },
            Qt::QueuedConnection);
    };
    m_Worker = std::jthread([this, options](std::stop_token stop) mutable {
        options.cancel = std::move(stop);
        CSessionUi ui(*this, options);
        session::Result outcome = RunSession(ui);
        QMetaObject::invokeMethod(
            this, [this, outcome = std::move(outcome)] { OnExchangeEnded(outcome); },
            Qt::QueuedConnection);
    });
}

void CRadioExchangeDlg::OnExchangeEnded(session::Result outcome) {
    // The worker posted this as its last act: the join does not wait for the line.
    if (m_Worker.joinable()) m_Worker.join();
    m_HintTimer.stop();
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
            m_ctrlProgress->setValue(m_ctrlProgress->maximum());
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
        m_Worker.request_stop();  // the exchange ends the dialog once it has returned
        if (m_bTransferRunning) ShowTransferNote();
        return;
    }
    if (m_StartTimer.isActive()) {
        // Closed before the exchange started: nobody else closes the port now.
        m_StartTimer.stop();
        m_port.ClosePort();
    }
    QDialog::reject();
}

void CRadioExchangeDlg::ShowTransferNote() {
    // A radio switched off or unplugged halfway keeps half a memory: the user must know that
    // Escape did nothing and why.
    ShowNote(QString::fromUtf8(msg::kTransferRunsToItsEnd));
}

void CRadioExchangeDlg::ShowNote(const QString& text) {
    m_pNoteText->setText(text);
    if (m_pNoteText->isVisibleTo(this)) return;
    m_pNoteText->show();
    ApplySize();
}

void CRadioExchangeDlg::StopExchange() {
    m_StartTimer.stop();
    m_HintTimer.stop();
    if (m_Worker.joinable()) {
        m_Worker.request_stop();
        m_Worker.join();
    }
}
