// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: random runs of every kind of edit through the real widgets, undone and
// redone by their keys, give back each plan exactly as a save writes it; the history follows
// the saves, drops what was undone once a new change comes, and starts afresh with each plan.
#include <random>

#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"
#include "ui/view/PlanChanges.h"

namespace {

using enum CommandId;
using Bytes = std::vector<std::uint8_t>;

class PlanHistory : public UiTest {
protected:
    void StartWithSample() {
        Start();
        ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
        FocusGrid(Frame(), Grid());
    }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    Bytes Plan() { return datafile::SerializeDocument(Doc()); }
    bool Modified() { return View().PlanChanges().IsModified(); }
    std::string GridText() {
        std::string text;
        for (int n = 1; n <= 16; ++n)
            for (int c = kColRxFreq; c < kGridColumnCount; ++c) text += Cell(Grid(), n, c) + "|";
        return text;
    }
    void At(int row, int col, int key, Qt::KeyboardModifiers modifiers = {}) {
        Grid().setCurrentCell(row, col);
        keys.Press(key, modifiers);
    }
    void SelectDown(int row, int col, int more) {
        Grid().setCurrentCell(row, col);
        for (int i = 0; i < more; ++i) keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    }
    void Undo() { keys.Press(Qt::Key_Z, Qt::ControlModifier); }
    void Redo(bool shiftZ) {
        keys.Press(shiftZ ? Qt::Key_Z : Qt::Key_Y,
                   Qt::ControlModifier | (shiftZ ? Qt::ShiftModifier : Qt::NoModifier));
    }

    // One random edit of each kind a user can make (refusals along the way are expected).
    // Each draw is a statement of its own: the order in which a call's arguments are worked out
    // differs between compilers, and so would the run of edits.
    void RandomEdit(std::mt19937& random) {
        const auto any = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const auto frequency = [&any] {  // VHF 2, on the 12.5 kHz raster
            return QString::number(146.0 + 0.0125 * any(0, 2240), 'f', 4);
        };
        const auto editor = [&](int row, std::function<void(QDialog&)> script) {
            prompts.ScriptDialog([script](QDialog& dialog) {
                ActivateForKeys(dialog);
                script(dialog);
            });
            const int col = any(kColRxFreq, kColTxValue);
            At(row, col, any(0, 1) == 0 ? Qt::Key_Return : Qt::Key_F2);
        };
        switch (any(0, 8)) {
            case 0: {  // frequencies, the TX one sometimes emptied
                const int row = any(1, 16);
                editor(row, [this, rx = frequency(),
                             tx = any(0, 2) == 0 ? QString() : frequency()](QDialog&) {
                    keys.Type(rx);
                    keys.Press(Qt::Key_Tab);
                    keys.Press(Qt::Key_A, Qt::ControlModifier);
                    keys.Type(tx);
                    keys.Press(Qt::Key_Delete);
                    keys.Press(Qt::Key_Return);
                });
                break;
            }
            case 1: {  // a non-standard tone, which the whole radio shares
                const int row = any(1, 12);
                // A channel emptied by an earlier edit gets its frequency first: OK waits for it.
                editor(row, [two = any(0, 1) == 1, tone = any(500, 3000),
                             rx = frequency()](QDialog& dialog) {
                    if (Box(dialog, "rxFreq")->text().isEmpty()) Type(Box(dialog, "rxFreq"), rx);
                    Click(Button(dialog, two ? "rxNsc2" : "rxNsc1"));
                    QLineEdit* box = Box(dialog, two ? "rxNsc2Tone" : "rxNsc1Tone");
                    Type(box, QString::number(tone / 10.0, 'f', 1));
                    QTest::keyClick(box, Qt::Key_Return);
                });
                break;
            }
            case 2:
                editor(any(1, 16), [](QDialog& dialog) { PressAltKey(dialog, Qt::Key_L); });
                break;
            case 3: {
                const int row = any(1, 16);
                At(row, any(kColScan, kColSpacing), Qt::Key_Space);
                break;
            }
            case 4: {
                const int first = any(1, 12);
                const int col = any(0, 1) == 0 ? kColScan : kColPower;
                SelectDown(first, col, any(1, 4));
                keys.Press(Qt::Key_Space);
                break;
            }
            case 5: {
                const int first = any(1, 14);
                SelectDown(first, kColRxFreq, any(0, 2));
                prompts.AnswerQuestion(QuestionAnswer::Yes);
                keys.Press(Qt::Key_Delete);
                break;
            }
            case 6: {
                const std::vector<const char*> toggles = {"beepButton", "monitorButton",
                                                          "busyLockoutButton", "scanTxButton"};
                std::vector<const char*> chosen(any(0, 3));
                for (const char*& name : chosen) name = toggles[any(0, 3)];
                prompts.ScriptDialog([chosen, escape = any(0, 1) == 0](QDialog& dialog) {
                    for (const char* name : chosen)
                        QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
                    QTest::keyClick(&dialog, escape ? Qt::Key_Escape : Qt::Key_Return);
                });
                Action(Options)->trigger();
                break;
            }
            case 7: {
                const int first = any(1, 12);
                SelectDown(first, kColRxFreq, any(0, 3));
                keys.Press(Qt::Key_C, Qt::ControlModifier);
                At(any(1, 16), kColTxFreq, Qt::Key_V, Qt::ControlModifier);
                break;
            }
            default: {
                prompts.ScriptDialog([](QDialog& dialog) {
                    QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
                });
                const int row = any(1, 16);
                View().ImportCsvText(FormatText("Location,Frequency\n%d,%s\n", row,
                                                frequency().toStdString().c_str()));
            }
        }
        prompts.messages.clear();
    }

