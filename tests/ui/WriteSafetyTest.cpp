// SPDX-License-Identifier: GPL-3.0-or-later
// Around the exchanges with a radio: backups of what crossed the cable, File > Open Backup...,
// the question before a plan goes into another model, and the reads before and after a write
// that the Port menu can add. Against the virtual radio over real pseudo-terminals.
#include <QStatusBar>
#include <QTreeWidget>

#include "../support/FileSizeLimit.h"
#include "RadioFixture.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/Backups.h"
#include "ui/app/RunOptions.h"
#include "ui/view/PlanChanges.h"

namespace {

using enum CommandId;
using radiolink::LineImage;
using radiolink::RadioFaults;

class WriteSafety : public RadioDialogTest {
protected:
    void Read() { Action(ReadRadio)->trigger(); }
    void Write() { Action(WriteRadio)->trigger(); }
    // Each exchange the command runs goes to its end.
    void RunExchanges(int count) {
        for (int i = 0; i < count; ++i) ScriptRunToEnd();
    }
    bool Modified() { return View().PlanChanges().IsModified(); }
    std::string StatusNote() {
        return Frame()
            .statusBar()
            ->findChild<QLabel*>(QStringLiteral("exchangeNote"))
            ->text()
            .toStdString();
    }

    // "read KM41", "write KM162", ... newest first.
    std::vector<std::string> Backups() {
        std::vector<std::string> kept;
        for (const backup::BackupEntry& entry : backup::ListBackups(BackupFolder()).entries)
            kept.push_back(std::string(backup::DirectionText(entry.name.direction)) + " " +
                           entry.name.model);
        return kept;
    }
    std::vector<unsigned char> BackupImage(std::size_t index) {
        return ReadBytes(backup::ListBackups(BackupFolder()).entries.at(index).imagePath);
    }

    // A plan for `model` laid out as New makes it, with one channel in use.
    void NewPlanFor(const char* model) {
        const RadioModel& m = *FindRadioModel(model);
        NewPlan(m.band, m.sixteenChannels);
        Doc().Channel(1).m_dRxFreq = m.band == kBandUhf2 ? 450.0125 : 150.0125;
        Doc().Channel(1).m_nStepCode = kStep6250;
    }
    RadioImage Encoded() {
        RadioImage image{};
        EncodeImage(Doc(), image);
        return image;
    }
    static std::vector<unsigned char> LineOf(const RadioImage& image) {
        return {image.begin(), image.begin() + image::kLineSize};
    }
    static std::vector<unsigned char> LineOf(const LineImage& memory) {
        return {memory.begin(), memory.end()};
    }
    // A job runs in one dialog: the steps it names, in order, as they come.
    void ScriptJobSteps(std::vector<std::string>& steps) {
        prompts.ScriptDialog([&steps](QDialog& dialog) {
            const auto* step = dialog.findChild<QLabel*>(QStringLiteral("stepText"));
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    const std::string text = step->text().toStdString();
                    if (steps.empty() || steps.back() != text) steps.push_back(text);
                    return !dialog.isVisible();
                },
                kBoundMs));
        });
    }
    void TurnOn(CommandId check) {
        ASSERT_FALSE(Action(check)->isChecked());
        Action(check)->trigger();
        ASSERT_TRUE(Action(check)->isChecked());
    }
    void ExpectWrongRadioQuestion(const char* radioText, const char* planText) {
        ASSERT_EQ(prompts.questions.size(), 1u);
        EXPECT_EQ(prompts.questions[0].text.toStdString(),
                  FormatText(msg::kWrongRadioQuestion, radioText, planText));
        EXPECT_EQ(prompts.questions[0].kind, QuestionKind::YesNo);
        prompts.questions.clear();
    }
};

TEST_F(WriteSafety, AGoodReadAndAConfirmedWriteAreKeptAndOpenBackupOpensEither) {
    const LineImage memory = DemoMemory("KM41");
    StartRadio(memory);
    StartOnRadio();
    RunExchanges(1);
    Read();
    EXPECT_EQ(Backups(), (std::vector<std::string>{"read KM41"}));
    EXPECT_EQ(BackupImage(0), LineOf(memory));
    EXPECT_EQ(StatusNote().rfind("Backup kept: ", 0), 0u) << StatusNote();
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - (radio)");
    const std::vector<std::uint8_t> asRead = DocumentBytes();

    DoubleClickCell(*View().m_Grid4, 1, kColScan);
    ASSERT_TRUE(Modified());
    const RadioImage sent = Encoded();
    RunExchanges(1);
    Write();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete, msg::kWriteComplete}));
    EXPECT_FALSE(Modified()) << "the plan is in the radio";
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - (radio)");
    Action(EditUndo)->trigger();
    EXPECT_TRUE(Modified()) << "the radio holds what was undone";
    EXPECT_EQ(DocumentBytes(), asRead);
    Action(EditRedo)->trigger();
    EXPECT_FALSE(Modified()) << "back to what the radio holds";
    EXPECT_EQ(Backups(), (std::vector<std::string>{"write KM41", "read KM41"}));
    EXPECT_EQ(BackupImage(0), LineOf(sent));

    // The list, newest first; Down and Enter open the read.
    std::vector<std::string> rows;
    prompts.ScriptDialog([&rows](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("backupList"));
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            rows.push_back((list->topLevelItem(r)->text(1) + " " + list->topLevelItem(r)->text(2) +
                            " " + list->topLevelItem(r)->text(3) + " " +
                            list->topLevelItem(r)->text(4))
                               .toStdString());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    Action(FileOpenBackup)->trigger();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "write KM41 VHF 2 " + FormatText(msg::kBackupChannelsInUse, 4, 4));
    EXPECT_EQ(rows[1].rfind("read KM41", 0), 0u);
    EXPECT_EQ(DocumentBytes(), asRead);
    EXPECT_FALSE(Modified());
    const std::string readName = backup::ListBackups(BackupFolder()).entries[1].planPath;
    EXPECT_EQ(ShownTitle(),
              " PRG-715  - Ver 2.5 - " + std::filesystem::path(readName).filename().string());
}

