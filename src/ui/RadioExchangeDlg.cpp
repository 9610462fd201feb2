#include "ui/RadioExchangeDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>

#include "codec/RadioImage.h"
#include "link/CommPort.h"
#include "model/Messages.h"
#include "ui/DialogUnits.h"
#include "ui/KM42View.h"
#include "ui/UiPrompts.h"

namespace {
// The radio needs a moment after the port opens before it takes a request.
constexpr std::chrono::milliseconds kStartDelay{200};
// The bar counts the bytes of the memory that have crossed the line.
constexpr int kBarBytes = static_cast<int>(image::kLineSize);
// Room below the bar for the note that Escape cannot stop a transfer, in dialog units.
constexpr int kNoteHeight = 20;
}  // namespace

CRadioExchangeDlg::CRadioExchangeDlg(CKM42View& view, const Layout& layout)
    : QDialog(&view, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_view(view) {
    setWindowTitle(QString::fromUtf8(layout.caption));
    setObjectName(QString::fromUtf8(layout.objectName));
    setModal(true);

    const DialogUnits units(fontMetrics());
    setFixedSize(units.Size(layout.width, layout.height));

    m_pStatusText = new QLabel(this);
    m_pStatusText->setObjectName(QStringLiteral("statusText"));
    m_pStatusText->setAlignment(Qt::AlignCenter);
    m_pStatusText->setGeometry(units.Rect(layout.textX, layout.textY, layout.textW, layout.textH));

    m_ctrlProgress = new QProgressBar(this);
    m_ctrlProgress->setObjectName(QStringLiteral("progressBar"));
    m_ctrlProgress->setTextVisible(false);
    m_ctrlProgress->setGeometry(units.Rect(layout.barX, layout.barY, layout.barW, layout.barH));

    m_pNoteText = new QLabel(QString::fromUtf8(msg::kTransferRunsToItsEnd), this);
    m_pNoteText->setObjectName(QStringLiteral("noteText"));
    m_pNoteText->setAlignment(Qt::AlignCenter);
    m_pNoteText->setWordWrap(true);
    m_pNoteText->setGeometry(units.Rect(layout.barX, layout.height - 4, layout.barW, kNoteHeight));
    m_pNoteText->hide();
    m_Size = units.Size(layout.width, layout.height);
    m_SizeWithNote = units.Size(layout.width, layout.height + kNoteHeight);
}

CRadioExchangeDlg::~CRadioExchangeDlg() {
    StopExchange();
}

int CRadioExchangeDlg::DoModal() {
    OnInitDialog();
    return m_view.Prompts().ExecDialog(*this);
}

void CRadioExchangeDlg::OnInitDialog() {
    PrepareImage();
    m_ctrlProgress->setRange(0, kBarBytes);
    m_ctrlProgress->setValue(0);
    m_bTransferRunning = false;
    m_LastOutcome = radiolink::ExchangeOutcome::Cancelled;
    m_pNoteText->hide();
    setFixedSize(m_Size);
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
    }
    QDialog::timerEvent(event);
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
                m_strStatus = QString::fromUtf8(AnsweredStatus());
                MembersToControls();
            },
            Qt::QueuedConnection);
    };
    options.onProgress = [this](int position) {
        QMetaObject::invokeMethod(
            this, [this, position] { m_ctrlProgress->setValue(std::min(position, kBarBytes)); },
            Qt::QueuedConnection);
    };
    CCommPort& port = m_view.m_CommPort;
    m_Worker = std::jthread([this, &port, options](std::stop_token stop) mutable {
        options.cancel = std::move(stop);
        const radiolink::ExchangeResult result = RunExchange(port, options);
        QMetaObject::invokeMethod(
            this, [this, result] { OnExchangeEnded(result); }, Qt::QueuedConnection);
    });
}

void CRadioExchangeDlg::OnExchangeEnded(const radiolink::ExchangeResult& result) {
    // The worker posted this as its last act: the join does not wait for the line.
    if (m_Worker.joinable()) m_Worker.join();
    m_LastOutcome = result.outcome;
    AfterExchange();
    using radiolink::ExchangeOutcome;
    const char* text = radiolink::OutcomeMessage(Kind(), result.outcome);
    switch (result.outcome) {
        case ExchangeOutcome::Cancelled:
            EndDialog();
            return;
        case ExchangeOutcome::NoAnswer:
        case ExchangeOutcome::WrongAnswer:
            // The radio shop's order: the dialog goes first, then the message.
            EndDialog();
            ShowOutcome(text, result.detail);
            return;
        case ExchangeOutcome::Complete:
            m_ctrlProgress->setValue(m_ctrlProgress->maximum());
            ShowOutcome(text, {});
            OnComplete();
            EndDialog();
            return;
        case ExchangeOutcome::BadBlockEnd:
        case ExchangeOutcome::Stalled:
        case ExchangeOutcome::NotConfirmed:
            ShowOutcome(text, result.detail);
            EndDialog();
            return;
    }
}

void CRadioExchangeDlg::ShowOutcome(const char* text, const std::string& detail) {
    if (text == nullptr) return;
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : &m_view;
    AppMessageBox(m_view.Prompts(), parent, text, detail);
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
        m_view.m_CommPort.ClosePort();
    }
    QDialog::reject();
}

void CRadioExchangeDlg::ShowTransferNote() {
    // A radio switched off or unplugged halfway keeps half a memory: the user must know that
    // Escape did nothing and why.
    if (m_pNoteText->isVisible()) return;
    setFixedSize(m_SizeWithNote);
    m_pNoteText->show();
}

void CRadioExchangeDlg::StopExchange() {
    m_StartTimer.stop();
    if (m_Worker.joinable()) {
        m_Worker.request_stop();
        m_Worker.join();
    }
}
