// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

#include "../support/RunProgram.h"
#include "RadioFixture.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/app/RunOptions.h"

namespace {

using enum CommandId;

QStringList Args(std::initializer_list<const char*> words) {
    QStringList list{QStringLiteral("prg715")};
    for (const char* w : words) list << QString::fromUtf8(w);
    return list;
}

TEST(VirtualRadioArgument, StandsAloneOrTakesTheNextWordAsItsImage) {
    LinkRunOptions alone;
    EXPECT_EQ(TakeVirtualRadioArgument(Args({"--virtual-radio"}), alone), Args({}));
    EXPECT_TRUE(alone.virtualRadio);
    EXPECT_TRUE(alone.virtualRadioImage.isEmpty());

    LinkRunOptions image;
    EXPECT_EQ(TakeVirtualRadioArgument(Args({"plan.kmd16", "--virtual-radio", "radio.img"}), image),
              Args({"plan.kmd16"}));
    EXPECT_EQ(image.virtualRadioImage.toStdString(), "radio.img");

    LinkRunOptions joined;
    EXPECT_EQ(TakeVirtualRadioArgument(Args({"--virtual-radio=radio.img", "-x"}), joined),
              Args({"-x"}));
    EXPECT_EQ(joined.virtualRadioImage.toStdString(), "radio.img");
}

TEST(VirtualRadioArgument, AnOptionAfterItIsNotItsImage) {
    LinkRunOptions options;
    EXPECT_EQ(
        TakeVirtualRadioArgument(Args({"--virtual-radio", "--com2", "/dev/ttyUSB0"}), options),
        Args({"--com2", "/dev/ttyUSB0"}));
    EXPECT_TRUE(options.virtualRadio);
    EXPECT_TRUE(options.virtualRadioImage.isEmpty());
}

TEST(VirtualRadioArgument, WordsAfterTheEndOfOptionsAreFileNames) {
    LinkRunOptions options;
    EXPECT_EQ(TakeVirtualRadioArgument(Args({"--", "--virtual-radio"}), options),
              Args({"--", "--virtual-radio"}));
    EXPECT_FALSE(options.virtualRadio);
}

struct ParsedLink {
    std::optional<std::string> error;
    LinkRunOptions options;
};
ParsedLink Parse(std::initializer_list<const char*> words) {
    QCommandLineParser parser;
    const LinkOptionSet set = AddLinkOptions(parser);
    ParsedLink parsed;
    EXPECT_TRUE(parser.parse(TakeVirtualRadioArgument(Args(words), parsed.options)))
        << parser.errorText().toStdString();
    parsed.error = ReadLinkOptions(parser, set, parsed.options);
    return parsed;
}

TEST(LinkOptions, DevicesAreTakenAsFullPaths) {
    const ParsedLink parsed = Parse({"--com1", "/dev/ttyUSB0", "--com2", "cable"});
    ASSERT_FALSE(parsed.error) << *parsed.error;
    EXPECT_EQ(parsed.options.com1->toStdString(), "/dev/ttyUSB0");
    EXPECT_EQ(*parsed.options.com2, QDir::current().absoluteFilePath(QStringLiteral("cable")));
    EXPECT_FALSE(parsed.options.virtualRadio);
}

TEST(LinkOptions, EmptyDeviceAndVirtualRadioWithCom1AreUsageErrors) {
    EXPECT_EQ(Parse({"--com2", ""}).error, FormatText(msg::kCommandLineDevicePath, "com2"));
    EXPECT_EQ(Parse({"--virtual-radio", "--com1", "/dev/ttyUSB0"}).error,
              std::string(msg::kVirtualRadioTakesCom1));
    EXPECT_FALSE(Parse({"--virtual-radio", "--com2", "/dev/ttyUSB0"}).error);
}

class VirtualRadioRun : public RadioDialogTest {
protected:
    std::unique_ptr<radiolink::CVirtualRadio> StartWith(const QString& image, std::string& error) {
        return StartVirtualRadio(image, false, error);
    }
};

TEST_F(VirtualRadioRun, HoldsTheDemoPlanOrTheImageGiven) {
    std::string error;
    auto demo = StartWith({}, error);
    ASSERT_TRUE(demo) << error;
    EXPECT_EQ(demo->Memory(), DemoMemory("KM162"));

    radiolink::LineImage memory = DemoMemory("KM41");
    memory[100] = 0x5A;
    WriteBytes(File("radio.img"), std::vector<unsigned char>(memory.begin(), memory.end()));
    auto fromFile = StartWith(QPath("radio.img"), error);
    ASSERT_TRUE(fromFile) << error;
    EXPECT_EQ(fromFile->Memory(), memory);
}

TEST_F(VirtualRadioRun, ImageOfTheWrongSizeOrMissingIsRefusedWithTheReason) {
    std::string error;
    WriteBytes(File("short.img"), std::vector<unsigned char>(100, 1));
    EXPECT_FALSE(StartWith(QPath("short.img"), error));
    EXPECT_EQ(error, File("short.img") + ": " +
                         FormatText(msg::kImageTooShort, std::size_t{100}, std::size_t{2112}));

    WriteBytes(File("long.img"), std::vector<unsigned char>(2113, 1));
    EXPECT_FALSE(StartWith(QPath("long.img"), error));
    EXPECT_NE(error.find("at most 2112"), std::string::npos) << error;

    EXPECT_FALSE(StartWith(QPath("missing.img"), error));
    EXPECT_NE(error.find("missing.img: cannot read"), std::string::npos) << error;
}

TEST_F(VirtualRadioRun, TakesCom1SaysSoInTheStatusBarAndAnswersARead) {
    std::string error;
    radio = StartWith({}, error);
    ASSERT_TRUE(radio) << error;
    Start();
    LinkRunOptions options;
    options.virtualRadio = true;
    options.com2 = QStringLiteral("/dev/ttyUSB3");
    ApplyLinkOptions(Frame(), options, radio.get());

    auto* note = Frame().statusBar()->findChild<QLabel*>(QStringLiteral("linkNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text().toStdString(),
              FormatText(msg::kVirtualRadioOn, radio->DevicePath().c_str()));
    EXPECT_EQ(View().m_CommPort.PortMap().DeviceFor(CPortMap::kCom2), "/dev/ttyUSB3");

    ReadDlg().m_Timing = FastTiming();
    ScriptRunToEnd();
    Action(ReadRadio)->trigger();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));
    EXPECT_EQ(Doc().m_b16Channel, 1) << "the demo radio is a KM162";

