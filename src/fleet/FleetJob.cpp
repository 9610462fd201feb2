// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet/FleetJob.h"

#include <cstdio>
#include <random>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "model/Sha256.h"
#include "safety/BackupPlatform.h"

namespace fleet {
namespace {

using session::Ending;
using session::Step;

// The session's front end for one radio: the job's own answer to another model (refused, never
// asked about) and the backups the log names; everything else is the job's front end's.
class CRadioUi final : public session::WriteUi {
public:
    explicit CRadioUi(session::ExchangeUi& ui) : m_ui(ui) {}

    std::optional<Outcome> OpenLine() override { return m_ui.OpenLine(); }
    radiolink::RadioLine& Line() override { return m_ui.Line(); }
    void StepStarted(Step step, int number, int count) override {
        m_step = step;
        m_ui.StepStarted(step, number, count);
    }
    radiolink::ExchangeOptions ExchangeOptions() override { return m_ui.ExchangeOptions(); }
    void StepEnded(Step step, const radiolink::ExchangeResult& result) override {
        m_ui.StepEnded(step, result);
    }
    // What the radio held before is the first read; after, the last image kept (the read back,
    // or the write where there is none).
    void BackupKept(backup::Direction direction, const backup::KeepOutcome& kept) override {
        if (kept.Kept()) (m_step == Step::ReadFirst ? before : after) = kept.imagePath;
        m_ui.BackupKept(direction, kept);
    }
    bool GoOn(Step finished) override { return m_ui.GoOn(finished); }
    void TraceRecorded(const radiolink::Trace& trace, const trace::KeepOutcome& kept) override {
        m_ui.TraceRecorded(trace, kept);
    }
    bool WriteAnyway(const RadioMismatch&) override { return false; }

    std::string before, after;

private:
    session::ExchangeUi& m_ui;
    Step m_step = Step::ReadFirst;
};

// One line of text, as a CSV cell and a spreadsheet row show it best.
std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, "; ");
    return text;
}

std::string FailureReason(const session::Result& result) {
    if (result.ending == Ending::Cancelled) return msg::kRadioCancelled;
    if (result.ending == Ending::Stopped) return msg::kRadioStopped;
    Outcome said = session::OutcomeOf(result, 1);
    while (!said.detail.empty() && said.detail.back() == '\n') said.detail.pop_back();
    // A heading that introduces its differences runs on into the first of them.
    if (said.text.ends_with(':')) return OneLine(said.text + " " + said.detail);
    return OneLine(OutcomeLine(said));
}

RadioResult ResultOf(Ending ending) {
    switch (ending) {
        case Ending::Verified:
            return RadioResult::Verified;
        case Ending::Written:
            return RadioResult::Written;
        case Ending::Declined:
            return RadioResult::Refused;
        default:
            return RadioResult::Failed;
    }
}

// The job's start to the second, and a few random digits for two jobs started together.
std::string JobName(std::chrono::system_clock::time_point start) {
    const std::tm local = backup::platform::LocalTime(std::chrono::system_clock::to_time_t(start));
    char name[40];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%04x", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<unsigned>(std::random_device{}() & 0xFFFF));
    return name;
}

}  // namespace

void Tally::Add(RadioResult result) {
    switch (result) {
        case RadioResult::Verified:
            ++verified;
            break;
        case RadioResult::Written:
            ++written;
            break;
        case RadioResult::Refused:
            ++refused;
            break;
        case RadioResult::Failed:
            ++failed;
            break;
    }
}

std::string SummaryText(const Tally& tally, const char* (*translate)(const char*)) {
    const char* format = tally.Radios() == 1 ? msg::kJobSummaryOne : msg::kJobSummary;
    return FormatText(translate != nullptr ? translate(format) : format, tally.Radios(),
                      tally.verified, tally.written, tally.refused, tally.failed);
}

CJob::CJob(const CKM42Doc& plan, JobSettings settings, std::chrono::system_clock::time_point start)
    : m_Plan(plan), m_Settings(std::move(settings)), m_strName(JobName(start)) {
    RadioImage image{};
    EncodeImage(m_Plan, image);
    m_strSha256 = Sha256Hex(image);
}

RadioOutcome CJob::ProgramRadio(int number, const std::string& label, session::ExchangeUi& ui) {
    const auto started = std::chrono::steady_clock::now();
    CRadioUi radioUi(ui);
    RadioOutcome outcome;
    outcome.session =
        session::RunWrite(m_Plan, {true, m_Settings.verify}, radioUi, m_Settings.keepBackups);
    const session::Result& result = outcome.session;

    LogLine& line = outcome.line;
    line.time = IsoTime(std::chrono::system_clock::now());
    line.job = m_strName;
    line.number = number;
    line.label = label;
    if (result.radio) {
        line.model = ModelOf(*result.radio).name;
        line.band = ShortBandName(result.radio->m_nBand);
    }
    line.planFile = m_Settings.planFile;
    if (result.step == Step::Write || result.step == Step::ReadBack) line.imageSha256 = m_strSha256;
    line.result = ResultOf(result.ending);
    if (line.result == RadioResult::Failed) line.reason = FailureReason(result);
    line.before = radioUi.before;
    line.after = radioUi.after;
    line.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    outcome.logFailure = AppendToLog(m_Settings.logPath, line);
    return outcome;
}

Tally RunJob(CJob& job, FleetUi& ui, session::ExchangeUi& exchanges) {
    Tally tally;
    const int count = job.Settings().count;
    for (int number = 1; count == 0 || number <= count; ++number) {
        const std::optional<std::string> label = ui.NextRadio(number);
        if (!label) break;
        RadioOutcome outcome;
        FleetUi::Choice choice = FleetUi::Choice::Skip;
        do {
            outcome = job.ProgramRadio(number, *label, exchanges);
            ui.RadioDone(outcome);
            if (outcome.logFailure) {
                choice = FleetUi::Choice::Stop;
                break;
            }
            if (outcome.line.result == RadioResult::Failed) choice = ui.AfterFailure(outcome);
        } while (choice == FleetUi::Choice::Retry);
        tally.Add(outcome.line.result);
        if (choice == FleetUi::Choice::Stop) break;
    }
    return tally;
}

}  // namespace fleet