    Keyboard keys;
};

TEST_F(PlanHistory, RandomEditsUndoneGiveEveryPlanBackAndRedoneGiveTheLastOne) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StartWithSample();
        std::mt19937 random(seed);
        std::vector<Bytes> plans = {Plan()};
        std::vector<std::string> grids = {GridText()};
        for (int i = 0; i < 18; ++i) {
            RandomEdit(random);
            if (Plan() == plans.back()) continue;  // refused, cancelled or no change
            plans.push_back(Plan());
            grids.push_back(GridText());
        }
        EXPECT_EQ(View().PlanChanges().History().count(), static_cast<int>(plans.size()) - 1);
        ASSERT_GE(plans.size(), 8u) << "a run that hardly changes anything proves little";

        FocusGrid(Frame(), Grid());
        for (std::size_t i = plans.size() - 1; i > 0; --i) {
            Undo();
            ASSERT_EQ(Plan(), plans[i - 1]) << "undo to plan " << i - 1;
            ASSERT_EQ(GridText(), grids[i - 1]) << "undo to plan " << i - 1;
        }
        EXPECT_FALSE(Modified()) << "back to the plan as opened";
        for (std::size_t i = 1; i < plans.size(); ++i) {
            Redo(i % 2 == 0);
            ASSERT_EQ(Plan(), plans[i]) << "redo to plan " << i;
            ASSERT_EQ(GridText(), grids[i]) << "redo to plan " << i;
        }
        EXPECT_FALSE(Action(EditRedo)->isEnabled());
        app.reset();
    }
}

TEST_F(PlanHistory, FollowsSavesDropsWhatWasUndoneOnANewChangeAndStartsWithEachPlan) {
    StartWithSample();
    const Bytes original = Plan();
    At(1, kColScan, Qt::Key_Space);
    prompts.AnswerFileDialog(QPath("saved.kmd16"));
    Action(FileSave)->trigger();
    At(2, kColScan, Qt::Key_Space);
    At(3, kColScan, Qt::Key_Space);
    Undo();
    Undo();
    EXPECT_FALSE(Modified()) << "back at the save";
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - saved.kmd16");
    EXPECT_EQ(Shown(Action(EditRedo)->text()), "Redo Channel 2 Scan");
    At(4, kColPower, Qt::Key_Space);
    EXPECT_FALSE(Action(EditRedo)->isEnabled()) << "the undone toggles are gone";
    EXPECT_TRUE(Modified());
    Undo();
    Undo();
    EXPECT_EQ(Plan(), original);
    EXPECT_TRUE(Modified()) << "before the save";
    Redo(false);
    EXPECT_FALSE(Modified());

    for (const auto& replace : std::vector<std::function<void()>>{
             [this] { OpenPlan(File("plan.kmd16")); }, [this] { NewPlan(kBandUhf2, true); }}) {
        At(5, kColScan, Qt::Key_Space);
        prompts.AnswerQuestion(QuestionAnswer::Discard);
        replace();
        EXPECT_FALSE(Action(EditUndo)->isEnabled());
        EXPECT_EQ(View().PlanChanges().History().count(), 0);
    }
}

}  // namespace
