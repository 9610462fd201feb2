// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/dialogs/ChannelDlg.h"

namespace {

using V = std::vector<std::string>;

class GridEdit : public UiTest {
protected:
    void OpenSample(const CKM42Doc& doc = SamplePlan16()) {
        ASSERT_TRUE(datafile::SaveDocument(doc, File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
    }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    // The cell's text after each of `times` double-clicks on it.
    V TextsAfterDoubleClicks(int row, int col, int times) {
        V texts;
        for (int i = 0; i < times; ++i) {
            DoubleClickCell(Grid(), row, col);
            texts.push_back(Cell(Grid(), row, col));
        }
        return texts;
    }
    void ExpectOneAppMessage(const char* text) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(), text);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
        prompts.messages.clear();
    }
};

TEST_F(GridEdit, BeforeAnyPlanEveryCellAsksForOne) {
    Start();
    for (const auto& [row, col] : {std::pair{0, 0}, {1, 1}, {3, 8}, {16, 10}}) {
        DoubleClickCell(*View().m_Grid16, row, col);
        ExpectOneAppMessage("Please Create New Data First ! ");
    }
    DoubleClickCell(*View().m_Grid4, 2, 5);
    ExpectOneAppMessage("Please Create New Data First ! ");
    EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(GridEdit, TheTitleRowAndTheChannelNumbersEditNothing) {
    Start();
    OpenSample();
    const std::vector<std::uint8_t> before = datafile::SerializeDocument(Doc());
    for (const auto& [row, col] : {std::pair{0, 1}, {0, 8}, {0, 0}, {5, 0}})
        DoubleClickCell(Grid(), row, col);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.dialogsRun.empty());
    EXPECT_EQ(datafile::SerializeDocument(Doc()), before);
    EXPECT_EQ(Cell(Grid(), 0, 8), "P");
}

TEST_F(GridEdit, OnlyOneChannelCanBeThePriorityChannel) {
    Start();
    OpenSample();  // channel 5 is the priority channel
    DoubleClickCell(Grid(), 2, kColPriority);
    ExpectOneAppMessage("The priority channel was already set up !");
    EXPECT_EQ(Cell(Grid(), 2, kColPriority), "");
    EXPECT_EQ(Doc().Channel(2).m_bPriority, 0);

    DoubleClickCell(Grid(), 5, kColPriority);
    EXPECT_EQ(Cell(Grid(), 5, kColPriority), "");
    EXPECT_EQ(Doc().m_bPriorityUsed, 0);
    DoubleClickCell(Grid(), 2, kColPriority);
    EXPECT_EQ(Cell(Grid(), 2, kColPriority), "P");
    EXPECT_EQ(Doc().Channel(2).m_bPriority, 1);
    EXPECT_EQ(Doc().m_bPriorityUsed, 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridEdit, FlagCellsAlternateWithTheirFlags) {
    Start();
    OpenSample();  // channel 1: scan, high power, narrow spacing
    EXPECT_EQ(TextsAfterDoubleClicks(1, kColScan, 3), (V{"", "S", ""}));
    EXPECT_EQ(Doc().Channel(1).m_bScan, 0);
    EXPECT_EQ(TextsAfterDoubleClicks(1, kColPower, 3), (V{"L", "H", "L"}));
    EXPECT_EQ(Doc().Channel(1).m_bHighPower, 0);
    EXPECT_EQ(TextsAfterDoubleClicks(1, kColSpacing, 3), (V{"S", "N", "S"}));
    EXPECT_EQ(Doc().Channel(1).m_bStdSpacing, 1);
    EXPECT_EQ(Cell(Grid(), 2, kColScan), "S") << "no other cell changes";
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridEdit, FlagsOfAChannelWithoutRxFrequencyAreRefused) {
    Start();
    CKM42Doc doc = SamplePlan16();
    doc.Channel(13).m_dTxFreq = 150.0;  // a transmit frequency alone does not count
    OpenSample(doc);
    const std::vector<std::uint8_t> before = datafile::SerializeDocument(Doc());
    for (int col = kColScan; col <= kColSpacing; ++col) {
        DoubleClickCell(Grid(), 13, col);
        ExpectOneAppMessage("No frequency in this channel !");
        EXPECT_EQ(Cell(Grid(), 13, col), "") << col;
    }
    EXPECT_EQ(datafile::SerializeDocument(Doc()), before);
}

TEST_F(GridEdit, FrequencyAndSignallingCellsOpenTheEditorForTheirRow) {
    Start();
    NewPlan(kBandUhf2, false);
    for (int col = kColRxFreq; col <= kColTxValue; ++col) {
        prompts.ScriptDialog([col](QDialog& dialog) {
            auto& dlg = static_cast<CChannelDlg&>(dialog);
            EXPECT_EQ(dlg.m_nChannel, 3) << col;
            EXPECT_EQ(TextOf(dlg, "channelLabel"), "3");
            QTest::mouseClick(Button(dlg, "cancelButton"), Qt::LeftButton);
        });
        DoubleClickCell(*View().m_Grid4, 3, col);
    }
    EXPECT_EQ(prompts.dialogsRun.size(), 7u);  // the model dialog and six editors
}

TEST_F(GridEdit, OkRedrawsTheRowOfTheFourChannelGrid) {
    Start();
    NewPlan(kBandUhf2, false);
    prompts.ScriptDialog([](QDialog& dialog) {
        Activate(dialog);
        TypeAndLeave(Box(dialog, "rxFreq"), "460.25");
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    DoubleClickCell(*View().m_Grid4, 4, kColTxValue);
    EXPECT_EQ(Cell(*View().m_Grid4, 4, kColRxFreq), "460.2500");
    EXPECT_EQ(Cell(*View().m_Grid4, 4, kColPower), "H");
    EXPECT_EQ(Cell(*View().m_Grid16, 4, kColRxFreq), "");
    // Now the channel has a frequency, its flags toggle.
    DoubleClickCell(*View().m_Grid4, 4, kColScan);
    EXPECT_EQ(Cell(*View().m_Grid4, 4, kColScan), "S");
}

}  // namespace
