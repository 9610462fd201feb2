// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet/ProgrammingLog.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>

#include "interchange/CsvText.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace fleet {
namespace {

constexpr const char* kLogFileName = "programming-log.csv";
constexpr std::size_t kColumnCount = std::size(msg::kLogColumns);
// Some 300 bytes a radio: more than a shop programs in many years.
constexpr std::size_t kMaxLogBytes = 64u << 20;

std::string Header() {
    return csv::WriteRecord(csv::Record(std::begin(msg::kLogColumns), std::end(msg::kLogColumns)),
                            ',') +
           "\n";
}

// Locale-free, so a log written under any locale reads back under any other.
std::string SecondsText(double seconds) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseResult(std::string_view text, LogLine& line) {
    if (text == msg::kResultVerified) {
        line.result = RadioResult::Verified;
    } else if (text == msg::kResultWritten) {
        line.result = RadioResult::Written;
    } else if (text == msg::kResultRefused) {
        line.result = RadioResult::Refused;
    } else if (text.starts_with(msg::kFailedPrefix)) {
        line.result = RadioResult::Failed;
        line.reason = text.substr(std::strlen(msg::kFailedPrefix));
    } else {
        return false;
    }
    return true;
}

bool ParseLine(const csv::Fields& fields, LogLine& line) {
    if (fields.size() != kColumnCount) return false;
    auto text = [&](std::size_t i) { return std::string(fields[i]); };
    line = {text(0), text(1), 0,       text(3),  text(4),  text(5), text(6),
            text(7), {},      {},      0,        text(10), text(11)};
    return ParseNumber(fields[2], line.number) && line.number > 0 &&
           ParseNumber(fields[9], line.seconds) && ParseResult(fields[8], line);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

fileio::Refusal MakeFolderOf(const std::string& path) {
    const std::string folder = FolderOf(path);
    return folder.empty() ? std::nullopt : backup::platform::MakeFolder(folder);
}

bool IsMissing(const fileio::Refusal& why) {
    return why && *why == std::strerror(ENOENT);
}

}  // namespace

std::string ResultText(const LogLine& line) {
    switch (line.result) {
        case RadioResult::Verified:
            return msg::kResultVerified;
        case RadioResult::Written:
            return msg::kResultWritten;
        case RadioResult::Refused:
            return msg::kResultRefused;
        case RadioResult::Failed:
            break;
    }
    return FormatText(msg::kResultFailed, line.reason.c_str());
}

std::string IsoTime(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(when);
    const std::tm local = backup::platform::LocalTime(seconds);
    // The offset is what the local wall clock reads beyond UTC at that instant.
    const sys_days day = year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday;
    const auto wall = day.time_since_epoch() + hours{local.tm_hour} + minutes{local.tm_min} +
                      std::chrono::seconds{local.tm_sec};
    const long offset = static_cast<long>(
        duration_cast<minutes>(wall - std::chrono::seconds{seconds}).count());
    const long away = offset < 0 ? -offset : offset;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offset < 0 ? '-' : '+', away / 60, away % 60);
    return text;
}

std::string DefaultLogPath() {
    const std::string backups = backup::BackupFolder();
    if (backups.empty()) return {};
    return LogPathIn(FolderOf(backups));
}

std::string LogPathIn(const std::string& folder) {
    return backup::platform::InFolder(folder, kLogFileName);
}

fileio::Refusal AppendToLog(const std::string& path, const LogLine& line) {
    if (fileio::Refusal why = MakeFolderOf(path)) return why;
    const csv::Record fields = {line.time,
                                line.job,
                                std::to_string(line.number),
                                line.label,
                                line.model,
                                line.band,
                                line.planFile,
                                line.imageSha256,
                                ResultText(line),
                                SecondsText(line.seconds),
                                line.before,
                                line.after};
    return fileio::AppendToFile(path, csv::WriteRecord(fields, ',') + "\n", Header());
}

fileio::Refusal CheckLog(const std::string& path) {
    if (fileio::Refusal why = MakeFolderOf(path)) return why;
    std::vector<std::uint8_t> start;
    const std::string header = Header();
    const fileio::Refusal why = fileio::ReadFileStart(path, header.size(), start);
    if (IsMissing(why)) return std::nullopt;
    if (why) return why;
    if (!start.empty() && std::string(start.begin(), start.end()) != header)
        return FormatText(msg::kNotALog, path.c_str());
    return std::nullopt;
}

History ReadHistory(const std::string& path, const std::string& label) {
    History history;
    std::vector<std::uint8_t> bytes;
    std::uintmax_t size = 0;
    const fileio::Refusal why = fileio::ReadFileStart(path, kMaxLogBytes, bytes, &size);
    if (IsMissing(why)) return history;
    if (why) {
        history.failure = path + ": " + *why;
        return history;
    }
    if (size > kMaxLogBytes) {
        history.failure = FormatText(msg::kLogTooLarge, path.c_str(), kMaxLogBytes);
        return history;
    }
    std::string_view body(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::string header = Header();
    if (body.empty()) return history;
    if (!body.starts_with(header)) {
        history.failure = FormatText(msg::kNotALog, path.c_str());
        return history;
    }
    body.remove_prefix(header.size());
    // A line the disk never saw end was cut short by a crash.
    if (!body.empty() && body.back() != '\n') {
        body = body.substr(0, body.find_last_of('\n') + 1);
        ++history.linesLeftOut;
    }
    csv::RecordReader reader({body, ','});
    csv::Fields fields;
    LogLine line;
    while (reader.Next(fields)) {
        if (!ParseLine(fields, line))
            ++history.linesLeftOut;
        else if (label.empty() || line.label == label)
            history.lines.push_back(line);
    }
    std::reverse(history.lines.begin(), history.lines.end());
    return history;
}

}  // namespace fleet
