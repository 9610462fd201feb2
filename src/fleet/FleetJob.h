// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <optional>
#include <string>

#include "codec/RadioImage.h"
#include "fleet/ProgrammingLog.h"
#include "model/KM42Doc.h"
#include "session/RadioSession.h"

// Programming several radios: one plan into radio after radio on one port, each read first (its
// backup, and a radio of another model or band refused for itself alone), written, read back
// and compared, and logged before the next one starts. The desktop's Program Several Radios and
// `prg715-cli fleet` are front ends of this one loop over the radio session.
namespace fleet {

struct JobSettings {
    std::string planFile;  // what the log names as the plan
    std::string logPath;   // where every radio's line goes
    bool verify = true;    // read each radio back after the write
    int count = 0;         // end after this many radios; 0: when the front end says so
    bool keepBackups = true;
};

// What became of one radio: its log line, the session it ran, and whether the line reached the
// log (a job must not go on without its log).
struct RadioOutcome {
    LogLine line;
    session::Result session;
    fileio::Refusal logFailure;
};

// How many radios ended how; a retried radio counts once, by its last try.
struct Tally {
    int verified = 0, written = 0, refused = 0, failed = 0;
    int Radios() const { return verified + written + refused + failed; }
    // Every radio holds the plan (verified, or written in a job without verify).
    bool AllGood() const { return refused == 0 && failed == 0; }
    void Add(RadioResult result);
};
// "10 radios: 8 verified, ..."; a front end in another language passes its translation of
// the format.
std::string SummaryText(const Tally& tally, const char* (*translate)(const char*) = nullptr);

class CJob {
public:
    // `plan` must have passed CheckEncodable. The job is named by when it starts.
    CJob(const CKM42Doc& plan, JobSettings settings,
         std::chrono::system_clock::time_point start = std::chrono::system_clock::now());

    const std::string& Name() const { return m_strName; }
    const JobSettings& Settings() const { return m_Settings; }
    const std::string& ImageSha256() const { return m_strSha256; }

    // Programs the radio on the line as radio `number`, labelled `label`, and appends its line
    // to the log. The front end's WriteAnyway is never asked: another model is refused.
    RadioOutcome ProgramRadio(int number, const std::string& label, session::ExchangeUi& ui);

private:
    CKM42Doc m_Plan;
    JobSettings m_Settings;
    std::string m_strName;
    std::string m_strSha256;
};

// What a front end does between the radios; called on the thread that runs the job. The
// radios' exchanges have a front end of their own (session::ExchangeUi).
class FleetUi {
public:
    virtual ~FleetUi() = default;
    enum class Choice { Retry, Skip, Stop };
    // Waits for radio `number` to be connected: its label (may be empty), or nullopt to end the
    // job here.
    virtual std::optional<std::string> NextRadio(int number) = 0;
    // The radio's line is in the log, or `logFailure` says why not (and the job ends).
    virtual void RadioDone(const RadioOutcome& outcome) = 0;
    // A radio failed (a refused one goes on by itself): try it again, skip it, or stop.
    virtual Choice AfterFailure(const RadioOutcome& outcome) = 0;
};

// Radio after radio until the front end ends the job, `count` radios are done, a failure is
// answered with Stop or the log cannot be written.
Tally RunJob(CJob& job, FleetUi& ui, session::ExchangeUi& exchanges);

}  // namespace fleet
