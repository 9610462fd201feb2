// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "SamplePlan.h"
#include "UiFixture.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "ui/app/Commands.h"
#include "ui/common/QtPrompts.h"

namespace {

using enum CommandId;

constexpr const char* kAllFilter = "PRG-715 Data File (*.*) | *.*||";
constexpr const char* k16Filter = "KM-161/162 Data File (*.kmd16) | *.kmd16||";
constexpr const char* k4Filter = "KM-41/42 Data File (*.kmd04) | *.kmd04||";

class FileCommands : public UiTest {
protected:
    void ExpectLastDialog(bool save, const char* filter, const char* initialName) {
        ASSERT_FALSE(prompts.fileDialogs.empty());
        const RecordingPrompts::FileDialog& last = prompts.fileDialogs.back();
        EXPECT_EQ(last.save, save);
        EXPECT_EQ(last.request.filter.toStdString(), filter);
        EXPECT_EQ(last.request.initialName.toStdString(), initialName);
    }
    void CancelOpen() {
        prompts.AnswerFileDialog(std::nullopt);
        Action(FileOpen)->trigger();
    }
    void SaveAs(const std::string& path) {
        prompts.AnswerFileDialog(QString::fromStdString(path));
        Action(FileSave)->trigger();
    }
    std::string Caption() {
        return View().findChild<QLabel*>(QStringLiteral("bandCaption"))->text().toStdString();
    }
};

TEST_F(FileCommands, FirstOpenOffersEveryFileThenTheModelsExtension) {
    Start();
    CancelOpen();
    ExpectLastDialog(false, kAllFilter, "*.*");
    CancelOpen();
    ExpectLastDialog(false, k4Filter, "*.kmd04");
    NewPlan(kBandUhf2, true);
    CancelOpen();
    ExpectLastDialog(false, k16Filter, "*.kmd16");
}

TEST_F(FileCommands, ACancelledNewEndsTheFirstTimeRuleToo) {
    Start();
    prompts.ScriptDialog([](QDialog& dialog) { dialog.close(); });
    Action(FileNew)->trigger();
    EXPECT_EQ(View().m_nOpenFilter, 2);
    CancelOpen();
    ExpectLastDialog(false, k4Filter, "*.kmd04");
}

TEST_F(FileCommands, CancelledFirstOpenShowsANewKm41PlanAndEnablesThePlanCommands) {
    Start();
    CancelOpen();
    EXPECT_TRUE(View().m_Grid4->isVisible());
    EXPECT_FALSE(View().m_Grid16->isVisible());
    EXPECT_EQ(View().m_bDataReady, 1);
    EXPECT_EQ(Caption(), "VHF 2 (146 ~ 174 MHz)");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Cell(*View().m_Grid4, n, 0), std::to_string(n));
        for (int c = 1; c <= 10; ++c) EXPECT_EQ(Cell(*View().m_Grid4, n, c), "") << n << "," << c;
    }
    EXPECT_EQ(Doc().m_bTxDelay, 1);
    EXPECT_EQ(Doc().m_bMonitor, 1);
    EXPECT_EQ(Doc().m_nCompander, 1);
    EXPECT_EQ(Doc().m_dScanSpeed, 0.1);
    EXPECT_EQ(Doc().Channel(1).m_dRxNsc1, 67.0);
    for (CommandId id : {FileSave, FilePrint, Options, WriteRadio})
        EXPECT_TRUE(Action(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileCommands, FirstOpenOfASixteenChannelFileShowsItFilled) {
    Start();
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
    OpenPlan(File("plan.kmd16"));
    ExpectLastDialog(false, kAllFilter, "*.*");
    EXPECT_TRUE(View().m_Grid16->isVisible());
    EXPECT_FALSE(View().m_Grid4->isVisible());
    EXPECT_EQ(Cell(*View().m_Grid16, 12, 1), "173.9750");
    EXPECT_EQ(Doc().Channel(5).m_bPriority, 1);
}

TEST_F(FileCommands, SaveOffersTheModelsFilterAndOpenRestoresEveryField) {
    Start();
    NewPlan(kBandUhf2, true);
    Doc().Channel(7).m_dRxFreq = 445.125;
    Doc().m_nTxTimeOut = 120;
    const CKM42Doc saved = Doc();
    SaveAs(File("km162.kmd16"));
    ExpectLastDialog(true, k16Filter, "*.kmd16");
    const auto bytes = ReadBytes(File("km162.kmd16"));
    EXPECT_EQ(bytes.size(), 1768u);
    const std::vector<std::uint8_t> expected = datafile::SerializeDocument(saved);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin(), expected.end()));

    NewPlan(kBandVhf2, false);
    SaveAs(File("km41.kmd04"));
    ExpectLastDialog(true, k4Filter, "*.kmd04");
    EXPECT_EQ(ReadBytes(File("km41.kmd04")).size(), 520u);

    NewPlan(kBandUhf2, true);
    OpenPlan(File("km162.kmd16"));
    ExpectLastDialog(false, k16Filter, "*.kmd16");
    EXPECT_EQ(datafile::SerializeDocument(Doc()), datafile::SerializeDocument(saved));
    EXPECT_EQ(Cell(*View().m_Grid16, 7, 1), "445.1250");
    EXPECT_EQ(Caption(), "UHF 2 (440 ~ 470 MHz)");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - km162.kmd16");
}

