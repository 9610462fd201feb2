#include <QTimer>

#include "RadioFixture.h"
#include "model/Messages.h"

namespace {

using enum CommandId;
using radiolink::LineImage;
using radiolink::RadioFaults;

class WriteToRadio : public RadioDialogTest {
protected:
    // A KM161 plan with every kind of signalling laid out in the grid, ready to be written.
    void LayOutSamplePlan() {
        const std::int32_t port = Doc().m_nComPort;
        Doc() = radiolink::DemoPlan(*FindRadioModel("KM161"));
        Doc().m_nComPort = port;
        ASSERT_FALSE(CheckEncodable(Doc()).has_value()) << *CheckEncodable(Doc());
        View().ShowPlan(CKM42View::GridFill::SetUpAndFill);
        ASSERT_TRUE(Action(WriteRadio)->isEnabled());
    }
    void Write() { Action(WriteRadio)->trigger(); }

    RadioImage Encoded() {
        RadioImage image{};
        EncodeImage(Doc(), image);
        return image;
    }
    static bool Holds(const LineImage& memory, const RadioImage& image) {
        return std::equal(memory.begin(), memory.end(), image.begin());
    }
};

TEST_F(WriteToRadio, GoodWriteLeavesTheRadioHoldingTheEncodedPlan) {
    const LineImage before = DemoMemory("KM41");
    StartRadio(before);
    StartOnRadio();
    LayOutSamplePlan();
    const auto document = DocumentBytes();
    const RadioImage encoded = Encoded();
    ScriptRunToEnd();
    Write();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kWriteComplete}));
    EXPECT_TRUE(prompts.messages[0].detail.isEmpty());
    EXPECT_EQ(radio->WritesStored(), 1);
    EXPECT_TRUE(Holds(radio->Memory(), encoded));
    EXPECT_FALSE(Holds(before, encoded)) << "the test must change the radio's memory";
    EXPECT_EQ(DocumentBytes(), document) << "a write never changes the document";
    EXPECT_EQ(statusAtEnd.toStdString(), msg::kWriting);
    ExpectLineReleased();
}

TEST_F(WriteToRadio, ImageCopyHoldsTheEncodedImageAndProgressFollowsTheBlocks) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    View().m_ImageCopy.fill(0xEE);
    const RadioImage encoded = Encoded();
    ScriptRunToEnd();
    Write();

    EXPECT_TRUE(std::equal(encoded.begin(), encoded.end(), View().m_ImageCopy.begin()));
    EXPECT_EQ(View().m_ImageCopy[2739], 0xEE) << "only the first 2739 bytes are the image's";
    std::vector<int> expected = AllBlockPositions();
    expected.push_back(2740);
    EXPECT_EQ(progress, expected);
}

TEST_F(WriteToRadio, RadioGivingTheReadAnswerIsRefusedAndKeepsItsMemory) {
    const LineImage before = DemoMemory("KM41");
    RadioFaults faults;
    faults.wrongAnswer = 0x36;
    StartRadio(before, faults);
    StartOnRadio();
    LayOutSamplePlan();
    const auto document = DocumentBytes();
    ScriptRunToEnd();
    Write();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kCheckRadio}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("0x36")));
    EXPECT_EQ(radio->Memory(), before);
    EXPECT_EQ(DocumentBytes(), document);
    EXPECT_TRUE(progress.empty());
    ExpectLineReleased();
}

TEST_F(WriteToRadio, UnconfirmedWriteEndsWithRetry) {
    RadioFaults faults;
    faults.writeEnd = RadioFaults::WriteEnd::Never;
    StartRadio(DemoMemory("KM41"), faults);
    StartOnRadio();
    LayOutSamplePlan();
    const auto document = DocumentBytes();
    ScriptRunToEnd();
    Write();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kRetry}));
    EXPECT_EQ(DocumentBytes(), document);
    EXPECT_EQ(progress, AllBlockPositions()) << "the bar fills only on success";
    ExpectLineReleased();
}

TEST_F(WriteToRadio, EscapeWhileTheRadioIsSilentEndsQuietly) {
    RadioFaults faults;
    faults.silent = true;
    const LineImage before = DemoMemory("KM41");
    StartRadio(before, faults);
    StartOnRadio();
    LayOutSamplePlan();
    ScriptCancelWhileWaiting(false);
    Write();

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(statusAtEnd.isEmpty());
    EXPECT_EQ(radio->Memory(), before);
    ExpectLineReleased();
}

TEST_F(WriteToRadio, StatusIsKeptBetweenWritesButNotSharedWithReads) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    ScriptRunToEnd();
    Write();
    EXPECT_TRUE(statusAtOpen.isEmpty());
    EXPECT_EQ(statusAtEnd.toStdString(), msg::kWriting);

    ScriptRunToEnd();
    Write();
    EXPECT_EQ(statusAtOpen.toStdString(), msg::kWriting);

    ScriptRunToEnd();
    Action(ReadRadio)->trigger();
    EXPECT_TRUE(statusAtOpen.isEmpty()) << "the read dialog has its own status";
}

TEST_F(WriteToRadio, PlanTheRadioCannotHoldIsRefusedBeforeThePortOpens) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    Doc().m_Channel[0].m_dRxFreq = 2000.0;  // far beyond the synthesizer
    const std::optional<std::string> refusal = CheckEncodable(Doc());
    ASSERT_TRUE(refusal.has_value());
    MapCom1(File("no-such-tty"));  // opening would add "Fail to open PORT1"
    View().m_ImageCopy.fill(0xEE);
    Write();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{*refusal}));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(prompts.dialogsRun.empty());
    EXPECT_EQ(View().m_ImageCopy[0], 0xEE) << "nothing was encoded";
}

TEST_F(WriteToRadio, MissingDeviceShowsFailToOpenAndNoDialog) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    MapCom1(File("no-such-tty"));
    Write();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kFailOpenPort1}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("no such device")));
    EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(WriteToRadio, WindowKeepsProcessingEventsWhileTheBlocksGoOut) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    // About two seconds of sending: long enough for the timer below to land inside it.
    WriteDlg().m_Timing.byteGap = std::chrono::milliseconds(1);
    int ticksMidTransfer = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const int value = Progress(WriteDlg()).value();
        if (WriteDlg().isVisible() && value > 0 && value < 2112) ++ticksMidTransfer;
    });
    ticker.start();
    ScriptRunToEnd();
    Write();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kWriteComplete}));
    EXPECT_GE(ticksMidTransfer, 3) << "the user-interface thread was held during the transfer";
    EXPECT_GE(progress.size(), 33u);
}

}  // namespace
