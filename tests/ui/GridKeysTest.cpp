// The channel grid by keyboard: the keys that edit, move and select, the Edit menu's keys, the
// grid's menu, and flags set on several channels at once.
#include <QContextMenuEvent>
#include <QMenu>

#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/ChannelDlg.h"
#include "ui/Commands.h"
#include "ui/PlanChanges.h"

namespace {

using enum CommandId;
using V = std::vector<std::string>;

class GridKeys : public UiTest {
protected:
    void OpenSample(const CKM42Doc& doc = SamplePlan16()) {
        ASSERT_TRUE(datafile::SaveDocument(doc, File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
        FocusGrid(Frame(), Grid());
    }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    void GoTo(int row, int col) { Grid().setCurrentCell(row, col); }
    std::vector<std::uint8_t> Plan() { return datafile::SerializeDocument(Doc()); }
    int Steps() { return View().PlanChanges().History().count(); }
    std::string UndoText() { return Shown(Action(EditUndo)->text()); }
    V Column(int col) {
        V cells;
        for (int n = 1; n <= 16; ++n) cells.push_back(Cell(Grid(), n, col));
        return cells;
    }

    Keyboard keys;
};

TEST_F(GridKeys, EnterAndF2OpenTheEditorOnChannelCellsOnlyAndSpaceTogglesFlagCellsOnly) {
    Start();
    OpenSample();
    for (const int key : {int{Qt::Key_Return}, int{Qt::Key_Enter}, int{Qt::Key_F2}}) {
        for (int col = kColRxFreq; col <= kColTxValue; ++col) {
            GoTo(3, col);
            prompts.ScriptDialog([col](QDialog& dialog) {
                EXPECT_EQ(static_cast<CChannelDlg&>(dialog).m_nChannel, 3) << col;
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
            keys.Press(key);
        }
    }
    EXPECT_EQ(prompts.dialogsRun.size(), 18u);
    EXPECT_EQ(QApplication::focusWidget(), &Grid()) << "the editor gives the keys back";

    const std::vector<std::uint8_t> before = Plan();
    for (int col = kColScan; col <= kColSpacing; ++col) {
        GoTo(7, col);
        keys.Press(Qt::Key_Return);
        keys.Press(Qt::Key_F2);
    }
    GoTo(7, kColRxFreq);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Plan(), before) << "no key edits where it does not belong";
    EXPECT_EQ(prompts.dialogsRun.size(), 18u);

    // Space on the flags: the double-click's toggles, refusals and messages.
    const std::vector<std::pair<int, V>> toggles = {
        {kColScan, {"", "S"}}, {kColPower, {"L", "H"}}, {kColSpacing, {"S", "N"}}};
    for (const auto& [col, texts] : toggles) {
        GoTo(1, col);
        V shown;
        for (int i = 0; i < 2; ++i) {
            keys.Press(Qt::Key_Space);
            shown.push_back(Cell(Grid(), 1, col));
        }
        EXPECT_EQ(shown, texts) << col;
    }
    GoTo(2, kColPriority);
    keys.Press(Qt::Key_Space);
    GoTo(14, kColScan);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), (V{msg::kPriorityAlreadySet, msg::kNoFrequency}));
    GoTo(5, kColPriority);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Cell(Grid(), 5, kColPriority), "");
    EXPECT_EQ(Doc().m_bPriorityUsed, 0);
}

TEST_F(GridKeys, BeforeAnyPlanTheEditingKeysAskForOne) {
    Start();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    View().m_Grid16->setFocus();
    GoTo(2, kColRxFreq);
    keys.Press(Qt::Key_Return);
    GoTo(2, kColScan);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), (V{msg::kCreateNewDataFirst, msg::kCreateNewDataFirst}));
    EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(GridKeys, ArrowsHomeEndAndPagesMoveOverTheChannelCellsAndTabLeavesTheCellAsItIs) {
    Start();
    OpenSample();
    GoTo(1, kColRxFreq);
    using Cellpos = std::pair<int, int>;
    const std::vector<std::pair<int, Cellpos>> moves = {
        {Qt::Key_Up, {1, 1}},        {Qt::Key_Left, {1, 1}},  {Qt::Key_Right, {1, 2}},
        {Qt::Key_Down, {2, 2}},      {Qt::Key_End, {2, 10}},  {Qt::Key_Home, {2, 1}},
        {Qt::Key_PageDown, {16, 1}}, {Qt::Key_Down, {16, 1}}, {Qt::Key_PageUp, {1, 1}},
        {Qt::Key_Tab, {1, 1}},
    };
    for (const auto& [key, expected] : moves) {
        keys.Press(key);
        EXPECT_EQ(CurrentCell(Grid()), expected) << QKeySequence(key).toString().toStdString();
    }
    // The row of the current cell is the selection the Edit commands act on.
    keys.Press(Qt::Key_Down);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Grid().SelectedRows(), (std::vector<int>{2, 3, 4}));
    keys.Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(View().SelectedChannels().size(), 16u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridKeys, DeleteClearsTheSelectedChannelsAfterOneQuestion) {
    Start();
    OpenSample();
    const std::vector<std::uint8_t> before = Plan();
    GoTo(3, kColRxFreq);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    prompts.AnswerQuestion(QuestionAnswer::No);
    keys.Press(Qt::Key_Delete);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].text.toStdString(), "Clear channels 3 to 5?");
    EXPECT_EQ(prompts.questions[0].kind, QuestionKind::YesNo);
    EXPECT_EQ(Plan(), before);

    prompts.AnswerQuestion(QuestionAnswer::Yes);
    keys.Press(Qt::Key_Delete);
    for (int n = 3; n <= 5; ++n) EXPECT_EQ(Cell(Grid(), n, kColRxFreq), "") << n;
    EXPECT_EQ(Cell(Grid(), 6, kColRxFreq), "158.7450");
    EXPECT_EQ(Doc().m_bPriorityUsed, 0) << "channel 5 gave up the priority";
    EXPECT_EQ(UndoText(), "Undo Clear Channels 3-5");

    GoTo(8, kColTxFreq);
    prompts.AnswerQuestion(QuestionAnswer::Yes);
    keys.Press(Qt::Key_Delete);
    EXPECT_EQ(prompts.questions.back().text.toStdString(), "Clear channel 8?");
    EXPECT_EQ(UndoText(), "Undo Clear Channel 8");
    keys.Press(Qt::Key_Z, Qt::ControlModifier);
    keys.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Plan(), before);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridKeys, SpaceOnSeveralChannelsSetsTheFlagOnEveryOneInUseAsOneStep) {
    Start();
    CKM42Doc doc = SamplePlan16();  // 1-12 in use, 13-16 empty; 1, 2 and 8 scan; 4 low power
    doc.Channel(11).m_bScan = 1;
    doc.Channel(12).m_bScan = 0;
    OpenSample(doc);
    GoTo(10, kColScan);  // channel 10 scans not: all become scanning
    for (int i = 0; i < 6; ++i) keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Space);
    EXPECT_TRUE(prompts.messages.empty()) << "the empty channels are passed over silently";
    EXPECT_EQ(Column(kColScan),
              (V{"S", "S", "", "", "", "", "", "S", "", "S", "S", "S", "", "", "", ""}));
    EXPECT_EQ(Doc().Channel(13).m_bScan, 0);
    EXPECT_EQ(UndoText(), "Undo Scan on Channels 10, 12");
    EXPECT_EQ(Steps(), 1);

    // The current channel (16, the moving end) has no frequency: the first one selected that
    // has one decides, and all become the opposite of it.
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Column(kColScan),
              (V{"S", "S", "", "", "", "", "", "S", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(UndoText(), "Undo Scan on Channels 10-12");

    GoTo(3, kColPower);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Space);  // channel 3 is high: 3, 4 and 5 go low
    EXPECT_EQ(Column(kColPower)[2] + Column(kColPower)[3] + Column(kColPower)[4], "LLL");
    EXPECT_EQ(UndoText(), "Undo Power on Channels 3, 5");

    // The priority channel stays one: only the current channel is toggled.
    GoTo(7, kColPriority);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), V{msg::kPriorityAlreadySet});

    // A selection of empty channels only is told once.
    GoTo(13, kColSpacing);
    for (int i = 0; i < 3; ++i) keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), V{msg::kNoFrequency});
    EXPECT_EQ(Steps(), 3);
}