TEST_F(FileCommands, CancelledSaveWritesNothing) {
    Start();
    NewPlan(kBandVhf2, false);
    prompts.AnswerFileDialog(std::nullopt);
    Action(FileSave)->trigger();
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path()))
        files += entry.path().filename() != "port.port";
    EXPECT_EQ(files, 0u);
    EXPECT_TRUE(prompts.messages.empty());
}

// Save offers the plan's own file, else the pattern, and asks before replacing another file;
// the answer No goes back to the dialog with the name chosen.
TEST_F(FileCommands, SaveOffersThePlansOwnFileAndAsksBeforeReplacingAnother) {
    Start();
    WriteBytes(File("other.kmd04"), std::vector<unsigned char>(5000, 0xAA));
    NewPlan(kBandVhf2, false);
    SaveAs(File("mine.kmd04"));
    ExpectLastDialog(true, k4Filter, "*.kmd04");
    SaveAs(File("mine.kmd04"));  // its own file: no question
    ExpectLastDialog(true, k4Filter, File("mine.kmd04").c_str());
    EXPECT_TRUE(prompts.questions.empty());

    NewPlan(kBandVhf2, false);
    prompts.AnswerFileDialog(QString::fromStdString(File("other.kmd04")));
    prompts.AnswerQuestion(QuestionAnswer::No);
    prompts.AnswerFileDialog(std::nullopt);  // back in the dialog: cancelled
    Action(FileSave)->trigger();
    ExpectLastDialog(true, k4Filter, File("other.kmd04").c_str());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].text.toStdString(),
              "other.kmd04 already exists.\nDo you want to replace it?");
    EXPECT_EQ(ReadBytes(File("other.kmd04")).size(), 5000u);

    // "Save changes to the plan?" saves the same way: the pattern, then the question.
    const CKM42Doc before = Doc();
    Doc().Channel(1).m_dRxFreq = 150.0;
    View().RecordPlanChange(before);
    prompts.AnswerQuestion(QuestionAnswer::Save);
    prompts.AnswerQuestion(QuestionAnswer::Yes);
    prompts.AnswerFileDialog(QString::fromStdString(File("other.kmd04")));
    prompts.ScriptDialog([](QDialog& dialog) { dialog.reject(); });  // New's model dialog
    Action(FileNew)->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().request.initialName.toStdString(), "*.kmd04");
    EXPECT_EQ(ReadBytes(File("other.kmd04")).size(), 520u);
    EXPECT_TRUE(prompts.messages.empty());
}

// The save dialog is kept for the run; a pattern clears the name saved last from its box.
TEST(SaveDialog, APatternLeavesNoEarlierNameInTheBox) {
    CQtPrompts prompts;
    QString shown;
    for (const char* initial : {"/tmp/customer-a.kmd16", "*.kmd16"}) {
        QTimer::singleShot(0, [&shown] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        });
        prompts.GetSaveFileName(nullptr,
                                {QStringLiteral("Plans | *.kmd16||"), QString::fromUtf8(initial)});
    }
    EXPECT_EQ(shown.toStdString(), "");
}

