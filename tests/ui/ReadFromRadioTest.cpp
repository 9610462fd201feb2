// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioFixture.h"
#include "link/TraceText.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/Traces.h"
#include "ui/common/MSFlexGrid.h"

namespace {

using enum CommandId;
using radiolink::LineImage;
using radiolink::RadioFaults;

class ReadFromRadio : public RadioDialogTest {
protected:
    void Read() { Action(ReadRadio)->trigger(); }

    // What a good read of `memory` turns the document into.
    std::vector<unsigned char> DecodedBytes(const LineImage& memory) {
        CKM42Doc expected = Doc();
        RadioImage image{};
        std::copy(memory.begin(), memory.end(), image.begin());
        DecodeImage(image, expected);
        return datafile::SerializeDocument(expected);
    }

    bool ImageCopyStartsWith(const LineImage& memory, std::size_t count) {
        return std::equal(memory.begin(), memory.begin() + static_cast<long>(count),
                          View().m_ImageCopy.begin());
    }
    bool ImageCopyZeroFrom(std::size_t first) {
        return std::all_of(View().m_ImageCopy.begin() + static_cast<long>(first),
                           View().m_ImageCopy.end(), [](std::uint8_t b) { return b == 0; });
    }
};

TEST_F(ReadFromRadio, GoodReadDecodesTheRadioIntoTheDocumentAndFillsThe16ChannelGrid) {
    const LineImage memory = DemoMemory("KM162");
    StartRadio(memory);
    StartOnRadio();
    const auto expected = DecodedBytes(memory);
    ScriptRunToEnd();
    Read();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));
    EXPECT_TRUE(prompts.messages[0].detail.isEmpty());
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(DocumentBytes(), expected);
    EXPECT_EQ(Doc().m_b16Channel, 1);
    EXPECT_TRUE(View().m_Grid16->isVisibleTo(&View()));
    EXPECT_FALSE(View().m_Grid4->isVisibleTo(&View()));
    EXPECT_EQ(Cell(*View().m_Grid16, 1, 1), FrequencyText(Doc().m_Channel[0].m_dRxFreq));
    EXPECT_FALSE(Cell(*View().m_Grid16, 1, 1).empty());
    EXPECT_EQ(View().m_bDataReady, 1);
    EXPECT_TRUE(Action(WriteRadio)->isEnabled()) << "a read lays out a plan";
    EXPECT_EQ(View().m_nOpenFilter, 1) << "Read leaves the first Open offering every file";
    ExpectLineReleased();
}

TEST_F(ReadFromRadio, ImageCopyHoldsEveryReceivedByteAndTheLastBlockEndByte) {
    const LineImage memory = DemoMemory("KM162");
    StartRadio(memory);
    StartOnRadio();
    View().m_ImageCopy.fill(0xEE);  // whatever an earlier write left there
    ScriptRunToEnd();
    Read();

    EXPECT_TRUE(ImageCopyStartsWith(memory, memory.size()));
    EXPECT_EQ(View().m_ImageCopy[2112], 0x06);
    EXPECT_TRUE(std::all_of(View().m_ImageCopy.begin() + 2113, View().m_ImageCopy.begin() + 2739,
                            [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(View().m_ImageCopy[2739], 0xEE) << "only the first 2739 bytes are the image's";
    EXPECT_EQ(ReadDlg().m_ReadImage[2112], 0x06);
}

TEST_F(ReadFromRadio, ProgressFillsWithTheBytesTransferred) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    ScriptRunToEnd();
    Read();
    EXPECT_EQ(progress, AllBlockPositions());
    EXPECT_EQ(Progress(ReadDlg()).maximum(), 2112) << "the last block fills the bar";
}

TEST_F(ReadFromRadio, FourChannelRadioShowsTheFourChannelGrid) {
    const LineImage memory = DemoMemory("KM41");
    StartRadio(memory);
    StartOnRadio();
    NewPlan(kBandUhf2, true);  // a 16-channel plan on screen before
    const auto expected = DecodedBytes(memory);
    ScriptRunToEnd();
    Read();

    EXPECT_EQ(DocumentBytes(), expected);
    EXPECT_EQ(Doc().m_b16Channel, 0);
    EXPECT_TRUE(View().m_Grid4->isVisibleTo(&View()));
    EXPECT_FALSE(View().m_Grid16->isVisibleTo(&View()));
    EXPECT_EQ(Cell(*View().m_Grid4, 1, 1), FrequencyText(Doc().m_Channel[0].m_dRxFreq));
}

TEST_F(ReadFromRadio, WrongAnswerEndsWithCheckRadioAndLeavesDocumentAndGrid) {
    RadioFaults faults;
    faults.wrongAnswer = 0x41;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    NewPlan(kBandVhf2, false);
    View().m_ImageCopy.fill(0xEE);
    const auto before = DocumentBytes();
    ScriptRunToEnd();
    Read();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kCheckRadio}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("0x41")))
        << prompts.messages[0].detail.toStdString();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_TRUE(View().m_Grid4->isVisibleTo(&View()));
    EXPECT_TRUE(std::all_of(View().m_ImageCopy.begin(), View().m_ImageCopy.begin() + 2739,
                            [](std::uint8_t b) { return b == 0; }))
        << "the read clears the image copy as it opens";
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(statusAtEnd.toStdString(), msg::kReading) << "the radio did answer";
    ExpectLineReleased();
}

