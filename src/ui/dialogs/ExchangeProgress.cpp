// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ExchangeProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

#include "codec/RadioImage.h"
#include "link/CommPort.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/Translate.h"

namespace {
// The bar counts the bytes of the memory that have crossed the line.
constexpr int kBarBytes = static_cast<int>(image::kLineSize);
constexpr StepTexts kSessionSteps{msg::kStepReadFirst, msg::kStepWrite, msg::kStepReadBack};

QLabel* MakeLine(QWidget& dialog, const char* name) {
    auto* label = new QLabel(&dialog);
    label->setObjectName(QString::fromUtf8(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
}  // namespace

const char* StepText(const StepTexts& texts, session::Step step) {
    switch (step) {
        case session::Step::Read:
        case session::Step::ReadFirst:
            return texts.read;
        case session::Step::Write:
            break;
        case session::Step::ReadBack:
            return texts.readBack;
    }
    return texts.write;
}

CExchangeProgress::CExchangeProgress(QWidget& dialog)
    : QObject(&dialog), m_stepNamer([](session::Step step, int number, int count) {
          return FormatText(TrFormat(StepText(kSessionSteps, step)), number, count);
      }) {
    m_pStepText = MakeLine(dialog, "stepText");
    m_pStatusText = MakeLine(dialog, "statusText");
    m_pBar = new QProgressBar(&dialog);
    m_pBar->setObjectName(QStringLiteral("progressBar"));
    m_pBar->setTextVisible(false);
    m_pBar->setRange(0, kBarBytes);
    m_pNoteText = MakeLine(dialog, "noteText");
    m_pNoteText->setWordWrap(true);
    m_pNoteText->hide();
}

void CExchangeProgress::Reset() {
    m_bTransferRunning = false;
    m_pBar->setRange(0, kBarBytes);
    m_pBar->setValue(0);
    HideNote();
    // Until the radio answers, the user may give up; say so rather than show nothing.
    m_pStatusText->setText(Tr(msg::kWaitingForRadio));
}

void CExchangeProgress::StartStep(session::Step step, int number, int count) {
    m_pStepText->setText(QString::fromStdString(m_stepNamer(step, number, count)));
    m_pAnsweredStatus = session::IsRead(step) ? msg::kReading : msg::kWriting;
    Reset();
    if (m_bRunning) m_HintTimer.start(static_cast<int>(m_HintDelay.count()), this);
}

void CExchangeProgress::Begin(std::int32_t comPort, std::chrono::milliseconds hintDelay) {
    m_nComPort = comPort;
    m_HintDelay = hintDelay;
    m_bRunning = true;
    m_HintTimer.start(static_cast<int>(m_HintDelay.count()), this);
}

void CExchangeProgress::End() {
    m_bRunning = false;
    m_HintTimer.stop();
}

void CExchangeProgress::FillBar() {
    m_pBar->setValue(m_pBar->maximum());
}

void CExchangeProgress::Cancel() {
    const std::lock_guard lock(m_CancelMutex);
    m_Cancel.request_stop();
}

void CExchangeProgress::CancelWait() {
    Cancel();
    // A radio switched off or unplugged halfway keeps half a memory: the user must know that
    // Escape did nothing and why.
    if (m_bTransferRunning) ShowNote(Tr(msg::kTransferRunsToItsEnd));
}

void CExchangeProgress::RenewCancel() {
    const std::lock_guard lock(m_CancelMutex);
    if (m_Cancel.stop_requested()) m_Cancel = std::stop_source();
}

std::stop_token CExchangeProgress::CancelToken() {
    const std::lock_guard lock(m_CancelMutex);
    return m_Cancel.get_token();
}

void CExchangeProgress::OnAnswered() {
    m_bTransferRunning = true;
    m_HintTimer.stop();
    HideNote();
    m_pStatusText->setText(Tr(m_pAnsweredStatus != nullptr ? m_pAnsweredStatus : msg::kReading));
}

void CExchangeProgress::OnProgress(int position) {
    m_pBar->setValue(std::min(position, kBarBytes));
}

void CExchangeProgress::ShowNote(const QString& text) {
    m_pNoteText->setText(text);
    if (!m_pNoteText->isHidden()) return;
    m_pNoteText->show();
    emit NoteChanged();
}

void CExchangeProgress::HideNote() {
    if (m_pNoteText->isHidden()) return;
    m_pNoteText->hide();
    emit NoteChanged();
}

void CExchangeProgress::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_HintTimer.timerId()) {
        m_HintTimer.stop();
        ShowSilenceHint();
    }
    QObject::timerEvent(event);
}

// A radio switched off, not in programming mode or on the other port stays silent without
// end; after a while the dialog says what to check, and goes on waiting.
void CExchangeProgress::ShowSilenceHint() {
    if (m_bTransferRunning || !m_bRunning) return;
    const char* port = m_nComPort != 0 ? CPortMap::kCom1 : CPortMap::kCom2;
    ShowNote(QString::fromStdString(FormatText(TrFormat(msg::kNoAnswerYet), port)));
}

CExchangeProgress::CSessionUi::CSessionUi(CExchangeProgress& progress, CCommPort& port,
                                          std::int32_t comPort, const radiolink::LinkTiming& timing,
                                          WriteAnywayFn writeAnyway)
    : m_progress(progress),
      m_port(port),
      m_nComPort(comPort),
      m_Timing(timing),
      m_writeAnyway(std::move(writeAnyway)) {}

template <class Fn>
void CExchangeProgress::CSessionUi::Post(Fn&& fn) {
    QMetaObject::invokeMethod(&m_progress, std::forward<Fn>(fn), Qt::QueuedConnection);
}

std::optional<Outcome> CExchangeProgress::CSessionUi::OpenLine() {
    if (m_port.IsOpen()) return std::nullopt;
    Outcome failure;
    if (::OpenRadioPort(m_port, m_nComPort, &failure) == 2) return std::nullopt;
    return failure;
}

radiolink::RadioLine& CExchangeProgress::CSessionUi::Line() {
    return m_port;
}

void CExchangeProgress::CSessionUi::StepStarted(session::Step step, int number, int count) {
    CExchangeProgress* progress = &m_progress;  // this front end may be gone when it runs
    Post([progress, step, number, count] { progress->StartStep(step, number, count); });
}

// The callbacks run on the worker: they only post to the progress.
radiolink::ExchangeOptions CExchangeProgress::CSessionUi::ExchangeOptions() {
    CExchangeProgress* progress = &m_progress;
    radiolink::ExchangeOptions options;
    options.timing = m_Timing;
    options.cancel = progress->CancelToken();
    options.onAnswered = [progress] {
        QMetaObject::invokeMethod(
            progress, [progress] { progress->OnAnswered(); }, Qt::QueuedConnection);
    };
    options.onProgress = [progress](int position) {
        QMetaObject::invokeMethod(
            progress, [progress, position] { progress->OnProgress(position); },
            Qt::QueuedConnection);
    };
    return options;
}

void CExchangeProgress::CSessionUi::BackupKept(backup::Direction, const backup::KeepOutcome& kept) {
    CExchangeProgress* progress = &m_progress;
    Post([progress, kept] { emit progress->BackupKept(kept); });
}

bool CExchangeProgress::CSessionUi::WriteAnyway(const RadioMismatch& mismatch) {
    return m_writeAnyway && m_writeAnyway(mismatch);
}
