// SPDX-License-Identifier: GPL-3.0-or-later
// The last transfer traces in the user's state folder: names, order, rights and the pruning.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "../support/TempDir.h"
#include "link/TraceText.h"
#include "model/Messages.h"
#include "safety/Traces.h"

namespace {

using namespace std::chrono;

std::string ModeOf(const std::string& path) {
    struct stat info {};
    char text[8] = "none";
    if (::stat(path.c_str(), &info) == 0)
        std::snprintf(text, sizeof text, "%04o", info.st_mode & 07777U);
    return text;
}

std::string FileName(const std::string& path) {
    return Utf8Of(PathOf(path).filename());
}

radiolink::Trace TraceAt(system_clock::time_point start, radiolink::ExchangeKind kind,
                         const std::string& model) {
    radiolink::Trace trace;
    trace.kind = kind;
    trace.model = model;
    trace.start = start;
    trace.endMicros = 9;
    trace.events.push_back({0, 0xBB, radiolink::TraceDirection::Sent, {}});
    return trace;
}

TEST(TraceFolderChoice, FollowsXdgStateHomeElseHome) {
    const std::string savedState =
        std::getenv("XDG_STATE_HOME") ? std::getenv("XDG_STATE_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_STATE_HOME", "/state/home//", 1);
    EXPECT_EQ(trace::TraceFolder(), "/state/home/PRG-715/traces");
    ::setenv("XDG_STATE_HOME", "relative", 1);
    ::setenv("HOME", "/home/dealer", 1);
    EXPECT_EQ(trace::TraceFolder(), "/home/dealer/.local/state/PRG-715/traces");
    ::unsetenv("HOME");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(trace::TraceFolder(), "");
    EXPECT_EQ(trace::KeepTrace(radiolink::Trace{}).failure, msg::kNoStateFolder);
    EXPECT_TRUE(trace::KeptTraces().empty());
    savedState.empty() ? ::unsetenv("XDG_STATE_HOME")
                       : ::setenv("XDG_STATE_HOME", savedState.c_str(), 1);
    savedHome.empty() ? ::unsetenv("HOME") : ::setenv("HOME", savedHome.c_str(), 1);
}

// 25 exchanges, two of them in the same millisecond: the newest 20 stay, newest first, each
// the user's alone and readable as the trace it was; files of other names stay untouched.
TEST(KeptTraces, TheLastTwentyStayNewestFirstAndPrivate) {
    const TempDir dir;
    const std::string folder = dir.File("state/PRG-715/traces");
    const auto first = sys_days{2026y / December / 8} + 16h + 30min + 1s + 123ms;
    std::vector<radiolink::Trace> traces;
    for (int i = 0; i < 25; ++i) {
        const auto start = first + seconds(i == 24 ? 22 : i) + microseconds(i == 24 ? 400 : 0);
        traces.push_back(
            TraceAt(start, i % 2 ? radiolink::ExchangeKind::Write : radiolink::ExchangeKind::Read,
                    i == 3 ? "" : "KM162"));
        const trace::KeepOutcome kept = trace::KeepTrace(traces.back(), folder);
        ASSERT_TRUE(kept.Kept()) << kept.failure;
        EXPECT_EQ(ModeOf(kept.path), "0600");
        if (i == 0)
            for (const char* other : {"notes.txt", "2026-01-01T00-00-00.000-read.trace.bak"})
                std::ofstream(PathOf(folder + "/" + other)) << "mine";
    }
    EXPECT_EQ(FileName(trace::KeepTrace(traces[0], dir.File("state/a")).path),
              "2026-12-08T16-30-01.123-read-KM162.trace");
    EXPECT_EQ(ModeOf(dir.File("state/PRG-715")), "0700");
    const std::vector<std::string> kept = trace::KeptTraces(folder);
    ASSERT_EQ(kept.size(), trace::kKeptTraces);
    EXPECT_EQ(FileName(kept[0]), "2026-12-08T16-30-24.123-write-KM162.trace");
    EXPECT_EQ(FileName(kept[1]), "2026-12-08T16-30-23.123-read-KM162-2.trace");
    EXPECT_EQ(FileName(kept[2]), "2026-12-08T16-30-23.123-read-KM162.trace");
    EXPECT_EQ(FileName(kept.back()), "2026-12-08T16-30-06.123-write-KM162.trace");
    const radiolink::ParsedTraces read = radiolink::ReadTraceFile(kept[1]);
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.traces.at(0), traces[24]);
    for (const char* other : {"notes.txt", "2026-01-01T00-00-00.000-read.trace.bak"})
        EXPECT_TRUE(std::filesystem::exists(PathOf(folder + "/" + other))) << other;
}

TEST(KeptTraces, AFolderThatCannotBeMadeIsReportedNotThrown) {
    const TempDir dir;
    std::ofstream(PathOf(dir.File("state"))) << "a file where the folder would go";
    const trace::KeepOutcome kept = trace::KeepTrace(radiolink::Trace{}, dir.File("state/traces"));
    EXPECT_FALSE(kept.Kept());
    EXPECT_NE(kept.failure.find(dir.File("state")), std::string::npos) << kept.failure;
    EXPECT_TRUE(trace::KeptTraces(dir.File("state/traces")).empty());
}

}  // namespace
