// SPDX-License-Identifier: GPL-3.0-or-later
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
    EXPECT_EQ(progress, AllBlockPositions());
    EXPECT_EQ(Progress(WriteDlg()).maximum(), 2112) << "the last block fills the bar";
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
    EXPECT_EQ(statusAtEnd.toStdString(), msg::kWaitingForRadio);
    EXPECT_EQ(radio->Memory(), before);
    ExpectLineReleased();
}

TEST_F(WriteToRadio, EscapeDuringTheTransferSaysItCannotBeInterruptedAndTheWriteGoesOn) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    LayOutSamplePlan();
    WriteDlg().m_Timing.blockEndPause = std::chrono::milliseconds(30);  // about a second
    bool noteShown = false;
    prompts.ScriptDialog([this, &noteShown](QDialog& dialog) {
        statusAtOpen = StatusText(dialog);
        const QLabel* note = dialog.findChild<QLabel*>(QStringLiteral("noteText"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return StatusText(dialog) == msg::kWriting; }, kBoundMs));
        EXPECT_FALSE(note->isVisible());
        const int heightBefore = dialog.height();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        noteShown = note->isVisible() && note->text() == msg::kTransferRunsToItsEnd &&
                    dialog.height() > heightBefore && dialog.isVisible();
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, kBoundMs));
    });
    Write();
    EXPECT_EQ(statusAtOpen.toStdString(), msg::kWaitingForRadio);
    EXPECT_TRUE(noteShown);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kWriteComplete}));
    EXPECT_TRUE(Holds(radio->Memory(), Encoded()));

    ScriptRunToEnd();
    Write();
    EXPECT_EQ(statusAtOpen.toStdString(), msg::kWaitingForRadio) << "each write waits anew";
    EXPECT_FALSE(WriteDlg().findChild<QLabel*>(QStringLiteral("noteText"))->isVisible());
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
