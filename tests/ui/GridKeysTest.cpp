// SPDX-License-Identifier: GPL-3.0-or-later
// The channel grid by keyboard: the keys that edit and move, flags set on several channels at
// once, the grid's menu, and the keys it takes to enter a plan.
#include <QContextMenuEvent>
#include <QMenu>

#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/view/PlanChanges.h"

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
    void SelectDown(int row, int col, int more) {
        Grid().setCurrentCell(row, col);
        for (int i = 0; i < more; ++i) keys.Press(Qt::Key_Down, Qt::ShiftModifier);
    }
    std::vector<std::uint8_t> Plan() { return datafile::SerializeDocument(Doc()); }
    std::string UndoText() { return Shown(Action(EditUndo)->text()); }
    // One column's cells of channels first to last, joined: "S.SS" with "." for empty.
    std::string Cells(int col, int first, int last) {
        std::string cells;
        for (int n = first; n <= last; ++n)
            cells += Cell(Grid(), n, col).empty() ? "." : Cell(Grid(), n, col);
        return cells;
    }

    Keyboard keys;
};

TEST_F(GridKeys, EnterF2AndSpaceActWhereADoubleClickWouldAndTheOtherKeysMove) {
    Start();
    OpenSample();
    const std::vector<std::uint8_t> before = Plan();
    int opened = 0;
    for (const int key : {int{Qt::Key_Return}, int{Qt::Key_Enter}, int{Qt::Key_F2}}) {
        for (int col = kColRxFreq; col <= kColSpacing; ++col) {
            Grid().setCurrentCell(3, col);
            if (col <= kColTxValue)
                prompts.ScriptDialog([&opened](QDialog& dialog) {
                    opened += static_cast<CChannelDlg&>(dialog).m_nChannel == 3 ? 1 : 0;
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                });
            keys.Press(key);  // a dialog nobody scripted fails the test
        }
    }
    EXPECT_EQ(opened, 18);
    EXPECT_EQ(Plan(), before);
    EXPECT_EQ(QApplication::focusWidget(), &Grid()) << "the editor gives the keys back";

    // Space: the double-click's toggles and messages on flag cells, nothing elsewhere.
    for (int col = kColRxFreq; col <= kColSpacing; ++col) {
        Grid().setCurrentCell(1, col);
        keys.Press(Qt::Key_Space);
    }
    EXPECT_EQ(Cells(kColScan, 1, 1) + Cells(kColPower, 1, 1) + Cells(kColSpacing, 1, 1), ".LS");
    Grid().setCurrentCell(14, kColScan);
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), (V{msg::kPriorityAlreadySet, msg::kNoFrequency}));

    // The keys move over the channel cells, never onto the titles or the numbers.
    Grid().setCurrentCell(1, kColRxFreq);
    const std::vector<std::pair<int, std::pair<int, int>>> moves = {
        {Qt::Key_Up, {1, 1}},     {Qt::Key_Left, {1, 1}}, {Qt::Key_Right, {1, 2}},
        {Qt::Key_End, {1, 10}},   {Qt::Key_Home, {1, 1}}, {Qt::Key_PageDown, {16, 1}},
        {Qt::Key_PageUp, {1, 1}}, {Qt::Key_Tab, {1, 1}}};
    for (const auto& [key, cell] : moves) {
        keys.Press(key);
        EXPECT_EQ(CurrentCell(Grid()), cell) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(GridKeys, SpaceOnSeveralChannelsSetsTheFlagOnEveryOneInUseAsOneStep) {
    Start();
    CKM42Doc doc = SamplePlan16();  // 1-12 in use, 13-16 empty
    doc.Channel(11).m_bScan = 1;
    doc.Channel(12).m_bScan = 0;
    OpenSample(doc);
    SelectDown(10, kColScan, 6);  // to 16, which has no frequency: channel 10 decides
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Cells(kColScan, 10, 16), "SSS....");
    EXPECT_EQ(UndoText(), "Undo Scan on Channels 10, 12");
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Cells(kColScan, 10, 16), ".......");
    EXPECT_EQ(UndoText(), "Undo Scan on Channels 10-12");
    EXPECT_TRUE(prompts.messages.empty()) << "the empty channels are passed over silently";

    SelectDown(3, kColPower, 2);  // channel 3 is high: 3, 4 and 5 go low
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(Cells(kColPower, 3, 5), "LLL");
    SelectDown(7, kColPriority, 1);  // the priority channel stays one: only 8 is toggled
    keys.Press(Qt::Key_Space);
    SelectDown(13, kColSpacing, 3);  // nothing but empty channels: said once
    keys.Press(Qt::Key_Space);
    EXPECT_EQ(TakeMessages(prompts), (V{msg::kPriorityAlreadySet, msg::kNoFrequency}));
    EXPECT_EQ(View().PlanChanges().History().count(), 3);
}

TEST_F(GridKeys, TheGridsMenuAndTheEditCommandsActOnTheSelection) {
    Start();
    OpenSample();
    SelectDown(9, kColRxFreq, 2);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(Grid().viewport(), &menuKey);
    auto* menu = Frame().findChild<QMenu*>(QStringLiteral("gridMenu"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    V entries;
    for (const QAction* action : menu->actions())
        entries.push_back(action->isSeparator() ? "-" : Shown(action->text()));
    EXPECT_EQ(entries, (V{"Scan On", "Scan Off", "-", "Power High", "Power Low", "-", "Spacing S",
                          "Spacing N", "-", "Clear Channels", "-", "Copy", "Paste"}));
    QTest::keyClick(menu, Qt::Key_O);  // "Scan &On"
    EXPECT_EQ(Cells(kColScan, 9, 11), "SSS");
    Action(PowerLow)->trigger();
    Action(SpacingStandard)->trigger();
    EXPECT_EQ(Cells(kColPower, 9, 11) + Cells(kColSpacing, 9, 11), "LLLSSS");
    Action(EditCopy)->trigger();
    Grid().setCurrentCell(14, kColTxFreq);
    Action(EditPaste)->trigger();
    EXPECT_EQ(Cells(kColRxFreq, 14, 16), "167.2000169.0500171.0000");
    EXPECT_EQ(UndoText(), "Undo Paste Channels 14-16");

    // Delete clears the selection after one question; No leaves it.
    SelectDown(14, kColRxFreq, 2);
    const std::vector<std::uint8_t> pasted = Plan();
    prompts.AnswerQuestion(QuestionAnswer::No);
    keys.Press(Qt::Key_Delete);
    EXPECT_EQ(Plan(), pasted);
    prompts.AnswerQuestion(QuestionAnswer::Yes);
    Action(EditClear)->trigger();
    EXPECT_EQ(prompts.questions.back().text.toStdString(), "Clear channels 14 to 16?");
    EXPECT_EQ(prompts.questions.back().kind, QuestionKind::YesNo);
    EXPECT_EQ(Cells(kColRxFreq, 13, 16), "....");
    EXPECT_EQ(UndoText(), "Undo Clear Channels 14-16");
    EXPECT_TRUE(prompts.messages.empty());
}

// A 16-channel plan's frequencies by keyboard alone, from a new plan: for each channel Enter
// on its RX cell, the RX frequency, Tab, the TX frequency, Enter for OK, then Down.
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
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(keys.Presses(), digits + 16 * 4 - 1);
    std::cout << "[ figure ] 16 channels' RX and TX frequencies: " << keys.Presses()
              << " key presses, " << digits << " of them digits and points\n";
}

}  // namespace