TEST_F(GridKeys, TheGridsMenuSetsFlagsOnTheSelectionAndClearsCopiesAndPastes) {
    Start();
    OpenSample();
    GoTo(9, kColRxFreq);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(Grid().viewport(), &menuKey);
    auto* menu = Frame().findChild<QMenu*>(QStringLiteral("gridMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    V entries;
    for (const QAction* action : menu->actions())
        entries.push_back(action->isSeparator() ? "-" : Shown(action->text()));
    EXPECT_EQ(entries, (V{"Scan On", "Scan Off", "-", "Power High", "Power Low", "-", "Spacing S",
                          "Spacing N", "-", "Clear Channels", "-", "Copy", "Paste"}));
    // Chosen by its key letter, as a keyboard user would.
    QTest::keyClick(menu, Qt::Key_O);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(Column(kColScan)[8] + Column(kColScan)[9] + Column(kColScan)[10], "SSS");
    EXPECT_EQ(UndoText(), "Undo Scan on Channels 9-11");

    const std::vector<std::tuple<CommandId, int, std::string>> commands = {
        {ScanOff, kColScan, ""},
        {PowerHigh, kColPower, "HHH"},
        {PowerLow, kColPower, "LLL"},
        {SpacingStandard, kColSpacing, "SSS"},
        {SpacingNarrow, kColSpacing, "NNN"}};
    for (const auto& [id, col, texts] : commands) {
        Action(id)->trigger();
        EXPECT_EQ(Column(col)[8] + Column(col)[9] + Column(col)[10], texts) << static_cast<int>(id);
    }
    Action(EditCopy)->trigger();
    GoTo(14, kColRxFreq);
    Action(EditPaste)->trigger();
    EXPECT_EQ(Column(kColRxFreq)[13], "167.2000");
    EXPECT_EQ(Column(kColRxFreq)[15], "171.0000");
    EXPECT_EQ(UndoText(), "Undo Paste Channels 14-16");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridKeys, TheEditKeysLeaveADialogsBoxToItself) {
    Start();
    OpenSample();
    GoTo(1, kColScan);
    keys.Press(Qt::Key_Space);  // one step to undo
    const std::vector<std::uint8_t> changed = Plan();
    GoTo(2, kColRxFreq);
    prompts.ScriptDialog([this](QDialog& dialog) {
        ActivateForKeys(dialog);
        QLineEdit* rx = Box(dialog, "rxFreq");
        ASSERT_EQ(QApplication::focusWidget(), rx)
            << "the editor opens in the RX box, not in "
            << QApplication::focusWidget()->objectName().toStdString();
        EXPECT_EQ(rx->selectedText(), rx->text()) << "typing replaces it";
        keys.Type("148");
        keys.Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(rx->text().toStdString(), "147.3000") << "Ctrl+Z undid the typing";
        keys.Press(Qt::Key_End);
        keys.Press(Qt::Key_Backspace);
        keys.Press(Qt::Key_Home);
        keys.Press(Qt::Key_Delete);
        EXPECT_EQ(rx->text().toStdString(), "47.300");
        keys.Press(Qt::Key_Escape);
    });
    keys.Press(Qt::Key_Return);
    EXPECT_EQ(Plan(), changed) << "neither Ctrl+Z nor Delete reached the plan";
    EXPECT_EQ(Steps(), 1);
    EXPECT_TRUE(prompts.questions.empty());
}

// A user enters a 16-channel plan's frequencies from a new plan, by keyboard alone: Enter on
// the channel's RX cell, the RX frequency, Tab, the TX frequency, Enter for OK, Down.
TEST_F(GridKeys, ASixteenChannelPlansFrequenciesTakeTheDigitsAndFourKeysAChannel) {
    Start();
    NewPlan(kBandUhf2, true);
    FocusGrid(Frame(), Grid());
    int digits = 0;
    for (int n = 1; n <= 16; ++n) {
        const QString rx = QString::number(450.0 + 0.0125 * n, 'f', 4);
        const QString tx = QString::number(455.0 + 0.0125 * n, 'f', 4);
        digits += static_cast<int>(rx.size() + tx.size());
        prompts.ScriptDialog([this, rx, tx](QDialog& dialog) {
            ActivateForKeys(dialog);
            keys.Type(rx);
            keys.Press(Qt::Key_Tab);
            keys.Type(tx);
            keys.Press(Qt::Key_Return);
        });
        keys.Press(Qt::Key_Return);
        if (n < 16) keys.Press(Qt::Key_Down);
    }
    for (int n = 1; n <= 16; ++n) {
        EXPECT_NEAR(Doc().Channel(n).m_dRxFreq, 450.0 + 0.0125 * n, 1e-9) << n;
        EXPECT_NEAR(Doc().Channel(n).m_dTxFreq, 455.0 + 0.0125 * n, 1e-9) << n;
    }
    EXPECT_EQ(Cell(Grid(), 16, kColTxFreq), "455.2000");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(digits, 16 * 16);
    EXPECT_EQ(keys.Presses(), digits + 16 * 4 - 1);
    std::cout << "[ figure ] 16 channels' RX and TX frequencies: " << keys.Presses()
              << " key presses, " << digits << " of them digits and points\n";
}

}  // namespace