TEST_F(ReadFromRadio, BadBlockEndEndsWithRetryAfterStoringThatBlock) {
    const LineImage memory = DemoMemory("KM162");
    RadioFaults faults;
    faults.badEndBlock = 3;
    StartRadio(memory, faults);
    StartOnRadio();
    const auto before = DocumentBytes();
    ScriptRunToEnd();
    Read();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kRetry}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("block 3")))
        << prompts.messages[0].detail.toStdString();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(View().m_bDataReady, 0) << "no plan was laid out";
    EXPECT_TRUE(ImageCopyStartsWith(memory, 3 * 64));
    EXPECT_EQ(View().m_ImageCopy[3 * 64], 0x15) << "the wrong end byte is kept too";
    EXPECT_TRUE(ImageCopyZeroFrom(3 * 64 + 1));
    EXPECT_EQ(progress, (std::vector<int>{64, 128}));
    ExpectLineReleased();
}

TEST_F(ReadFromRadio, RadioThatStopsMidBlockEndsWithRetryAndLeavesTheDocument) {
    RadioFaults faults;
    faults.stopInBlock = 5;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    ReadDlg().m_Timing.readStallLimit = std::chrono::milliseconds(300);
    const auto before = DocumentBytes();
    ScriptRunToEnd();
    Read();

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kRetry}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("block 5")))
        << prompts.messages[0].detail.toStdString();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(progress, (std::vector<int>{64, 128, 192, 256}));
    ExpectLineReleased();
    // The dealer has the trace to send: the read to where block 5 stopped.
    const std::vector<std::string> kept = trace::KeptTraces();
    ASSERT_EQ(kept.size(), 1u);
    const radiolink::ParsedTraces trace = radiolink::ReadTraceFile(kept[0]);
    ASSERT_EQ(trace.traces.size(), 1u) << trace.error;
    EXPECT_EQ(trace.traces[0].outcome, radiolink::ExchangeOutcome::Stalled);
    EXPECT_EQ(radiolink::StepText(trace.traces[0].events.back().step), "block 5");
}

TEST_F(ReadFromRadio, EscapeWhileTheRadioIsSilentEndsQuietly) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    const auto before = DocumentBytes();
    ScriptCancelWhileWaiting(false);
    Read();

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(statusAtEnd.toStdString(), msg::kWaitingForRadio);
    ExpectLineReleased();
}

// A radio that stays silent: after a while the dialog says what to check and waits on.
TEST_F(ReadFromRadio, ASilentRadioGetsAHintAndTheWaitGoesOn) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    ReadDlg().m_HintDelay = std::chrono::milliseconds(50);
    prompts.ScriptDialog([](QDialog& dialog) {
        const auto* hint = dialog.findChild<QLabel*>(QStringLiteral("noteText"));
        ASSERT_TRUE(QTest::qWaitFor([hint] { return hint->isVisible(); }, kBoundMs));
        EXPECT_EQ(hint->text().toStdString(), FormatText(msg::kNoAnswerYet, "COM1"));
        EXPECT_GE(hint->height(), hint->heightForWidth(hint->width())) << "every line shows";
        EXPECT_LE(hint->geometry().bottom(), dialog.height());
        EXPECT_EQ(StatusText(dialog).toStdString(), msg::kWaitingForRadio);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, kBoundMs));
    });
    Read();
    EXPECT_TRUE(prompts.messages.empty());
    ExpectLineReleased();
}

TEST_F(ReadFromRadio, CloseBoxWhileTheRadioIsSilentEndsQuietly) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    ScriptCancelWhileWaiting(true);
    Read();
    EXPECT_TRUE(prompts.messages.empty());
    ExpectLineReleased();
}

