// SPDX-License-Identifier: GPL-3.0-or-later
#include "safety/Traces.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "link/TraceText.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/BackupPlatform.h"

namespace trace {
namespace {

namespace fs = std::filesystem;
using backup::platform::InFolder;

constexpr const char* kTraceSubfolder = "traces";
constexpr std::size_t kStampLength = 23;  // 2026-12-08T16-30-01.123
// Far more than two processes ever start in one millisecond.
constexpr int kMaxSequence = 999;

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TextOf(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Stamp(std::chrono::system_clock::time_point start) {
    using namespace std::chrono;
    const auto millis = time_point_cast<milliseconds>(start);
    const auto day = floor<days>(millis);
    const year_month_day date{day};
    const hh_mm_ss time{millis - day};
    char text[32];
    std::snprintf(
        text, sizeof text, "%04d-%02u-%02uT%02d-%02d-%02d.%03d", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
        static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
    return text;
}

// What orders two kept traces: the stamp, then the sequence. nullopt for a name that is not a
// trace's.
struct NameOrder {
    std::string stamp;
    int sequence = 1;
    auto operator<=>(const NameOrder&) const = default;
};

std::optional<NameOrder> OrderOf(const std::string& fileName) {
    const std::string_view name = fileName;
    if (!name.ends_with(kTraceExtension) || name.size() < kStampLength + 2) return std::nullopt;
    const std::string_view stamp = name.substr(0, kStampLength);
    constexpr std::string_view kShape = "dddd-dd-ddTdd-dd-dd.ddd";
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (kShape[i] == 'd' ? !digit : stamp[i] != kShape[i]) return std::nullopt;
    }
    std::string_view rest = name.substr(kStampLength);
    rest.remove_suffix(std::string_view(kTraceExtension).size());
    const bool known = rest.starts_with("-read") || rest.starts_with("-write");
    if (!known) return std::nullopt;
    NameOrder order{std::string(stamp), 1};
    const std::size_t dash = rest.rfind('-');
    const std::string_view last = rest.substr(dash + 1);
    if (dash > 0 && !last.empty() && last.size() <= 3 &&
        std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; }))
        order.sequence = std::stoi(std::string(last));
    return order;
}

struct Entry {
    NameOrder order;
    std::string path;
};

std::vector<Entry> Entries(const std::string& folder) {
    std::vector<Entry> entries;
    std::error_code error;
    if (folder.empty()) return entries;
    for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = TextOf(it->path().filename());
        if (const std::optional<NameOrder> order = OrderOf(name))
            entries.push_back({*order, InFolder(folder, name)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.order > b.order; });
    return entries;
}

std::string Reason(const std::string& path, const std::string& why) {
    return FormatText(msg::kBackupFolderReason, path.c_str(), why.c_str());
}

}  // namespace

std::string TraceFolder() {
    const std::string app = backup::platform::AppFolder(backup::platform::UserFolderKind::State);
    return app.empty() ? app : InFolder(app, kTraceSubfolder);
}

std::string TraceFileName(const radiolink::Trace& trace, int sequence) {
    std::string name = Stamp(trace.start) + "-" + radiolink::KindText(trace.kind);
    if (!trace.model.empty()) name += "-" + trace.model;
    if (sequence > 1) name += "-" + std::to_string(sequence);
    return name + kTraceExtension;
}

KeepOutcome KeepTrace(const radiolink::Trace& trace, const std::string& folder) {
    KeepOutcome outcome;
    if (folder.empty()) {
        outcome.failure = msg::kNoStateFolder;
        return outcome;
    }
    if (const fileio::Refusal why = backup::platform::MakeFolder(folder)) {
        outcome.failure = Reason(folder, *why);
        return outcome;
    }
    const std::string text = radiolink::FormatTrace(trace);
    fileio::CNewFile file(
        folder, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (file.Failure()) {
        outcome.failure = Reason(folder, *file.Failure());
        return outcome;
    }
    for (int sequence = 1; sequence <= kMaxSequence && outcome.path.empty(); ++sequence) {
        const std::string path = InFolder(folder, TraceFileName(trace, sequence));
        std::string why;
        const fileio::NameClaim claim = file.Claim(path, why);
        if (claim == fileio::NameClaim::Failed) {
            outcome.failure = Reason(path, why);
            return outcome;
        }
        if (claim == fileio::NameClaim::Claimed) outcome.path = path;
    }
    if (outcome.path.empty()) {
        outcome.failure = Reason(folder, TraceFileName(trace));
        return outcome;
    }
    // The oldest go; one that cannot be deleted now goes after a later exchange.
    const std::vector<Entry> entries = Entries(folder);
    std::error_code error;
    for (std::size_t i = kKeptTraces; i < entries.size(); ++i)
        fs::remove(PathOf(entries[i].path), error);
    return outcome;
}

std::vector<std::string> KeptTraces(const std::string& folder) {
    std::vector<std::string> paths;
    for (Entry& entry : Entries(folder)) paths.push_back(std::move(entry.path));
    return paths;
}

}  // namespace trace
