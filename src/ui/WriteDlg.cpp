#include "ui/WriteDlg.h"

#include <algorithm>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/KM42View.h"
#include "ui/UiPrompts.h"

namespace {
constexpr CRadioExchangeDlg::Layout kWriteLayout{
    "Write to Radio", "writeDlg", 187, 54, 16, 7, 156, 8, 7, 25, 173, 14,
};

struct StepWords {
    session::Step step;
    const char* text;      // "Step %d of %d: ..."
    const char* answered;  // the status once the radio has answered
};
constexpr StepWords kStepWords[] = {
    {session::Step::ReadFirst, msg::kStepReadFirst, msg::kReading},
    {session::Step::Write, msg::kStepWrite, msg::kWriting},
    {session::Step::ReadBack, msg::kStepReadBack, msg::kReading},
};
const StepWords& WordsOf(session::Step step) {
    return *std::find_if(std::begin(kStepWords), std::end(kStepWords),
                         [step](const StepWords& w) { return w.step == step; });
}
}  // namespace

// The session's front end on the exchange's thread: what the user sees is posted to the
// dialog, the question waits for the answer given there.
class CWriteDlg::CJobUi final : public session::WriteUi {
public:
    CJobUi(CWriteDlg& dialog, const radiolink::ExchangeOptions& options)
        : m_dialog(dialog), m_options(options) {}

    std::optional<session::LineFailure> OpenLine() override {
        RadioPortFailure failure;
        if (::OpenRadioPort(Port(), m_dialog.m_JobPlan.m_nComPort, &failure) == 2)
            return std::nullopt;
        return session::LineFailure{failure.message != nullptr ? failure.message : "",
                                    failure.reason};
    }
    radiolink::RadioLine& Line() override { return Port(); }
    void StepStarted(session::Step step, int number, int count) override {
        QMetaObject::invokeMethod(
            &m_dialog, [this, step, number, count] { m_dialog.ShowStep(step, number, count); },
            Qt::QueuedConnection);
    }
    radiolink::ExchangeOptions ExchangeOptions() override { return m_options; }
    bool WriteAnyway(const RadioMismatch& mismatch) override {
        bool anyway = false;
        QMetaObject::invokeMethod(
            &m_dialog,
            [this, &mismatch, &anyway] {
                anyway = m_dialog.View().AskWriteAnyway(mismatch, &m_dialog);
            },
            Qt::BlockingQueuedConnection);
        return anyway;
    }
    void BackupKept(backup::Direction, const backup::KeepOutcome& kept) override {
        QMetaObject::invokeMethod(
            &m_dialog, [this, kept] { m_dialog.View().SayBackupKept(kept); }, Qt::QueuedConnection);
    }

private:
    CCommPort& Port() { return m_dialog.View().m_CommPort; }

    CWriteDlg& m_dialog;
    const radiolink::ExchangeOptions m_options;
};

CWriteDlg::CWriteDlg(CKM42View& view) : CRadioExchangeDlg(view, kWriteLayout) {}

void CWriteDlg::EncodeImage() {
    ::EncodeImage(View().GetDocument(), m_WriteImage);
}

void CWriteDlg::PrepareImage() {
    EncodeImage();
    std::copy_n(m_WriteImage.begin(), image::kBufferSize, View().m_ImageCopy.begin());
}

session::WriteOutcome CWriteDlg::RunJob(const session::WriteChecks& checks) {
    m_Job = checks;
    m_JobPlan = View().GetDocument();
    m_JobOutcome = {};
    m_JobOutcome.ending = session::WriteEnding::Cancelled;  // closed before the first step
    SetStepsShown(true);
    ShowStep(checks.readFirst ? session::Step::ReadFirst : session::Step::Write, 1,
             session::StepCount(checks));
    DoModal();
    SetStepsShown(false);
    m_Job.reset();
    return m_JobOutcome;
}

void CWriteDlg::ShowStep(session::Step step, int number, int count) {
    const StepWords& words = WordsOf(step);
    m_pAnsweredStatus = words.answered;
    StartStep(QString::fromStdString(FormatText(words.text, number, count)));
}

radiolink::ExchangeResult CWriteDlg::RunExchange(radiolink::RadioLine& line,
                                                 const radiolink::ExchangeOptions& options) {
    if (!m_Job) return radiolink::WriteRadio(line, m_WriteImage, options);
    CJobUi ui(*this, options);
    m_JobOutcome = session::RunWrite(m_JobPlan, *m_Job, ui);
    return m_JobOutcome.exchange;
}

void CWriteDlg::EndWith(const radiolink::ExchangeResult& result) {
    if (!m_Job) {
        CRadioExchangeDlg::EndWith(result);
        return;
    }
    EndDialog();
}

const char* CWriteDlg::AnsweredStatus() const {
    return m_Job && m_pAnsweredStatus != nullptr ? m_pAnsweredStatus : msg::kWriting;
}
