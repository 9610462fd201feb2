// SPDX-License-Identifier: GPL-3.0-or-later
// Files and limits only POSIX systems have: a FIFO where a file is expected, a file-size
// limit that cuts a save short.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "../support/RandomPlan.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PortFile.h"

namespace {

TEST(PortFileLoad, AFifoDoesNotHangTheStart) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("port.port").c_str(), 0600), 0);
    std::int32_t port = 1;
    EXPECT_FALSE(portfile::LoadPortChoice(dir.File("port.port"), port).ok);
    EXPECT_EQ(port, 1);
}

// A write that fails part-way (here: the file size limit, as a full disk would) must report
// the failure and leave the previous file whole.
TEST(DataFileUnderALimit, SaveThatFailsPartWayKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.File("plan.kmd16");
    ASSERT_TRUE(datafile::SaveDocument(NewPlan(kBandVhf2, false), path).ok);
    const std::vector<unsigned char> before = ReadBytes(path);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 600;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const Outcome outcome = datafile::SaveDocument(NewPlan(kBandVhf2, true), path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.text, msg::kCannotSaveFile);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
