// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFixture.h"
#include "model/Messages.h"
#include "ui/app/Commands.h"

namespace {

using enum CommandId;
using Bytes = std::vector<unsigned char>;

class PortChoice : public UiTest {
protected:
    void StartWithPortFile(const Bytes& bytes) {
        WriteBytes("port.port", bytes);
        Start();
    }
    bool Com1Checked() { return Action(ComPort1)->isChecked(); }
    bool Com2Checked() { return Action(ComPort2)->isChecked(); }
};

TEST_F(PortChoice, MissingFileShowsOneMessageAndChoosesCom1) {
    StartWithoutPortFile();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kPortFileUnreadable);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(prompts.messages[0].detail.isEmpty()) << "the reason is missing";
    EXPECT_TRUE(Com1Checked());
    EXPECT_FALSE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 1);
    EXPECT_EQ(View().m_bCom1, 1);
    EXPECT_FALSE(std::filesystem::exists("port.port")) << "only a choice writes the file";
}

TEST_F(PortChoice, UnreadableFileIsReportedOnceAndChoosesCom1) {
    std::filesystem::create_directory("port.port");
    StartWithoutPortFile();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kPortFileUnreadable);
    EXPECT_TRUE(Com1Checked());
}

TEST_F(PortChoice, ZeroChoosesCom2AndAnyOtherValueCom1) {
    StartWithPortFile({0, 0, 0, 0});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(Com1Checked());
    EXPECT_TRUE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 0);
    app.reset();

    WriteBytes("port.port", {0, 0, 1, 0});
    Start();
    EXPECT_TRUE(Com1Checked());
    EXPECT_FALSE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 0x10000);
}

TEST_F(PortChoice, OnlyTheFirstFourBytesCount) {
    StartWithPortFile({0, 0, 0, 0, 1, 1});
    EXPECT_TRUE(Com2Checked());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PortChoice, ShortFileReplacesOnlyTheLowOrderBytesOfCom1) {
    StartWithPortFile({0});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(Com2Checked()) << "the one byte present replaced COM1's low byte";
    app.reset();

    WriteBytes("port.port", {});
    Start();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(Com1Checked()) << "an empty file keeps the COM1 choice";
}

TEST_F(PortChoice, ChoosingAPortRewritesTheFileAndSaysSo) {
    StartWithPortFile({1, 0, 0, 0, 9, 9, 9});
    Action(ComPort2)->trigger();
    EXPECT_EQ(ReadBytes("port.port"), (Bytes{0, 0, 0, 0}));
    EXPECT_TRUE(Com2Checked());
    EXPECT_FALSE(Com1Checked());
    EXPECT_EQ(Doc().m_nComPort, 0);
    EXPECT_EQ(View().m_bCom1, 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "COM Port 2 was selected");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);

    Action(ComPort1)->trigger();
    EXPECT_EQ(ReadBytes("port.port"), (Bytes{1, 0, 0, 0}));
    EXPECT_TRUE(Com1Checked());
    EXPECT_FALSE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 1);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text.toStdString(), "COM Port 1 was selected");
}

TEST_F(PortChoice, ChoosingTheCheckedPortAgainStillWritesAndSays) {
    StartWithPortFile({7, 0, 0, 0});
    Action(ComPort1)->trigger();
    EXPECT_TRUE(Com1Checked()) << "a click on the checked item must not clear its mark";
    EXPECT_EQ(ReadBytes("port.port"), (Bytes{1, 0, 0, 0}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "COM Port 1 was selected");
}

TEST_F(PortChoice, ChoiceSurvivesARestart) {
    StartWithoutPortFile();
    Action(ComPort2)->trigger();
    app.reset();
    prompts.messages.clear();
    Start();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 0);
}

TEST_F(PortChoice, AFileThatCannotBeWrittenIsSilentAndTheChoiceHolds) {
    Start();
    std::filesystem::remove("port.port");
    std::filesystem::create_directory("port.port");
    Action(ComPort2)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "COM Port 2 was selected");
    EXPECT_TRUE(Com2Checked());
    EXPECT_EQ(Doc().m_nComPort, 0);
}

}  // namespace
