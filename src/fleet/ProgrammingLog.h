// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "model/FileAccess.h"

// The programming log: one CSV line for every radio a job programmed, appended and on the disk
// before the next radio starts, so that "what did radio 17 hold before?" has an answer after
// any crash. A spreadsheet opens it; the desktop's Radio History and `prg715-cli history` read
// it back.
namespace fleet {

enum class RadioResult { Verified, Written, Refused, Failed };

// One radio of a job as its line keeps it.
struct LogLine {
    std::string time;  // ISO 8601 with the offset from UTC: 2026-12-08T11:02:03+01:00
    std::string job;   // the job's name, shared by its lines
    int number = 0;    // the radio's number in the job, from 1
    std::string label;
    std::string model, band;  // the radio's as read first; empty when it could not be read
    std::string planFile;
    std::string imageSha256;  // of the image written; empty when nothing was
    RadioResult result = RadioResult::Failed;
    std::string reason;  // why it failed
    double seconds = 0;
    std::string before, after;  // the backup images of what the radio held before and after
};

// The result column's text: "verified", "refused: other model", "failed: REASON"...
std::string ResultText(const LogLine& line);

// "2026-12-08T11:02:03+01:00", in local time.
std::string IsoTime(std::chrono::system_clock::time_point when);

// $XDG_DATA_HOME/PRG-715/programming-log.csv (beside the backups); empty when the system names
// no data folder.
std::string DefaultLogPath();

// The log in a folder the user chose: the same file name as DefaultLogPath's.
std::string LogPathIn(const std::string& folder);

// Appends the line (the header first into a new file), making missing folders the user's
// alone; nullopt once it is on the disk, else why not.
fileio::Refusal AppendToLog(const std::string& path, const LogLine& line);

// What `path` is fit to take lines (before a job starts): a log, an empty file or none yet.
fileio::Refusal CheckLog(const std::string& path);

struct History {
    std::vector<LogLine> lines;  // newest first
    int linesLeftOut = 0;        // damaged or cut short (a crash in the middle of one)
    std::string failure;         // the log could not be read; a missing log has no lines
};

// Every line of the log, or of the radios labelled `label` when it is not empty.
History ReadHistory(const std::string& path, const std::string& label = {});

}  // namespace fleet