TEST_F(ReadFromRadio, ClosingBeforeTheExchangeStartsClosesThePort) {
    const LineImage memory = DemoMemory("KM162");
    StartRadio(memory);
    StartOnRadio();
    prompts.ScriptDialog([](QDialog& dialog) {
        EXPECT_FALSE(static_cast<CRadioExchangeDlg&>(dialog).IsExchangeRunning());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    Read();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(View().m_CommPort.IsOpen());
    EXPECT_FALSE(ReadDlg().IsExchangeRunning()) << "no exchange starts after the dialog went";

    // Nothing was sent: the next read finds a radio that has not been disturbed.
    ScriptRunToEnd();
    Read();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));
    EXPECT_EQ(radio->ReadsServed(), 1);
}

TEST_F(ReadFromRadio, StatusSaysItWaitsForTheRadioUntilItAnswersAtEachRead) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(DemoMemory("KM162"), faults);
    StartOnRadio();
    ScriptCancelWhileWaiting(false);
    Read();
    EXPECT_EQ(statusAtOpen.toStdString(), msg::kWaitingForRadio);
    radio->Stop();

    StartRadio(DemoMemory("KM162"));
    MapCom1(radio->DevicePath());
    for (int read = 0; read < 2; ++read) {
        ScriptRunToEnd();
        Read();
        EXPECT_EQ(statusAtOpen.toStdString(), msg::kWaitingForRadio) << read;
        EXPECT_EQ(statusAtEnd.toStdString(), msg::kReading) << read;
    }
    // The texts fit their lines.
    for (const char* name : {"statusText", "noteText"}) {
        const QLabel* label = ReadDlg().findChild<QLabel*>(QString::fromUtf8(name));
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(
            label->rect(), Qt::AlignCenter | Qt::TextWordWrap,
            QString::fromUtf8(name[0] == 's' ? msg::kWaitingForRadio : msg::kTransferRunsToItsEnd));
        EXPECT_LE(needed.width(), label->width()) << name;
        EXPECT_LE(needed.height(), label->height()) << name;
    }
}

TEST_F(ReadFromRadio, MissingDeviceShowsFailToOpenWithTheReasonAndNoDialog) {
    StartRadio(DemoMemory("KM162"));
    StartOnRadio();
    MapCom1(File("no-such-tty"));
    Read();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kFailOpenPort1}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("no such device")))
        << prompts.messages[0].detail.toStdString();
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(prompts.dialogsRun.empty());
    EXPECT_FALSE(View().m_CommPort.IsOpen());
}

TEST_F(ReadFromRadio, Com2ChoiceOpensCom2AndNamesIt) {
    StartRadio(DemoMemory("KM162"));
    StartOnRadio();
    CPortMap map = View().m_CommPort.PortMap();
    map.SetDevice(CPortMap::kCom2, File("no-com2"));
    View().m_CommPort.SetPortMap(map);
    Action(ComPort2)->trigger();
    prompts.messages.clear();
    Read();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kFailOpenPort2);
    EXPECT_FALSE(prompts.messages[0].detail.isEmpty());
}

TEST_F(ReadFromRadio, DeviceInUseIsReportedAsBusy) {
    StartRadio(DemoMemory("KM162"));
    StartOnRadio();
    CCommPort other;
    ASSERT_EQ(other.OpenPort(radio->DevicePath(), 2400, 0, 0, 0), 1);
    Read();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kFailOpenPort1}));
    EXPECT_TRUE(prompts.messages[0].detail.contains(QStringLiteral("in use")))
        << prompts.messages[0].detail.toStdString();
    EXPECT_TRUE(prompts.dialogsRun.empty());
}

}  // namespace

namespace {

// The memory map shows what the radio sent: every byte of the read, the last block's end
// byte after it, zeros to the end.
TEST_F(ReadFromRadio, MemoryMapShowsTheBytesJustRead) {
    const LineImage memory = DemoMemory("KM161");
    StartRadio(memory);
    StartOnRadio();
    ScriptRunToEnd();
    Read();
    ASSERT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));

    prompts.ScriptDialog([&](QDialog& dialog) {
        auto* grid = dialog.findChild<CMSFlexGrid*>(QStringLiteral("memoryGrid"));
        ASSERT_NE(grid, nullptr);
        for (std::size_t k = 0; k < memory.size(); ++k) {
            const int row = static_cast<int>(k / 16) + 1;
            const int col = static_cast<int>(k % 16) + 1;
            ASSERT_EQ(Cell(*grid, row, col), FormatText("%02X", memory[k])) << "byte " << k;
        }
        EXPECT_EQ(Cell(*grid, 2112 / 16 + 1, 1), "06");
        EXPECT_EQ(Cell(*grid, 173, 8), "00");
        EXPECT_EQ(Cell(*grid, 173, 9), "");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    View().OnMemoryMap();
}

}  // namespace