TEST_F(WriteSafety, ABackupThatCannotBeKeptIsSaidInTheStatusBarAndFailsNothing) {
    StartRadio(DemoMemory("KM162"));
    StartOnRadio();
    {
        const FileSizeLimit full(512);
        RunExchanges(2);
        Read();
        EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));
        EXPECT_EQ(Doc().m_b16Channel, 1) << "the read stands";
        EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - (radio)");
        EXPECT_EQ(StatusNote().rfind("No backup kept: ", 0), 0u) << StatusNote();
        EXPECT_NE(StatusNote().find("File too large"), std::string::npos) << StatusNote();

        DoubleClickCell(*View().m_Grid16, 1, kColScan);
        Write();
        EXPECT_EQ(MessageTexts(),
                  (std::vector<std::string>{msg::kReadComplete, msg::kWriteComplete}));
        EXPECT_FALSE(Modified()) << "the write stands";
        EXPECT_EQ(radio->WritesStored(), 1);
    }
    EXPECT_TRUE(Backups().empty());
}

TEST_F(WriteSafety, APlanForAnotherModelAsksFirstBothWaysAndNoWritesNothing) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    RunExchanges(1);
    Read();
    RunExchanges(1);
    Write();  // the plan just read: the right radio, no question
    EXPECT_TRUE(prompts.questions.empty());
    ASSERT_EQ(radio->WritesStored(), 1);

    NewPlanFor("KM162");
    prompts.AnswerQuestion(QuestionAnswer::No);
    const std::size_t dialogs = prompts.dialogsRun.size();
    Write();
    ExpectWrongRadioQuestion("KM41 (VHF 2, 4 channels)", "KM162 (UHF 2, 16 channels)");
    EXPECT_EQ(prompts.dialogsRun.size(), dialogs) << "no write dialog";
    EXPECT_EQ(radio->WritesStored(), 1);

    prompts.AnswerQuestion(QuestionAnswer::Yes);
    RunExchanges(1);
    Write();
    ExpectWrongRadioQuestion("KM41 (VHF 2, 4 channels)", "KM162 (UHF 2, 16 channels)");
    EXPECT_EQ(radio->WritesStored(), 2);
    EXPECT_EQ(LineOf(radio->Memory()), LineOf(Encoded()));

    RunExchanges(1);
    Read();  // the radio now says it is a KM162
    NewPlanFor("KM41");
    prompts.AnswerQuestion(QuestionAnswer::No);
    Write();
    ExpectWrongRadioQuestion("KM162 (UHF 2, 16 channels)", "KM41 (VHF 2, 4 channels)");
    EXPECT_EQ(radio->WritesStored(), 2);
}

TEST_F(WriteSafety, ReadingFirstChecksTheRadioBesideThePlanAndKeepsIt) {
    StartRadio(DemoMemory("KM162"));
    StartOnRadio();
    TurnOn(ReadBeforeWrite);
    NewPlanFor("KM41");
    const std::vector<std::uint8_t> plan = DocumentBytes();
    RunExchanges(1);
    prompts.AnswerQuestion(QuestionAnswer::No);
    Write();
    EXPECT_TRUE(MessageTexts().empty()) << "a No ends the job without a word";
    ExpectWrongRadioQuestion("KM162 (UHF 2, 16 channels)", "KM41 (VHF 2, 4 channels)");
    EXPECT_EQ(DocumentBytes(), plan) << "the read leaves the plan alone";
    EXPECT_TRUE(View().m_Grid4->isVisible());
    EXPECT_EQ(radio->WritesStored(), 0);
    EXPECT_EQ(Backups(), (std::vector<std::string>{"read KM162"}));

    NewPlanFor("KM162");
    RunExchanges(1);
    Write();
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kWriteComplete}));
    EXPECT_EQ(radio->ReadsServed(), 2);
    EXPECT_EQ(radio->WritesStored(), 1);
    EXPECT_EQ(Backups(), (std::vector<std::string>{"write KM162", "read KM162", "read KM162"}));

    // A radio that does not answer the read: nothing is written.
    MapCom1(File("no-such-tty"));
    RunExchanges(1);
    Write();
    EXPECT_EQ(MessageTexts().back(), msg::kFailOpenPort1);
    EXPECT_EQ(radio->WritesStored(), 1);
}

