// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli read / write against a virtual radio, and prg715-radio-sim as a program.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>

#include "../support/RunProgram.h"
#include "../support/SpawnProgram.h"
#include "../support/TempDir.h"
#include "codec/ImageCodec.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::uint8_t> Bytes(const LineImage& memory) {
    return {memory.begin(), memory.end()};
}

LineImage Encoded(const CKM42Doc& doc) {
    RadioImage image{};
    EncodeImage(doc, image);
    LineImage memory{};
    std::copy_n(image.begin(), memory.size(), memory.begin());
    return memory;
}

CKM42Doc PlanFile(const std::string& path) {
    CKM42Doc doc;
    EXPECT_TRUE(datafile::OpenDocument(doc, path).ok) << path;
    return doc;
}

// What the user sees of every channel: the grid's cell texts.
void ExpectSameChannels(const CKM42Doc& got, const CKM42Doc& expected) {
    ASSERT_EQ(got.ChannelCount(), expected.ChannelCount());
    for (int n = 1; n <= expected.ChannelCount(); ++n)
        EXPECT_EQ(ChannelRowTexts(got.Channel(n)), ChannelRowTexts(expected.Channel(n)))
            << "channel " << n;
}

class CliRadio : public ::testing::Test {
protected:
    // Backups of the reads and writes stay in the test's folder.
    CliRadio() { ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1); }

    void StartRadio(const LineImage& memory, RadioFaults faults = {}) {
        CVirtualRadio::Options options;
        options.paced = false;
        options.faults = faults;
        radio = std::make_unique<CVirtualRadio>(memory, options);
        std::string error;
        ASSERT_TRUE(radio->Start(error)) << error;
    }
    const std::string& Device() const { return radio->DevicePath(); }

    TempDir dir;
    std::unique_ptr<CVirtualRadio> radio;
};

// --- Good transfers --------------------------------------------------------------------------

TEST_F(CliRadio, ReadSavesThePlanTheRadioHolds) {
    const RadioModel& model = *FindRadioModel("KM161");
    StartRadio(DemoImage(model));
    const ProgramResult r = Cli({"read", "--port", Device(), "-o", dir.File("shop")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, msg::kReadComplete));
    EXPECT_TRUE(Contains(r.err, msg::kReading));
    const CKM42Doc got = PlanFile(dir.File("shop.kmd16"));
    EXPECT_EQ(got.m_nBand, model.band);
    ExpectSameChannels(got, DemoPlan(model));
}

