// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "codec/ImageCodec.h"
#include "model/DataFile.h"

namespace {

using ::testing::HasSubstr;

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

CKM42Doc SamplePlan() {
    CKM42Doc doc;
    doc.m_nBand = 4;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    ChannelRecord& ch = doc.Channel(3);
    ch.m_dRxFreq = 451.0125;
    ch.m_dTxFreq = 456.0125;
    ch.m_nStepCode = kStep6250;
    ch.m_nRxSquelch = kSquelchDcs;
    ch.m_nRxDcs = 17;
    ch.m_bRxDcsInvert = 1;
    ch.m_bScan = 1;
    return doc;
}

std::vector<unsigned char> TravellingBytes(const CKM42Doc& doc) {
    RadioImage image{};
    EncodeImage(doc, image);
    return {image.begin(), image.begin() + 2112};
}

class CliImage : public ::testing::Test {
protected:
    std::string SavedPlan(const CKM42Doc& doc, const std::string& name) {
        const std::string path = dir.File(name);
        EXPECT_TRUE(datafile::SaveDocument(doc, path).ok);
        return path;
    }
    TempDir dir;
};

TEST_F(CliImage, EncodeWritesTheBytesWriteToRadioWouldSend) {
    const std::string plan = SavedPlan(SamplePlan(), "p.kmd16");
    const ProgramResult r = Cli({"encode", plan, "-o", dir.File("p.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("p.img")), TravellingBytes(SamplePlan()));
}

TEST_F(CliImage, EncodeRefusesAPlanTheImageCannotHoldAndWritesNothing) {
    CKM42Doc doc = SamplePlan();
    doc.Channel(2).m_dRxFreq = 452.0025;  // on neither raster
    doc.Channel(2).m_nStepCode = kStep2500;
    const std::string plan = SavedPlan(doc, "bad.kmd16");
    const ProgramResult r = Cli({"encode", plan, "-o", dir.File("bad.img")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Channel 2"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("bad.img")));
}

TEST_F(CliImage, DecodeMakesThePlanReadFromRadioWouldAndNamesItByChannelCount) {
    WriteBytes(dir.File("p.img"), TravellingBytes(SamplePlan()));
    const ProgramResult r = Cli({"decode", dir.File("p.img"), "-o", dir.File("back")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    RadioImage image{};
    EncodeImage(SamplePlan(), image);
    CKM42Doc want;
    DecodeImage(image, want);
    const auto bytes = ReadBytes(dir.File("back.kmd16"));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              datafile::SerializeDocument(want));
    EXPECT_EQ(want.Channel(3).m_dRxFreq, 451.0125);
}

TEST_F(CliImage, DecodeIgnoresWhatFollowsTheTravellingBytes) {
    std::vector<unsigned char> bytes = TravellingBytes(SamplePlan());
    WriteBytes(dir.File("short.img"), bytes);
    bytes.resize(2739, 0xFF);
    WriteBytes(dir.File("long.img"), bytes);
    ASSERT_EQ(Cli({"decode", dir.File("short.img"), "-o", dir.File("a.kmd16")}).exitCode, 0);
    ASSERT_EQ(Cli({"decode", dir.File("long.img"), "-o", dir.File("b.kmd16")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("a.kmd16")), ReadBytes(dir.File("b.kmd16")));
}

TEST_F(CliImage, ImagesOfTheWrongSizeAreRefused) {
    for (std::size_t size : {std::size_t{0}, std::size_t{2111}, std::size_t{2740}}) {
        WriteBytes(dir.File("odd.img"), std::vector<unsigned char>(size, 0));
        ProgramResult r = Cli({"decode", dir.File("odd.img"), "-o", dir.File("odd.kmd04")});
        EXPECT_EQ(r.exitCode, 1) << size;
        EXPECT_THAT(r.err, HasSubstr("Not a radio image: " + std::to_string(size) + " bytes"));
        EXPECT_FALSE(std::filesystem::exists(dir.File("odd.kmd04")));
        r = Cli({"dump", dir.File("odd.img")});
        EXPECT_EQ(r.exitCode, 1) << size;
    }
    EXPECT_EQ(Cli({"dump", dir.File("missing.img")}).exitCode, 1);
}

TEST_F(CliImage, DumpShowsSixteenBytesALineWithHexLineNumbers) {
    std::vector<unsigned char> bytes = TravellingBytes(SamplePlan());
    bytes.resize(2739, 0xAB);
    WriteBytes(dir.File("p.img"), bytes);
    const ProgramResult r = Cli({"dump", dir.File("p.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u + 172u);  // header and ceil(2739 / 16) lines
    EXPECT_EQ(lines[0], "    0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F");
    EXPECT_EQ(lines[1], "00 1A 00 92 40 40 09 4A 03 00 00 00 00 00 00 00 00");
    EXPECT_EQ(lines[1 + 0x09].substr(0, 2), "09");  // offset 0x90: the format marker line
    EXPECT_EQ(lines[1 + 0x09].substr(3 + 3 * 0xA, 2), "77");
    EXPECT_EQ(lines.back(), "AB AB AB AB");
}

TEST_F(CliImage, ImageCommandsHaveHelpAndCheckTheirArguments) {
    for (const char* command : {"encode", "decode", "dump"}) {
        const ProgramResult r = Cli({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_THAT(r.out, HasSubstr(std::string("usage: prg715-cli ") + command));
    }
    EXPECT_EQ(Cli({"encode", "x.kmd16"}).exitCode, 2);
    EXPECT_EQ(Cli({"decode", "x.img"}).exitCode, 2);
    EXPECT_EQ(Cli({"dump"}).exitCode, 2);
}

}  // namespace