TEST_F(FileCommands, OpenFailureSaysCannotOpenFileAndShowsThePlanAgain) {
    Start();
    NewPlan(kBandVhf2, false);
    Doc().Channel(2).m_dRxFreq = 150.0;
    const auto before = datafile::SerializeDocument(Doc());
    OpenPlan(File("missing.kmd04"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "Cannot Open File!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(prompts.messages[0].detail.isEmpty());
    EXPECT_EQ(datafile::SerializeDocument(Doc()), before);
    EXPECT_EQ(Cell(*View().m_Grid4, 2, 1), "150.0000") << "the grid shows the document again";
}

TEST_F(FileCommands, ATruncatedFileIsRefusedAndNothingCrashes) {
    Start();
    auto bytes = datafile::SerializeDocument(SamplePlan16());
    bytes.resize(700);
    WriteBytes(File("cut.kmd16"), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    OpenPlan(File("cut.kmd16"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "Cannot Open File!");
    EXPECT_TRUE(View().m_Grid4->isVisible()) << "the KM41 defaults are shown, untouched";
}

TEST_F(FileCommands, ADamagedFileOpensAsStoredWithOneMessageListingWhatIsOutOfRange) {
    Start();
    CKM42Doc damaged = SamplePlan16();
    damaged.m_nBand = 9;
    damaged.Channel(3).m_nRxDcs = 200;
    damaged.Channel(7).m_bHighPower = 5;
    damaged.m_dRxOnTime = 3.0;
    const std::vector<std::uint8_t> bytes = datafile::SerializeDocument(damaged);
    WriteBytes(File("damaged.kmd16"), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    OpenPlan(File("damaged.kmd16"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kPlanOutOfRange);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompts.messages[0].detail.toStdString(),
              "Band 9 is not one of the radio's bands (0 to 8)\n"
              "Channel 3: RX DCS code number 200 is outside the code list (0 to 82)\n"
              "Channel 7: power flag is 5, not 0 or 1\n"
              "Rx On is 3 s, outside 0.05 to 0.2 s\n");
    EXPECT_EQ(datafile::SerializeDocument(Doc()), bytes) << "kept as stored";
    EXPECT_EQ(Cell(*View().m_Grid16, 12, 1), "173.9750");

    prompts.messages.clear();
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("sound.kmd16")).ok);
    OpenPlan(File("sound.kmd16"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileCommands, SaveFailureSaysCannotSaveFile) {
    Start();
    NewPlan(kBandVhf2, false);
    SaveAs(File("no-such-folder/plan.kmd04"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "Cannot Save File!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(FileCommands, AFileOfTheOtherChannelCountIsShownWithItsOwnCount) {
    Start();
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("typed.kmd16")).ok);
    NewPlan(kBandVhf2, false);
    OpenPlan(File("typed.kmd16"));  // typed into the *.kmd04 dialog
    ExpectLastDialog(false, k4Filter, "*.kmd04");
    EXPECT_TRUE(View().m_Grid16->isVisible());
    EXPECT_FALSE(View().m_Grid4->isVisible());
    EXPECT_EQ(Cell(*View().m_Grid16, 12, 1), "173.9750");
    SaveAs(File("again.kmd16"));
    ExpectLastDialog(true, k16Filter, File("typed.kmd16").c_str());
}

TEST_F(FileCommands, APlanNamedOnTheCommandLineIsOpenedAtStart) {
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("start.kmd16")).ok);
    Start(QPath("start.kmd16"));
    EXPECT_TRUE(View().m_Grid16->isVisible());
    EXPECT_EQ(Cell(*View().m_Grid16, 2, 3), "100.0");
    EXPECT_EQ(View().m_nOpenFilter, 2);
    EXPECT_TRUE(Action(FileSave)->isEnabled());
    EXPECT_TRUE(prompts.fileDialogs.empty());
}

}  // namespace
