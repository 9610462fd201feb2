// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RadioSession.h"

#include "codec/ImageCodec.h"
#include "link/TraceRecorder.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace session {
namespace {

using radiolink::ExchangeOutcome;

// The session's steps in order: each opens its line, runs its exchange, keeps its backup.
class CRun {
public:
    CRun(ExchangeUi& ui, int count, bool keepBackups)
        : m_ui(ui), m_count(count), m_bKeepBackups(keepBackups) {}

    Result& Out() { return m_outcome; }

    // True after a complete exchange, its backup kept and the front end willing to go on;
    // otherwise the outcome says why not. A failure after the write verifies nothing.
    bool Run(Step step, const CKM42Doc* plan = nullptr) {
        m_outcome.step = step;
        const Ending failed =
            step == Step::ReadBack ? Ending::VerifyNotRead : Ending::ExchangeFailed;
        m_ui.StepStarted(step, ++m_number, m_count);
        if (std::optional<Outcome> why = m_ui.OpenLine()) {
            m_outcome.ending = step == Step::ReadBack ? failed : Ending::LineFailed;
            m_outcome.line = std::move(why);
            return false;
        }
        radiolink::ExchangeOptions options = m_ui.ExchangeOptions();
        options.trace = &m_Recorder;
        m_outcome.exchange = IsRead(step)
                                 ? radiolink::ReadRadio(m_ui.Line(), m_outcome.lastRead, options)
                                 : radiolink::WriteRadio(m_ui.Line(), m_outcome.sent, options);
        const bool complete = m_outcome.exchange.outcome == ExchangeOutcome::Complete;
        std::optional<CKM42Doc> radio;
        if (complete && IsRead(step)) {
            radio.emplace();
            DecodeImage(m_outcome.lastRead, *radio);
        }
        // The model is known from a complete read, and a write is the plan's.
        const CKM42Doc* model = radio ? &*radio : IsRead(step) ? nullptr : plan;
        KeepTrace(model != nullptr ? ModelOf(*model).name : "");
        m_ui.StepEnded(step, m_outcome.exchange);
        if (!complete) {
            const bool cancelled = m_outcome.exchange.outcome == ExchangeOutcome::Cancelled;
            m_outcome.ending = cancelled ? Ending::Cancelled : failed;
            return false;
        }
        if (IsRead(step)) {
            m_outcome.radio = radio;
            Keep(backup::Direction::Read, m_outcome.lastRead, *radio);
        } else {
            Keep(backup::Direction::Write, m_outcome.sent, *plan);
        }
        m_outcome.ending = IsRead(step) ? Ending::Read : Ending::Written;
        return true;
    }

    bool GoOn(Step finished) {
        if (m_ui.GoOn(finished)) return true;
        m_outcome.ending = Ending::Stopped;
        return false;
    }

private:
    void KeepTrace(const std::string& model) {
        m_Recorder.SetModel(model);
        const radiolink::Trace& trace = m_Recorder.Result();
        m_ui.TraceRecorded(trace, trace::KeepTrace(trace));
    }

    void Keep(backup::Direction direction, const RadioImage& image, const CKM42Doc& plan) {
        if (m_bKeepBackups) m_ui.BackupKept(direction, backup::KeepBackup(direction, image, plan));
    }

    ExchangeUi& m_ui;
    radiolink::TraceRecorder m_Recorder;  // one for the session's exchanges, made before them
    Result m_outcome;
    const int m_count;
    int m_number = 0;
    const bool m_bKeepBackups;
};

}  // namespace

Outcome OutcomeOf(const Result& result, std::size_t findingsShown) {
    const auto kind =
        IsRead(result.step) ? radiolink::ExchangeKind::Read : radiolink::ExchangeKind::Write;
    switch (result.ending) {
        case Ending::Verified:
            return Succeeded(msg::kVerified);
        case Ending::Written:
            return Succeeded(msg::kWriteComplete);
        case Ending::NotVerified:
            return verify::VerdictOf(result.comparison, findingsShown);
        case Ending::VerifyNotRead:
            return Failed(msg::kVerifyNotRead,
                          OutcomeLine(result.line ? *result.line
                                                  : radiolink::OutcomeOf(kind, result.exchange)));
        case Ending::LineFailed:
            return *result.line;
        case Ending::ExchangeFailed:
            return radiolink::OutcomeOf(kind, result.exchange);
        case Ending::Declined:
            return Failed(FormatText(msg::kWrongRadioRefused, result.mismatch->radio.c_str(),
                                     result.mismatch->plan.c_str()));
        case Ending::Cancelled:
        case Ending::Stopped:
        case Ending::Read:
            break;
    }
    return {};
}

int StepCount(const WriteChecks& checks) {
    return 1 + (checks.readFirst ? 1 : 0) + (checks.verify ? 1 : 0);
}

Result RunRead(ExchangeUi& ui, bool keepBackups) {
    CRun run(ui, 1, keepBackups);
    run.Run(Step::Read);
    return run.Out();
}

Result RunWrite(const CKM42Doc& plan, const WriteChecks& checks, WriteUi& ui, bool keepBackups) {
    CRun run(ui, StepCount(checks), keepBackups);
    Result& outcome = run.Out();
    EncodeImage(plan, outcome.sent);
    if (checks.readFirst) {
        if (!run.Run(Step::ReadFirst) || !run.GoOn(Step::ReadFirst)) return outcome;
        outcome.mismatch = CompareRadio(*outcome.radio, plan);
        if (outcome.mismatch && !ui.WriteAnyway(*outcome.mismatch)) {
            outcome.ending = Ending::Declined;
            return outcome;
        }
    }
    if (!run.Run(Step::Write, &plan) || !checks.verify || !run.GoOn(Step::Write)) return outcome;
    if (!run.Run(Step::ReadBack)) return outcome;
    outcome.comparison = verify::CompareReadBack(outcome.sent, outcome.lastRead);
    outcome.ending = outcome.comparison.same ? Ending::Verified : Ending::NotVerified;
    return outcome;
}

}  // namespace session