TEST_F(WriteSafety, VerifyingNamesWhatTheRadioHoldsOtherwiseAndTheWriteCountsAsFailed) {
    RadioFaults faults;
    faults.corruptStored = image::ChannelBlockOffset(1) + image::kRx.quotientLow;
    StartRadio(DemoMemory("KM161"), faults);
    StartOnRadio();
    TurnOn(VerifyAfterWrite);
    NewPlanFor("KM161");
    DoubleClickCell(*View().m_Grid16, 1, kColScan);
    RunExchanges(1);
    Write();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kNotVerified}));
    EXPECT_EQ(prompts.messages.back().icon, MessageIcon::Exclamation);
    const std::string detail = prompts.messages.back().detail.toStdString();
    EXPECT_EQ(detail.rfind("channel 1: Rx Freq 150.0125 -> ", 0), 0u) << detail;
    EXPECT_TRUE(Modified()) << "not in the radio as it is";
    EXPECT_EQ(ShownTitle().back(), '*');

    // A read-back that breaks off verifies nothing either.
    radiolink::RadioFaults broken;
    broken.stopInBlock = 2;
    StartRadio(DemoMemory("KM161"), broken);
    MapCom1(radio->DevicePath());
    prompts.messages.clear();
    RunExchanges(1);
    Write();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kVerifyNotRead}));
    EXPECT_EQ(prompts.messages.back().detail.toStdString().rfind(msg::kRetry, 0), 0u);
    EXPECT_TRUE(Modified());
}

TEST_F(WriteSafety, UnsavedChangesAreAskedAboutBeforeARead) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    NewPlanFor("KM162");
    DoubleClickCell(*View().m_Grid16, 1, kColScan);
    prompts.AnswerQuestion(QuestionAnswer::Cancel);
    Read();
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(prompts.dialogsRun.size() == 1u) << "only the model dialog";
    EXPECT_FALSE(radio->WaitForReadsServed(1, std::chrono::milliseconds(300)));
    EXPECT_EQ(Doc().m_b16Channel, 1);

    prompts.AnswerQuestion(QuestionAnswer::Save);
    prompts.AnswerFileDialog(QPath("before-read.kmd16"));
    RunExchanges(1);
    Read();
    EXPECT_EQ(Doc().m_b16Channel, 0) << "the KM41 was read";
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(Action(EditUndo)->isEnabled()) << "the radio's plan has no history";
    CKM42Doc saved;
    ASSERT_TRUE(datafile::OpenDocument(saved, File("before-read.kmd16")).ok);
    EXPECT_EQ(saved.Channel(1).m_bScan, 1);
}

TEST_F(WriteSafety, BothChecksAreKeptAndWorkWithTheBuiltInVirtualRadio) {
    Start();
    TurnOn(ReadBeforeWrite);
    TurnOn(VerifyAfterWrite);
    app.reset();
    std::string error;
    radio = StartVirtualRadio({}, false, error);
    ASSERT_TRUE(radio) << error;
    Start();
    EXPECT_TRUE(Action(ReadBeforeWrite)->isChecked()) << "kept with the serial devices";
    EXPECT_TRUE(Action(VerifyAfterWrite)->isChecked());
    LinkRunOptions link;
    link.virtualRadio = true;
    ApplyLinkOptions(Frame(), link, radio.get());
    ReadDlg().m_Timing = FastTiming();
    WriteDlg().m_Timing = FastTiming();

    NewPlanFor("KM162");
    DoubleClickCell(*View().m_Grid16, 1, kColScan);
    ASSERT_TRUE(Modified());
    std::vector<std::string> steps;
    ScriptJobSteps(steps);
    Write();
    EXPECT_EQ(steps,
              (std::vector<std::string>{"Step 1 of 3: reading the radio", "Step 2 of 3: writing",
                                        "Step 3 of 3: reading back to verify"}));
    EXPECT_EQ(prompts.dialogsRun.back().toStdString(), "Write to Radio") << "one dialog";
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kVerified}));
    EXPECT_EQ(prompts.messages.back().icon, MessageIcon::Information);
    EXPECT_TRUE(prompts.messages.back().detail.isEmpty());
    EXPECT_TRUE(prompts.questions.empty()) << "the demo radio is a KM162";
    EXPECT_FALSE(Modified()) << "written and verified";
    EXPECT_EQ(Doc().Channel(1).m_bScan, 1) << "the reads leave the plan alone";
    EXPECT_EQ(radio->ReadsServed(), 2);
    EXPECT_EQ(radio->WritesStored(), 1);
    EXPECT_EQ(Backups(), (std::vector<std::string>{"read KM162", "write KM162", "read KM162"}));
}

}  // namespace
