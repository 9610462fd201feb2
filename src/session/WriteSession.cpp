#include "session/WriteSession.h"

#include "codec/ImageCodec.h"

namespace session {
namespace {

using radiolink::ExchangeOutcome;

// One exchange of the write: its line opened, run, and its outcome kept.
class CWriteRun {
public:
    CWriteRun(const WriteChecks& checks, WriteUi& ui, bool keepBackups)
        : m_ui(ui), m_count(StepCount(checks)), m_bKeepBackups(keepBackups) {}

    WriteOutcome& Outcome() { return m_outcome; }

    // False when the step did not run to a complete exchange; the outcome then says why.
    bool Run(Step step, WriteEnding failure) {
        m_outcome.step = step;
        m_ui.StepStarted(step, ++m_number, m_count);
        if (std::optional<LineFailure> why = m_ui.OpenLine()) {
            // After the write, a line that does not open verifies nothing.
            m_outcome.ending = step == Step::ReadBack ? failure : WriteEnding::LineFailed;
            m_outcome.line = std::move(why);
            return false;
        }
        const radiolink::ExchangeOptions options = m_ui.ExchangeOptions();
        m_outcome.exchange = step == Step::Write
                                 ? radiolink::WriteRadio(m_ui.Line(), m_outcome.sent, options)
                                 : ReadInto(options);
        if (m_outcome.exchange.outcome == ExchangeOutcome::Complete) return true;
        m_outcome.ending = m_outcome.exchange.outcome == ExchangeOutcome::Cancelled
                               ? WriteEnding::Cancelled
                               : failure;
        return false;
    }

    void Keep(backup::Direction direction, const RadioImage& image, const CKM42Doc& plan) {
        if (m_bKeepBackups) m_ui.BackupKept(direction, backup::KeepBackup(direction, image, plan));
    }

private:
    radiolink::ExchangeResult ReadInto(const radiolink::ExchangeOptions& options) {
        const radiolink::ExchangeResult result =
            radiolink::ReadRadio(m_ui.Line(), m_outcome.lastRead, options);
        if (result.outcome != ExchangeOutcome::Complete) return result;
        CKM42Doc radio;
        DecodeImage(m_outcome.lastRead, radio);
        m_outcome.radio = radio;
        Keep(backup::Direction::Read, m_outcome.lastRead, radio);
        return result;
    }

    WriteUi& m_ui;
    WriteOutcome m_outcome;
    const int m_count;
    int m_number = 0;
    const bool m_bKeepBackups;
};

}  // namespace

int StepCount(const WriteChecks& checks) {
    return 1 + (checks.readFirst ? 1 : 0) + (checks.verify ? 1 : 0);
}

WriteOutcome RunWrite(const CKM42Doc& plan, const WriteChecks& checks, WriteUi& ui,
                      bool keepBackups) {
    CWriteRun run(checks, ui, keepBackups);
    WriteOutcome& outcome = run.Outcome();
    EncodeImage(plan, outcome.sent);
    if (checks.readFirst) {
        if (!run.Run(Step::ReadFirst, WriteEnding::ExchangeFailed)) return outcome;
        if (const std::optional<RadioMismatch> mismatch = CompareRadio(*outcome.radio, plan);
            mismatch && !ui.WriteAnyway(*mismatch)) {
            outcome.ending = WriteEnding::Declined;
            return outcome;
        }
    }
    if (!run.Run(Step::Write, WriteEnding::ExchangeFailed)) return outcome;
    run.Keep(backup::Direction::Write, outcome.sent, plan);
    outcome.ending = WriteEnding::Written;
    if (!checks.verify) return outcome;
    if (!run.Run(Step::ReadBack, WriteEnding::VerifyNotRead)) return outcome;
    outcome.comparison = verify::CompareReadBack(outcome.sent, outcome.lastRead);
    outcome.ending = outcome.comparison.same ? WriteEnding::Verified : WriteEnding::NotVerified;
    return outcome;
}

}  // namespace session
