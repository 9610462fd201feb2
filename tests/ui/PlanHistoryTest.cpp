// Undo and redo: random runs of every kind of edit through the real widgets, undone and
// redone by their keys, must give back each plan exactly as a save writes it; the history
// follows the saves, drops what was undone once a new change comes, and starts afresh with
// each plan.
#include <QClipboard>
#include <QGuiApplication>
#include <random>

#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/Commands.h"
#include "ui/PlanChanges.h"

namespace {

using enum CommandId;
using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::vector<std::string>>;

class PlanHistory : public UiTest {
protected:
    friend class RandomEdits;

    void StartWithSample() {
        Start();
        ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
        FocusGrid(Frame(), Grid());
    }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    Bytes Plan() { return datafile::SerializeDocument(Doc()); }
    bool Modified() { return View().PlanChanges().IsModified(); }
    int Steps() { return View().PlanChanges().History().count(); }
    Rows GridRows() {
        Rows rows;
        for (int n = 1; n <= 16; ++n) {
            rows.emplace_back();
            for (int c = kColRxFreq; c < kGridColumnCount; ++c)
                rows.back().push_back(Cell(Grid(), n, c));
        }
        return rows;
    }
    void GoTo(int row, int col) { Grid().setCurrentCell(row, col); }
    void SelectDown(int row, int col, int more) {
        GoTo(row, col);
        for (int i = 0; i < more; ++i) keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    }
    void Undo() { keys.Press(Qt::Key_Z, Qt::ControlModifier); }
    void Redo(bool shiftZ) {
        if (shiftZ)
            keys.Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            keys.Press(Qt::Key_Y, Qt::ControlModifier);
    }
    void ToggleScan(int row) {
        GoTo(row, kColScan);
        keys.Press(Qt::Key_Space);
    }

