// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "codec/RadioImage.h"
#include "link/Exchange.h"
#include "link/RadioLine.h"
#include "link/Trace.h"
#include "model/KM42Doc.h"
#include "model/RadioModel.h"
#include "safety/Backups.h"
#include "safety/Traces.h"
#include "safety/WriteVerify.h"

// What a user starts against a radio, sequenced in one place: Read from Radio (and its
// backup), and Write to Radio with the checks a dealer may add (read the radio first, kept as
// a backup, with a radio of another model or band asked about; write; keep the write as a
// backup; read the radio back and compare). Front ends (the desktop's dialogs, the command
// line's console) show the steps and answer the question through ExchangeUi and WriteUi. Every
// exchange is recorded byte by byte and its trace kept with the last ones (trace::KeepTrace).
namespace session {

struct WriteChecks {
    bool readFirst = false;  // read the radio before writing: backup and model check
    bool verify = false;     // read the radio back after writing and compare
};

enum class Step { Read, ReadFirst, Write, ReadBack };

inline bool IsRead(Step step) {
    return step != Step::Write;
}

// What a front end does while a session runs; called on the thread that runs it.
class ExchangeUi {
public:
    virtual ~ExchangeUi() = default;
    // Opens the line for the next exchange (each exchange closes it); nullopt once open, else
    // why not ("Fail to open PORT1" and the reason).
    virtual std::optional<Outcome> OpenLine() = 0;
    virtual radiolink::RadioLine& Line() = 0;
    // Step `number` of `count` begins; its exchange follows.
    virtual void StepStarted(Step step, int number, int count) = 0;
    // Progress, the radio's answer and the way to cancel, for the next exchange.
    virtual radiolink::ExchangeOptions ExchangeOptions() = 0;
    // The step's exchange has returned, well or not, and the line is closed again.
    virtual void StepEnded(Step step, const radiolink::ExchangeResult& result) = 0;
    // After each complete exchange; a backup that cannot be kept never fails the session.
    virtual void BackupKept(backup::Direction direction, const backup::KeepOutcome& kept) = 0;
    // After a complete step and its backup: whether the next step runs.
    virtual bool GoOn(Step /*finished*/) { return true; }
    // After each exchange, complete or not, before StepEnded: what crossed the cable, and
    // where it was kept or why not (which never fails the session).
    virtual void TraceRecorded(const radiolink::Trace& /*trace*/,
                               const trace::KeepOutcome& /*kept*/) {}
};

class WriteUi : public ExchangeUi {
public:
    // The radio read first is another model or band: whether to write into it anyway.
    virtual bool WriteAnyway(const RadioMismatch& mismatch) = 0;
};

enum class Ending {
    Read,            // a complete read: `radio` holds the plan, `lastRead` the bytes
    Written,         // confirmed by the radio, not read back
    Verified,        // ... and read back holding exactly what was sent
    NotVerified,     // read back holding something else: `comparison` says what
    VerifyNotRead,   // the read back failed: `line` or `exchange` says how
    LineFailed,      // a step's line did not open: `line` says why
    ExchangeFailed,  // a read or the write failed: `exchange` says how
    Declined,        // the radio is another model (`mismatch`) and the answer was No
    Cancelled,       // the user gave up while the radio was silent
    Stopped,         // the front end said not to go on
};

struct Result {
    Ending ending = Ending::Cancelled;
    Step step = Step::Read;  // the step it ended in
    radiolink::ExchangeResult exchange;
    std::optional<Outcome> line;  // why the line did not open
    RadioImage sent{};
    RadioImage lastRead{};          // the last read's bytes, also of one that broke off
    std::optional<CKM42Doc> radio;  // the radio as the last complete read found it
    std::optional<RadioMismatch> mismatch;
    verify::Comparison comparison;  // NotVerified
};

// Reads the radio and keeps the read as a backup unless `keepBackups` is false.
Result RunRead(ExchangeUi& ui, bool keepBackups = true);

// The plan must have passed CheckEncodable. `keepBackups` false keeps none (the command
// line's --no-backup).
Result RunWrite(const CKM42Doc& plan, const WriteChecks& checks, WriteUi& ui,
                 bool keepBackups = true);

// What a session that ended so says to its user: the verdict with its first `findingsShown`
// differences, the failure with its reason; nothing (ok, no text) for a read, a cancel, a stop or
// a radio the user chose not to write into, and ok with the fixed text for a good write.
Outcome OutcomeOf(const Result& result, std::size_t findingsShown);

// How many steps a write with these checks takes.
int StepCount(const WriteChecks& checks);

}  // namespace session