TEST_F(CliRadio, ReadKeepsTheImageItReceivedWhenAsked) {
    const LineImage memory = DemoImage(*FindRadioModel("KM42"));
    StartRadio(memory);
    const ProgramResult r = Cli(
        {"read", "--port", Device(), "-o", dir.File("p.kmd04"), "--image", dir.File("radio.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("radio.img")), Bytes(memory));
    ExpectSameChannels(PlanFile(dir.File("p.kmd04")), DemoPlan(*FindRadioModel("KM42")));
}

// --- Failures --------------------------------------------------------------------------------

TEST_F(CliRadio, SilentRadioFailsAfterTheTimeOut) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(DemoImage(*FindRadioModel("KM41")), faults);
    const ProgramResult r =
        Cli({"read", "--port", Device(), "-o", dir.File("x"), "--timeout", "0.3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kCheckRadio)) << r.err;
    EXPECT_TRUE(Contains(r.err, "0.3 s")) << r.err;
}

// No plan either, nor a partial image under the image's name, where it would pass for the
// radio's memory (the rest zeros; decode would make a plan of it): what arrived, and only
// that, is kept as IMAGE.partial, and IMAGE stays as it was, absent or not.
TEST_F(CliRadio, BrokenBlockFailsWithRetryAndWritesNoPlan) {
    const LineImage memory = DemoImage(*FindRadioModel("KM41"));
    std::vector<unsigned char> arrived(memory.begin(), memory.begin() + 5 * 64);
    arrived.push_back(0x15);  // block 5's wrong end byte
    const std::string img = dir.File("x.img");
    std::vector<unsigned char> before;        // absent first, then a file of its own
    for (const bool stops : {true, false}) {  // in the middle of block 5, or at its end
        RadioFaults faults;
        (stops ? faults.stopInBlock : faults.badEndBlock) = 5;
        radio.reset();
        StartRadio(memory, faults);
        const ProgramResult r =
            Cli({"read", "--port", Device(), "-o", dir.File("x.kmd04"), "--image", img});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(Contains(r.err, msg::kRetry)) << r.err;
        EXPECT_TRUE(Contains(r.err, "block 5")) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.kmd04")));
        EXPECT_TRUE(Contains(r.err, img + ".partial")) << r.err;
        EXPECT_EQ(ReadBytes(img + ".partial"),
                  stops ? std::vector(arrived.begin(), arrived.begin() + 4 * 64 + 32) : arrived);
        EXPECT_EQ(ReadBytes(img), before);
        EXPECT_EQ(Cli({"decode", img + ".partial", "-o", dir.File("y")}).exitCode, 1);
        WriteBytes(img, before = {1, 2, 3});
    }
}

TEST_F(CliRadio, RefusedWriteFailsWithCheckRadio) {
    RadioFaults faults;
    faults.wrongAnswer = 0x36;  // the read's answer
    StartRadio(DemoImage(*FindRadioModel("KM41")), faults);
    ASSERT_EQ(Cli({"new", "--model", "KM41", "-o", dir.File("p.kmd04")}).exitCode, 0);
    const ProgramResult r = Cli({"write", "--port", Device(), dir.File("p.kmd04")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kCheckRadio)) << r.err;
    EXPECT_FALSE(Contains(r.out, msg::kWriteComplete));
    EXPECT_EQ(radio->Memory(), DemoImage(*FindRadioModel("KM41")));
}

TEST_F(CliRadio, PlanTheRadioCannotHoldIsRefusedBeforeTheLineIsOpened) {
    CKM42Doc plan = DemoPlan(*FindRadioModel("KM42"));
    plan.Channel(1).m_nRxCtcss = 99;  // no such tone
    plan.Channel(1).m_nRxSquelch = kSquelchCtcss;
    ASSERT_TRUE(datafile::SaveDocument(plan, dir.File("bad.kmd04")).ok);
    const ProgramResult r = Cli({"write", "--port", "/dev/prg715-no-port", dir.File("bad.kmd04")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "Channel 1")) << r.err;
    EXPECT_FALSE(Contains(r.err, "no such device")) << r.err;
}

TEST_F(CliRadio, PortThatCannotBeOpenedGivesItsReason) {
    ASSERT_EQ(Cli({"new", "--model", "KM41", "-o", dir.File("p.kmd04")}).exitCode, 0);
    ProgramResult r = Cli({"write", "--port", "/dev/prg715-no-port", dir.File("p.kmd04")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "/dev/prg715-no-port: no such device")) << r.err;

    StartRadio(DemoImage(*FindRadioModel("KM41")));
    CCommPort holder;
    ASSERT_EQ(holder.OpenPort(Device(), 2400, 0, 0, 0), 1);
    r = Cli({"read", "--port", Device(), "-o", dir.File("x")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "in use")) << r.err;
}

// A destination that cannot be written is found before the radio is asked (the silent radio
// would hold the read for its whole time-out); one that fails only afterwards does not cost
// the other file.
TEST_F(CliRadio, ReadChecksItsDestinationsFirstAndSavesWhatItCan) {
    RadioFaults silent;
    silent.silent = true;
    StartRadio(DemoImage(*FindRadioModel("KM41")), silent);
    const std::vector<std::vector<std::string>> unwritable = {
        {"-o", dir.File("no/such/folder/p")},
        {"-o", dir.File("p"), "--image", dir.File("no/such/folder/radio.img")},
        {"-o", dir.File("p"), "--image", dir.Path().string()},
    };
    for (const std::vector<std::string>& destinations : unwritable) {
        std::vector<std::string> args{"read", "--port", Device(), "--timeout", "20"};
        args.insert(args.end(), destinations.begin(), destinations.end());
        const auto started = std::chrono::steady_clock::now();
        const ProgramResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 1) << destinations.back();
        EXPECT_TRUE(Contains(r.err, msg::kCannotSaveFile)) << r.err;
        EXPECT_FALSE(Contains(r.err, msg::kCheckRadio)) << r.err;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    // The 520-byte plan fits under a 1000-byte file-size limit, the 2112-byte image does not.
    radio.reset();
    StartRadio(DemoImage(*FindRadioModel("KM41")));
    const ProgramResult r = RunProgram(
        PRG715_CLI, {"read", "--port", Device(), "-o", dir.File("p"), "--image", dir.File("r.img")},
        [] {
            struct rlimit limit {};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1000;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.out, msg::kReadComplete)) << r.out;
    EXPECT_TRUE(Contains(r.err, dir.File("r.img") + ": " + std::strerror(EFBIG))) << r.err;
    ExpectSameChannels(PlanFile(dir.File("p.kmd04")), DemoPlan(*FindRadioModel("KM41")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("r.img")));
}

// A transfer started under nohup is not ended by the hang-up it was meant to survive.
TEST_F(CliRadio, SignalIgnoredByTheStarterStaysIgnored) {
    StartRadio(DemoImage(*FindRadioModel("KM41")));
    ASSERT_EQ(Cli({"new", "--model", "KM41", "-o", dir.File("p.kmd04")}).exitCode, 0);
    SpawnedProgram write(PRG715_CLI, {"write", "--port", Device(), dir.File("p.kmd04")}, [] {
        ::signal(SIGHUP, SIG_IGN);
        ::signal(SIGTERM, SIG_DFL);
    });
    ASSERT_TRUE(write.WaitForError(std::string(msg::kWriting) + " 64", 20s)) << write.ErrorText();
    write.Signal(SIGHUP);
    EXPECT_EQ(write.WaitForExit(300ms), std::nullopt);
    EXPECT_EQ(write.Stop(SIGTERM), 143);
}

TEST_F(CliRadio, BadUsageIsRefusedBeforeTouchingAPort) {
    EXPECT_EQ(Cli({"read", "-o", dir.File("x")}).exitCode, 2);
    EXPECT_EQ(Cli({"read", "--port", "COM1"}).exitCode, 2);
    EXPECT_EQ(Cli({"read", "--port", "COM1", "-o", "x", "--timeout", "soon"}).exitCode, 2);
    EXPECT_EQ(Cli({"read", "--port", "COM1", "-o", "x", "--timeout", "0"}).exitCode, 2);
    EXPECT_EQ(Cli({"write", "--port", "COM1"}).exitCode, 2);
}

// --- prg715-radio-sim ------------------------------------------------------------------------

TEST(RadioSimProgram, ServesItsModelsPlanAndKeepsAWriteInItsImageFile) {
    TempDir dir;
    ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
    const std::string image = dir.File("radio.img");
    const std::string link = dir.File("ttyRADIO");
    SpawnedProgram sim(PRG715_RADIO_SIM,
                       {"--no-pacing", "--model", "KM41", "--image", image, "--link", link});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty());
    EXPECT_EQ(std::filesystem::read_symlink(link), device);
    EXPECT_EQ(ReadBytes(image), Bytes(DemoImage(*FindRadioModel("KM41"))));

    ProgramResult r = Cli({"read", "--port", link, "-o", dir.File("got")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ExpectSameChannels(PlanFile(dir.File("got.kmd04")), DemoPlan(*FindRadioModel("KM41")));

    // A write at the radio's own pace: the plan, the bytes the CLI kept and the radio's
    // image file agree, and reading back gives the plan again.
    const CKM42Doc plan = DemoPlan(*FindRadioModel("KM162"));
    ASSERT_TRUE(datafile::SaveDocument(plan, dir.File("plan.kmd16")).ok);
    r = Cli({"write", "--port", device, dir.File("plan.kmd16"), "--image", dir.File("sent.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, msg::kWriteComplete));
    EXPECT_TRUE(Contains(r.err, msg::kWriting));
    EXPECT_EQ(ReadBytes(dir.File("sent.img")), Bytes(Encoded(plan)));
    EXPECT_EQ(ReadBytes(image), Bytes(Encoded(plan)));
    ASSERT_EQ(Cli({"read", "--port", device, "-o", dir.File("back")}).exitCode, 0);
    ExpectSameChannels(PlanFile(dir.File("back.kmd16")), plan);

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(RadioSimProgram, FaultOptionReachesTheLine) {
    TempDir dir;
    SpawnedProgram sim(PRG715_RADIO_SIM, {"--no-pacing", "--wrong-answer", "41"});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty());
    const ProgramResult r = Cli({"read", "--port", device, "-o", dir.File("x")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kCheckRadio)) << r.err;
    EXPECT_TRUE(Contains(r.err, "0x41")) << r.err;
}

// A fleet job by hand: radio 1 (KM162) takes the plan and gives it back, radio 2 (KM41) is
// refused after its read, radio 3 (KM162) alone has the failing cell; then no radio answers.
TEST(RadioSimProgram, ServesItsRadiosInTurnWithTheFaultOnItsOwnRadio) {
    TempDir dir;
    ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
    SpawnedProgram sim(PRG715_RADIO_SIM, {"--no-pacing", "--radios", "3", "--models", ",KM41",
                                          "--fault-radio", "3", "--corrupt-stored", "100"});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty()) << sim.ErrorText();
    const std::string plan = dir.File("p.kmd16");
    ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", plan}).exitCode, 0);
    const auto write = [&] {
        return Cli({"write", "--check-radio", "--verify", "--port", device, plan});
    };
    ProgramResult r = write();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, msg::kVerified)) << r.out;

    r = write();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(sim.WaitForError(FormatText(msg::kSimRadioConnected, 2, 3, "KM41"), 5s))
        << sim.ErrorText();
    EXPECT_TRUE(Contains(r.err, "nothing was written")) << r.err;

    r = write();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kNotVerified)) << r.err;
    EXPECT_TRUE(sim.WaitForError(FormatText(msg::kSimAllRadiosServed, 3), 5s)) << sim.ErrorText();

    r = Cli({"read", "--port", device, "-o", dir.File("x"), "--timeout", "0.3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kCheckRadio)) << r.err;
}

// A fleet it cannot serve is a usage error, found before any radio starts.
TEST(RadioSimProgram, RefusesAFleetItCannotServe) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--radios", "1001"}, "--radios: bad value '1001'"},
        {{"--radios", "2", "--models", "KM41,,KM42"},
         FormatText(msg::kSimMoreModelsThanRadios, std::size_t{3}, 2)},
        {{"--radios", "2", "--models", ",KM5"}, "--models: unknown model 'KM5'"},
        {{"--radios", "2", "--fault-radio", "3"}, FormatText(msg::kSimFaultRadioBeyond, 3, 2)},
        {{"--radios", "2", "--image", "radio.img"}, FormatText(msg::kSimImageWithRadios, 2)},
    };
    for (const auto& [args, message] : cases) {
        const ProgramResult r = RunProgram(PRG715_RADIO_SIM, args);
        EXPECT_EQ(r.exitCode, 2) << message;
        EXPECT_EQ(r.out, "") << message;
        EXPECT_TRUE(Contains(r.err, "prg715-radio-sim: " + message)) << r.err;
    }
}

// --link replaces only what an earlier run left (a link to a pseudo-terminal) and removes only
// its own link at exit.
TEST(RadioSimProgram, LinkNeverReplacesOrRemovesAnythingButItsOwn) {
    TempDir dir;
    const std::string plan = dir.File("plan.kmd16");
    WriteBytes(plan, std::vector<unsigned char>(1768, 0x5A));
    SpawnedProgram refused(PRG715_RADIO_SIM, {"--no-pacing", "--link", plan});
    EXPECT_EQ(refused.WaitForExit(std::chrono::seconds(10)), 2);
    EXPECT_TRUE(refused.WaitForError(plan, 1s)) << refused.ErrorText();
    EXPECT_EQ(ReadBytes(plan), std::vector<unsigned char>(1768, 0x5A));

    const std::string link = dir.File("ttyRADIO");
    std::filesystem::create_symlink("/dev/pts/999999", link);  // left by a run that was killed
    SpawnedProgram sim(PRG715_RADIO_SIM, {"--no-pacing", "--link", link});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty()) << sim.ErrorText();
    EXPECT_EQ(std::filesystem::read_symlink(link), device);
    std::filesystem::remove(link);
    WriteBytes(link, {1, 2, 3});  // someone's file took the name meanwhile
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(ReadBytes(link), (std::vector<unsigned char>{1, 2, 3}));
}

// Only a regular file of the image's size is a radio's memory; a device is refused at once
// instead of being read without end (the CPU limit turns such a regression into a failure).
TEST(RadioSimProgram, ImageMustBeARegularFileOfTheImagesSize) {
    TempDir dir;
    const auto bounded = [] {
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = 10;
        ::setrlimit(RLIMIT_CPU, &limit);
    };
    for (const std::string& path : {std::string("/dev/zero"), dir.Path().string()}) {
        const ProgramResult r = RunProgram(PRG715_RADIO_SIM, {"--image", path}, bounded);
        EXPECT_EQ(r.exitCode, 1) << path;
        EXPECT_TRUE(Contains(r.err, path + ": cannot read (")) << r.err;
        EXPECT_TRUE(
            Contains(r.err, path == "/dev/zero" ? msg::kFileNotRegular : std::strerror(EISDIR)))
            << r.err;
    }
}

TEST(RadioSimProgram, RefusesAnImageFileOfTheWrongSize) {
    TempDir dir;
    WriteBytes(dir.File("short.img"), std::vector<unsigned char>(100, 0));
    const ProgramResult r = RunProgram(PRG715_RADIO_SIM, {"--image", dir.File("short.img")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "2112")) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("short.img")).size(), 100u);  // left as it was
}

}  // namespace