    Keyboard keys;
};

// One random edit of one of the kinds a user can make; refusals along the way are expected
// and forgotten.
class RandomEdits {
public:
    RandomEdits(PlanHistory& test, unsigned seed) : m_test(test), m_random(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    QString Frequency() {  // VHF 2, on the 12.5 kHz raster
        return QString::number(146.0 + 0.0125 * Int(0, 2240), 'f', 4);
    }

    std::string Run() {
        switch (Int(0, 8)) {
            case 0:
                return EditorFrequencies();
            case 1:
                return EditorSignalling();
            case 2:
                return EditorClear();
            case 3:
                return Flag();
            case 4:
                return FlagOnSelection();
            case 5:
                return DeleteChannels();
            case 6:
                return OptionsSession();
            case 7:
                return CopyAndPaste();
            default:
                return Import();
        }
    }

private:
    // Opens the editor on a channel by keyboard; the script runs in it.
    void Editor(int row, std::function<void(QDialog&)> script) {
        m_test.prompts.ScriptDialog([script](QDialog& dialog) {
            ActivateForKeys(dialog);
            script(dialog);
        });
        m_test.GoTo(row, Int(kColRxFreq, kColTxValue));
        m_test.keys.Press(Int(0, 1) == 0 ? Qt::Key_Return : Qt::Key_F2);
    }
    std::string EditorFrequencies() {
        const QString rx = Frequency();
        const QString tx = Int(0, 2) == 0 ? QString() : Frequency();
        Editor(Int(1, 16), [this, rx, tx](QDialog&) {
            m_test.keys.Type(rx);
            m_test.keys.Press(Qt::Key_Tab);
            m_test.keys.Press(Qt::Key_A, Qt::ControlModifier);
            m_test.keys.Type(tx);
            m_test.keys.Press(Qt::Key_Delete);
            m_test.keys.Press(Qt::Key_Return);
        });
        return "editor frequencies";
    }
    // A signalling type and a non-standard tone, which the whole radio shares.
    std::string EditorSignalling() {
        const char* type = Int(0, 1) == 0 ? "rxNsc1" : "rxNsc2";
        const QString tone = QString::number(Int(500, 3000) / 10.0, 'f', 1);
        Editor(Int(1, 12), [type, tone](QDialog& dialog) {
            Click(Button(dialog, type));
            QLineEdit* box =
                Box(dialog, type == std::string("rxNsc1") ? "rxNsc1Tone" : "rxNsc2Tone");
            Type(box, tone);
            QTest::keyClick(box, Qt::Key_Return);
        });
        return "editor signalling and tone";
    }
    std::string EditorClear() {
        Editor(Int(1, 16), [](QDialog& dialog) { PressAltKey(dialog, Qt::Key_L); });  // "c&lear"
        return "editor clear";
    }
    std::string Flag() {
        m_test.GoTo(Int(1, 16), Int(kColScan, kColSpacing));
        m_test.keys.Press(Qt::Key_Space);
        return "flag";
    }
    std::string FlagOnSelection() {
        m_test.SelectDown(Int(1, 12), Int(0, 1) == 0 ? kColScan : kColPower, Int(1, 4));
        m_test.keys.Press(Qt::Key_Space);
        return "flag on a selection";
    }
    std::string DeleteChannels() {
        m_test.SelectDown(Int(1, 14), kColRxFreq, Int(0, 2));
        m_test.prompts.AnswerQuestion(QuestionAnswer::Yes);
        m_test.keys.Press(Qt::Key_Delete);
        return "clear channels";
    }
    std::string OptionsSession() {
        const std::vector<const char*> toggles = {"beepButton", "monitorButton", "txDelayButton",
                                                  "busyLockoutButton", "scanTxButton"};
        const int count = Int(0, 3);
        std::vector<const char*> chosen;
        for (int i = 0; i < count; ++i) chosen.push_back(toggles[Int(0, 4)]);
        const bool escape = Int(0, 1) == 0;
        m_test.prompts.ScriptDialog([chosen, escape](QDialog& dialog) {
            for (const char* name : chosen) QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
            QTest::keyClick(&dialog, escape ? Qt::Key_Escape : Qt::Key_Return);
        });
        m_test.Action(Options)->trigger();
        return "options";
    }
    std::string CopyAndPaste() {
        m_test.SelectDown(Int(1, 12), kColRxFreq, Int(0, 3));
        m_test.keys.Press(Qt::Key_C, Qt::ControlModifier);
        m_test.GoTo(Int(1, 16), kColTxFreq);
        m_test.keys.Press(Qt::Key_V, Qt::ControlModifier);
        return "copy and paste";
    }
    std::string Import() {
        const std::string list = FormatText("Location,Frequency\n%d,%s\n", Int(1, 16),
                                            Frequency().toStdString().c_str());
        m_test.prompts.ScriptDialog(
            [](QDialog& dialog) { QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton); });
        m_test.View().ImportCsvText(list);
        return "import";
    }

    PlanHistory& m_test;
    std::mt19937 m_random;
};

TEST_F(PlanHistory, RandomEditsUndoneGiveEveryPlanBackAndRedoneGiveTheLastOne) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StartWithSample();
        RandomEdits edits(*this, seed);
        std::vector<Bytes> plans = {Plan()};
        std::vector<Rows> grids = {GridRows()};
        for (int i = 0; i < 18; ++i) {
            const std::string what = edits.Run();
            prompts.messages.clear();
            const bool changed = Plan() != plans.back();
            EXPECT_EQ(Steps(), static_cast<int>(plans.size()) - (changed ? 0 : 1)) << what;
            if (!changed) continue;
            plans.push_back(Plan());
            grids.push_back(GridRows());
            EXPECT_FALSE(Action(EditUndo)->text().endsWith(QStringLiteral("&Undo"))) << what;
        }
        ASSERT_GE(plans.size(), 6u) << "a run that hardly changes anything proves little";

        FocusGrid(Frame(), Grid());
        for (std::size_t i = plans.size() - 1; i > 0; --i) {
            Undo();
            EXPECT_EQ(Plan(), plans[i - 1]) << "undo to plan " << i - 1;
            EXPECT_EQ(GridRows(), grids[i - 1]) << "undo to plan " << i - 1;
        }
        EXPECT_FALSE(Modified()) << "back to the plan as opened";
        EXPECT_FALSE(Action(EditUndo)->isEnabled());
        for (std::size_t i = 1; i < plans.size(); ++i) {
            Redo(i % 2 == 0);
            EXPECT_EQ(Plan(), plans[i]) << "redo to plan " << i;
            EXPECT_EQ(GridRows(), grids[i]) << "redo to plan " << i;
        }
        EXPECT_FALSE(Action(EditRedo)->isEnabled());
        EXPECT_TRUE(Modified());
        app.reset();
    }
}

