// SPDX-License-Identifier: GPL-3.0-or-later
// Changes neither saved nor written: every kind of edit records one, the title shows it, and
// New, Open, Exit and the close box ask before they lose it.
#include <QClipboard>
#include <QGuiApplication>

#include "EditorTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/view/PlanChanges.h"

namespace {

using enum CommandId;
using Answer = QuestionAnswer;

class UnsavedChanges : public UiTest {
protected:
    void StartWithSample() {
        Start();
        ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
        ASSERT_FALSE(Modified());
    }
    bool Modified() { return View().PlanChanges().IsModified(); }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    std::vector<std::uint8_t> Plan() { return datafile::SerializeDocument(Doc()); }
    std::vector<std::uint8_t> Saved(const std::string& name) {
        CKM42Doc doc;
        EXPECT_TRUE(datafile::OpenDocument(doc, File(name)).ok) << name;
        return datafile::SerializeDocument(doc);
    }
    void ToggleScanOfChannel1() { DoubleClickCell(Grid(), 1, kColScan); }
    void SaveAs(const std::string& name) {
        prompts.AnswerFileDialog(QPath(name));
        Action(FileSave)->trigger();
    }
    void ExpectOneQuestion() {
        ASSERT_EQ(prompts.questions.size(), 1u);
        EXPECT_EQ(prompts.questions[0].text.toStdString(), msg::kSaveChangesQuestion);
        EXPECT_EQ(prompts.questions[0].kind, QuestionKind::SaveDiscardCancel);
        prompts.questions.clear();
    }
};

// Each edit the user can make, and whether it changes the plan.
struct Edit {
    const char* what;
    bool changes;
    std::function<void()> run;
};

TEST_F(UnsavedChanges, EveryKindOfEditIsRecordedAndOnlyRealChangesCount) {
    StartWithSample();
    const auto editor = [this](const char* box, const char* text, const char* button) {
        return [=, this] {
            prompts.ScriptDialog([=](QDialog& dlg) {
                Activate(dlg);
                if (box != nullptr) TypeAndLeave(Box(dlg, box), QString::fromUtf8(text));
                QTest::mouseClick(Button(dlg, button), Qt::LeftButton);
            });
            DoubleClickCell(Grid(), 3, kColRxFreq);
        };
    };
    const auto options = [this](bool toggleBeep) {
        return [=, this] {
            prompts.ScriptDialog([=](QDialog& dlg) {
                Activate(dlg);
                if (toggleBeep) QTest::mouseClick(Button(dlg, "beepButton"), Qt::LeftButton);
                QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
            });
            Action(Options)->trigger();
        };
    };
    const std::vector<Edit> edits = {
        {"editor OK without a change", false, editor(nullptr, "", "okButton")},
        {"editor Cancel after typing", false, editor("rxFreq", "150.5", "cancelButton")},
        {"editor OK", true, editor("rxFreq", "150.5", "okButton")},
        {"editor Clear", true, editor(nullptr, "", "clearButton")},
        {"scan flag", true, [this] { ToggleScanOfChannel1(); }},
        {"refused flag", false,
         [this] {
             DoubleClickCell(Grid(), 16, kColPriority);  // an empty channel
             prompts.messages.clear();
         }},
        {"options", true, options(true)},
        {"options looked at", false, options(false)},
        {"paste", true,
         [this] {
             QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                               Grid().visualItemRect(Grid().item(12, kColRxFreq)).center());
             View().PasteRows("Location\tFrequency\n12\t151.000000\n");
         }},
        {"import", true,
         [this] {
             prompts.ScriptDialog(
                 [](QDialog& dlg) { QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton); });
             View().ImportCsvText("Location,Frequency\n13,152.000000\n");
         }},
    };
    int saves = 0;
    for (const Edit& edit : edits) {
        const std::vector<std::uint8_t> before = Plan();
        edit.run();
        EXPECT_EQ(Plan() != before, edit.changes) << edit.what;
        EXPECT_EQ(Modified(), edit.changes) << edit.what;
        const std::string name = "saved" + std::to_string(saves) + ".kmd16";
        EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - " +
                                    (saves == 0 ? std::string("plan.kmd16")
                                                : "saved" + std::to_string(saves - 1) + ".kmd16") +
                                    (edit.changes ? "*" : ""))
            << edit.what;
        if (!edit.changes) continue;
        SaveAs(name);
        ++saves;
        EXPECT_FALSE(Modified()) << "saved after " << edit.what;
        EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - " + name);
    }
    EXPECT_EQ(Cell(Grid(), 12, kColRxFreq), "151.0000") << "the grid shows every change";
    EXPECT_EQ(Cell(Grid(), 13, kColRxFreq), "152.0000");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(UnsavedChanges, WithoutChangesNothingIsAsked) {
    StartWithSample();
    NewPlan(kBandUhf2, false);
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5") << "a new plan has no name";
    OpenPlan(File("plan.kmd16"));
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(UnsavedChanges, CancelKeepsThePlanAndTheWindowAndRunsNothing) {
    StartWithSample();
    ToggleScanOfChannel1();
    const std::vector<std::uint8_t> changed = Plan();
    const std::size_t dialogs = prompts.dialogsRun.size();
    const std::size_t fileDialogs = prompts.fileDialogs.size();
    const std::vector<std::function<void()>> commands = {
        [&] { Action(FileNew)->trigger(); },
        [&] { Action(FileOpen)->trigger(); },
        [&] { Action(FileOpenBackup)->trigger(); },
        [&] { Action(AppExit)->trigger(); },
        [&] { Frame().close(); },  // the close box
    };
    for (const auto& command : commands) {
        prompts.AnswerQuestion(Answer::Cancel);
        command();
        ExpectOneQuestion();
        EXPECT_EQ(Plan(), changed);
        EXPECT_TRUE(Modified());
        EXPECT_TRUE(Frame().isVisible());
    }
    EXPECT_EQ(prompts.dialogsRun.size(), dialogs);
    EXPECT_EQ(prompts.fileDialogs.size(), fileDialogs);
}

TEST_F(UnsavedChanges, DiscardGoesOnAndSavesNothing) {
    StartWithSample();
    ToggleScanOfChannel1();
    prompts.AnswerQuestion(Answer::Discard);
    NewPlan(kBandVhf2, false);
    ExpectOneQuestion();
    EXPECT_TRUE(View().m_Grid4->isVisible());
    EXPECT_FALSE(Modified());

    ToggleScanOfChannel1();  // nothing on an empty channel
    EXPECT_FALSE(Modified());
    DoubleClickCell(*View().m_Grid4, 1, kColPower);
    prompts.messages.clear();
    OpenPlan(File("plan.kmd16"));
    EXPECT_TRUE(prompts.questions.empty()) << "a refused toggle changed nothing";

    ToggleScanOfChannel1();
    prompts.AnswerQuestion(Answer::Discard);
    Action(AppExit)->trigger();
    ExpectOneQuestion();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(Saved("plan.kmd16"), datafile::SerializeDocument(SamplePlan16()));
    EXPECT_EQ(prompts.fileDialogs.size(), 2u) << "two opens, no save";
}

TEST_F(UnsavedChanges, SaveRunsTheSaveDialogFirstAndItsCancelCancelsTheCommand) {
    StartWithSample();
    ToggleScanOfChannel1();
    const std::vector<std::uint8_t> changed = Plan();

    // Open: Save, the file is written, then the open dialog.
    prompts.AnswerQuestion(Answer::Save);
    prompts.AnswerFileDialog(QPath("kept.kmd16"));
    OpenPlan(File("plan.kmd16"));
    ExpectOneQuestion();
    EXPECT_EQ(Saved("kept.kmd16"), changed);
    ASSERT_EQ(prompts.fileDialogs.size(), 3u);
    EXPECT_TRUE(prompts.fileDialogs[1].save);
    EXPECT_FALSE(prompts.fileDialogs[2].save);
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - plan.kmd16");

    // New, Exit and the close box: the save dialog cancelled, so is the command.
    ToggleScanOfChannel1();
    const std::size_t dialogs = prompts.dialogsRun.size();
    const std::vector<std::function<void()>> commands = {
        [&] { Action(FileNew)->trigger(); },
        [&] { Action(AppExit)->trigger(); },
        [&] { Frame().close(); },
    };
    for (const auto& command : commands) {
        prompts.AnswerQuestion(Answer::Save);
        prompts.AnswerFileDialog(std::nullopt);
        command();
        ExpectOneQuestion();
        EXPECT_TRUE(prompts.fileDialogs.back().save);
        EXPECT_TRUE(Modified());
        EXPECT_TRUE(Frame().isVisible());
    }
    EXPECT_EQ(prompts.dialogsRun.size(), dialogs) << "no model dialog";

    // A save that fails keeps the window open as well.
    prompts.AnswerQuestion(Answer::Save);
    prompts.AnswerFileDialog(QPath("no-such-folder/plan.kmd16"));
    Frame().close();
    EXPECT_EQ(TakeMessages(prompts), std::vector<std::string>{msg::kCannotSaveFile});
    EXPECT_TRUE(Frame().isVisible());

    prompts.AnswerQuestion(Answer::Save);
    prompts.AnswerFileDialog(QPath("last.kmd16"));
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(Saved("last.kmd16"), Plan());
}

TEST_F(UnsavedChanges, TheQuestionIsARealMessageBoxAnsweredByItsButtons) {
    StartWithSample();
    prompts.showMessageBoxes = true;
    ToggleScanOfChannel1();
    prompts.AnswerQuestion(Answer::Cancel);
    Action(FileNew)->trigger();
    EXPECT_TRUE(Modified());
    prompts.AnswerQuestion(Answer::Save);
    prompts.AnswerFileDialog(QPath("boxed.kmd16"));
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(Saved("boxed.kmd16"), Plan());
    EXPECT_EQ(prompts.questions.size(), 2u);
}

}  // namespace