    // The read's outcome stays in its own field while the mouse moves over the toolbar...
    auto* outcome = Frame().statusBar()->findChild<QLabel*>(QStringLiteral("exchangeNote"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Frame().ToolBar()->widgetForAction(Action(FileOpen)), &enter);
    EXPECT_EQ(Frame().statusBar()->currentMessage().toStdString(), "Open an existing document");
    EXPECT_EQ(outcome->text().toStdString().rfind("Backup kept: ", 0), 0u);
    // ... and the virtual radio is named only while COM1 leads to it.
    prompts.ScriptDialog([](QDialog& dialog) {
        QLineEdit* com1 = dialog.findChild<QComboBox*>(QStringLiteral("com1Box"))->lineEdit();
        com1->selectAll();
        QTest::keyClicks(com1, QStringLiteral("/dev/ttyUSB7"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Action(SerialDevices)->trigger();
    EXPECT_FALSE(note->isVisible());
}

TEST(ProgramCommandLine, RefusesBadLinkOptionsBeforeShowingAWindow) {
    const ProgramResult both =
        RunProgram(PRG715_APP, {"--virtual-radio", "--com1", "/dev/ttyUSB0", "--startup-report"});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_NE(both.err.find(msg::kVirtualRadioTakesCom1), std::string::npos) << both.err;
    EXPECT_EQ(both.out.find("shown_realtime_ns"), std::string::npos);

    const ProgramResult badImage =
        RunProgram(PRG715_APP, {"--virtual-radio", "/nonexistent/radio.img", "--startup-report"});
    EXPECT_EQ(badImage.exitCode, 1);
    EXPECT_NE(badImage.err.find("/nonexistent/radio.img: cannot read"), std::string::npos)
        << badImage.err;
}

// Without any display --help and --version still answer; the desktop itself would need one.
TEST(ProgramCommandLine, HelpAndVersionNeedNoDisplay) {
    for (const auto& [option, start] :
         {std::pair{"--help", std::string("Usage: ") + PRG715_APP + " [options] file\n"},
          std::pair{"-v", std::string("prg715 ")}}) {
        const ProgramResult r =
            RunProgram("/usr/bin/env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                        "QT_QPA_PLATFORM", PRG715_APP, option});
        EXPECT_EQ(r.exitCode, 0) << option << ": " << r.err;
        EXPECT_EQ(r.out.rfind(start, 0), 0u) << r.out;
    }
}

}  // namespace