TEST_F(PlanHistory, ANewChangeDropsWhatWasUndoneAndTheStepsAreNamedByTheirFields) {
    StartWithSample();
    const Bytes original = Plan();
    ToggleScan(1);
    ToggleScan(2);
    ToggleScan(3);
    EXPECT_EQ(Shown(Action(EditUndo)->text()), "Undo Channel 3 Scan");
    Undo();
    Undo();
    EXPECT_EQ(Shown(Action(EditRedo)->text()), "Redo Channel 2 Scan");
    GoTo(4, kColPower);
    keys.Press(Qt::Key_Space);
    EXPECT_FALSE(Action(EditRedo)->isEnabled()) << "the undone toggles are gone";
    EXPECT_EQ(Shown(Action(EditRedo)->text()), "Redo");
    EXPECT_EQ(Steps(), 2);
    Redo(false);
    EXPECT_EQ(Cell(Grid(), 2, kColScan), "S") << "nothing to redo";
    Undo();
    Undo();
    EXPECT_EQ(Plan(), original);
    EXPECT_EQ(Shown(Action(EditUndo)->text()), "Undo");

    // A step's name says what the editor changed.
    prompts.ScriptDialog([this](QDialog& dialog) {
        ActivateForKeys(dialog);
        keys.Type("150.505");  // on the 5 kHz raster, as its TX frequency
        keys.Press(Qt::Key_Return);
    });
    GoTo(5, kColRxFreq);
    keys.Press(Qt::Key_Return);
    EXPECT_EQ(Shown(Action(EditUndo)->text()), "Undo Channel 5 RX Frequency");
    prompts.ScriptDialog([](QDialog& dialog) {
        Click(Button(dialog, "rxNsc1"));
        Type(Box(dialog, "rxNsc1Tone"), QStringLiteral("100"));
        QTest::keyClick(Box(dialog, "rxNsc1Tone"), Qt::Key_Return);
    });
    keys.Press(Qt::Key_F2);
    EXPECT_EQ(Shown(Action(EditUndo)->text()), "Undo NSC-1 Tone")
        << "the radio's, not the channel's";
    prompts.ScriptDialog([](QDialog& dialog) {
        QTest::mouseClick(Button(dialog, "beepButton"), Qt::LeftButton);
        QTest::mouseClick(Button(dialog, "monitorButton"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(Options)->trigger();
    EXPECT_EQ(Shown(Action(EditUndo)->text()), "Undo Monitor, Beep") << "one step per session";
    Undo();
    EXPECT_EQ(Doc().m_bBeepOff, 0);
    EXPECT_EQ(Doc().m_bMonitor, 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PlanHistory, UndoingBackToTheLastSaveIsNoChangeAndEachNewPlanStartsWithoutHistory) {
    StartWithSample();
    ToggleScan(1);
    prompts.AnswerFileDialog(QPath("saved.kmd16"));
    Action(FileSave)->trigger();
    ToggleScan(2);
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - saved.kmd16*");
    Undo();
    EXPECT_FALSE(Modified());
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5 - saved.kmd16");
    Undo();
    EXPECT_TRUE(Modified()) << "before the save";
    Redo(false);
    EXPECT_FALSE(Modified());
    Redo(true);
    EXPECT_TRUE(Modified());

    prompts.AnswerQuestion(QuestionAnswer::Discard);
    OpenPlan(File("plan.kmd16"));
    EXPECT_FALSE(Action(EditUndo)->isEnabled());
    EXPECT_FALSE(Action(EditRedo)->isEnabled());
    EXPECT_EQ(Steps(), 0);
    ToggleScan(1);
    prompts.AnswerQuestion(QuestionAnswer::Discard);
    NewPlan(kBandUhf2, false);
    EXPECT_EQ(Steps(), 0);
    FocusGrid(Frame(), *View().m_Grid4);
    Undo();
    EXPECT_EQ(Doc().m_nBand, kBandUhf2) << "nothing of the earlier plan comes back";
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 0.0);
}

}  // namespace
