// SPDX-License-Identifier: GPL-3.0-or-later
// The programming log as a spreadsheet and a later look-up find it: every field back as
// written, newest first, nothing cut short taken for a line, nobody else's file touched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "../support/TempDir.h"
#include "fleet/ProgrammingLog.h"
#include "model/Sha256.h"

namespace {

using fleet::LogLine;
using fleet::RadioResult;

TEST(Sha256, KnownDigests) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        // Around the padding's edges: the length still fits the block, just not, a whole block.
        {std::string(55, 'x'), "d5e285683cd4efc02d021a5c62014694958901005d6f71e89e0989fac77e4072"},
        {std::string(56, 'x'), "04c26261370ee7541549d16dee320c723e3fd14671e66a099afe0a377c16888e"},
        {std::string(64, 'x'), "7ce100971f64e7001e8fe5a51973ecdfe1ced42befe7ee8d5fd6219506b5393c"},
    };
    for (const auto& [text, digest] : cases) {
        EXPECT_EQ(Sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}),
                  digest)
            << text.size() << " bytes";
    }
}

TEST(ProgrammingLog, TimeCarriesTheOffsetOfItsZone) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    const auto when = std::chrono::system_clock::from_time_t(1796127600);  // 2026-12-01 12:20 UTC
    const std::pair<const char*, const char*> zones[] = {
        {"UTC0", "2026-12-01T12:20:00+00:00"},
        {"IST-5:30", "2026-12-01T17:50:00+05:30"},
        {"NST3:30", "2026-12-01T08:50:00-03:30"},
    };
    for (const auto& [zone, text] : zones) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        EXPECT_EQ(fleet::IsoTime(when), text) << zone;
    }
    saved ? ::setenv("TZ", before.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
}

LogLine Line(int number, std::string label, RadioResult result, std::string reason = {}) {
    return {"2026-12-08T10:00:0" + std::to_string(number) + "+01:00",
            "job-1",
            number,
            std::move(label),
            "KM162",
            "UHF 2",
            "/plans/shop, \"A\".kmd16",
            result == RadioResult::Refused ? "" : std::string(64, 'a'),
            result,
            std::move(reason),
            number + 0.5,
            "/b/before " + std::to_string(number) + ".img",
            "/b/after.img"};
}

void ExpectSame(const LogLine& a, const LogLine& b) {
    EXPECT_EQ(std::tie(a.time, a.job, a.number, a.label, a.model, a.band, a.planFile,
                       a.imageSha256, a.result, a.reason, a.before, a.after),
              std::tie(b.time, b.job, b.number, b.label, b.model, b.band, b.planFile,
                       b.imageSha256, b.result, b.reason, b.before, b.after));
    EXPECT_DOUBLE_EQ(a.seconds, b.seconds);
}

TEST(ProgrammingLog, LinesComeBackWholeNewestFirstAndPrivate) {
    const TempDir dir;
    const std::string path = dir.File("new/folder/log.csv");
    const std::vector<LogLine> lines = {
        Line(1, "A-17", RadioResult::Verified),
        Line(2, "", RadioResult::Refused),
        Line(3, "tag, \"quoted\"\nsecond line", RadioResult::Failed,
             "The radio does not hold the plan; channel 1: RX Freq 450.0125 -> 450.0250"),
        Line(4, "A-17", RadioResult::Written),
    };
    ASSERT_FALSE(fleet::CheckLog(path));
    for (const LogLine& line : lines) ASSERT_FALSE(fleet::AppendToLog(path, line));
    const fleet::History all = fleet::ReadHistory(path);
    ASSERT_EQ(all.lines.size(), lines.size()) << all.failure;
    for (std::size_t i = 0; i < lines.size(); ++i) ExpectSame(all.lines[i], lines[3 - i]);
    const fleet::History tagged = fleet::ReadHistory(path, "A-17");
    ASSERT_EQ(tagged.lines.size(), 2u);
    EXPECT_EQ(tagged.lines[0].number, 4);
    EXPECT_EQ(tagged.lines[1].number, 1);

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(dir.File("new/folder").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(fleet::ReadHistory(dir.File("none.csv")).failure.empty());
}

TEST(ProgrammingLog, DamageIsLeftOutAndForeignFilesAreRefused) {
    const TempDir dir;
    const std::string path = dir.File("log.csv");
    ASSERT_FALSE(fleet::AppendToLog(path, Line(1, "x", RadioResult::Verified)));
    std::ofstream(path, std::ios::app) << "not,a,line\n";
    ASSERT_FALSE(fleet::AppendToLog(path, Line(2, "y", RadioResult::Verified)));
    std::ofstream(path, std::ios::app) << "2026-12-08T10:00:09+01:00,job-1,3,cut sho";
    const fleet::History history = fleet::ReadHistory(path);
    ASSERT_EQ(history.lines.size(), 2u);
    EXPECT_EQ(history.lines[0].label, "y");
    EXPECT_EQ(history.linesLeftOut, 2);

    const std::string plan = dir.File("plan.kmd16");
    std::ofstream(plan) << "something that is not a log";
    EXPECT_TRUE(fleet::CheckLog(plan));
    EXPECT_FALSE(fleet::ReadHistory(plan).failure.empty());
    EXPECT_TRUE(fleet::AppendToLog(dir.File(""), Line(1, "x", RadioResult::Verified)));
}

}  // namespace
