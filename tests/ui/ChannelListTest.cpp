// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in the desktop: rows selected on the grid, copied and pasted through the
// clipboard with the keyboard, and File > Import CSV... / Export CSV....
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <fstream>

#include "EditorTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"

namespace {

using enum CommandId;
using Texts = std::vector<std::string>;

class ChannelLists : public UiTest {
protected:
    void OpenSample() {
        ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
    }
    CMSFlexGrid& Grid() { return *View().m_Grid16; }
    QPoint Centre(int row, int col) {
        Grid().scrollToItem(Grid().item(row, col));
        return Grid().visualItemRect(Grid().item(row, col)).center();
    }
    void ClickCell(int row, int col, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, modifiers, Centre(row, col));
    }
    // The channel number column is the grid's row header.
    void DragOnRowHeaders(int from, int to) {
        QTest::mousePress(Grid().viewport(), Qt::LeftButton, {}, Centre(from, kColChannel));
        for (int row = from; row <= to; ++row) {
            QMouseEvent move(QEvent::MouseMove, Centre(row, kColChannel),
                             Grid().viewport()->mapToGlobal(Centre(row, kColChannel)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Grid().viewport(), &move);
        }
        QTest::mouseRelease(Grid().viewport(), Qt::LeftButton, {}, Centre(to, kColChannel));
    }
    // Ctrl+C and Ctrl+V are the Edit menu's keys: they reach it while the window is active.
    void Key(Qt::Key key) {
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&Grid(), key, Qt::ControlModifier);
    }
    static QClipboard& Clipboard() { return *QGuiApplication::clipboard(); }
    // Columns 1 to 10 of a channel row as the grid shows them.
    Texts Row(int row) {
        Texts texts;
        for (int c = kColRxFreq; c < kGridColumnCount; ++c) texts.push_back(Cell(Grid(), row, c));
        return texts;
    }
    std::vector<Texts> AllRows() {
        std::vector<Texts> rows;
        for (int n = 1; n <= 16; ++n) rows.push_back(Row(n));
        return rows;
    }
    void WriteList(const std::string& name, const std::string& text) {
        std::ofstream(File(name), std::ios::binary) << text;
    }
    static Texts Items(const QDialog& dialog, const char* list) {
        Texts items;
        const auto* widget = Find<QListWidget>(dialog, list);
        for (int i = 0; i < widget->count(); ++i)
            items.push_back(widget->item(i)->text().toStdString());
        return items;
    }
    std::vector<std::uint8_t> Saved() { return datafile::SerializeDocument(Doc()); }
};

TEST_F(ChannelLists, RowHeadersSelectByClickShiftClickCtrlClickAndDrag) {
    Start();
    OpenSample();
    ClickCell(2, kColChannel);
    ClickCell(4, kColChannel, Qt::ShiftModifier);
    ClickCell(7, kColChannel, Qt::ControlModifier);
    EXPECT_EQ(Grid().SelectedRows(), (std::vector<int>{2, 3, 4, 7}));
    DragOnRowHeaders(9, 11);
    EXPECT_EQ(Grid().SelectedRows(), (std::vector<int>{9, 10, 11}));
    ClickCell(0, kColRxFreq);  // the title row is no channel
    EXPECT_TRUE(Grid().SelectedRows().empty());
    EXPECT_TRUE(prompts.dialogsRun.empty()) << "single clicks edit nothing";
}

TEST_F(ChannelLists, CtrlCCopiesTheSelectedRowsAndCtrlVPastesThemFromTheCurrentChannelDown) {
    Start();
    OpenSample();
    ClickCell(1, kColChannel);
    ClickCell(2, kColChannel, Qt::ShiftModifier);
    Key(Qt::Key_C);
    const QStringList lines = Clipboard().text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Location\tName\tFrequency\tDuplex\tOffset\tTone"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("1\t\t146.520000\t\t0.000000\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("2\t\t147.300000\t+\t0.600000\tTSQL"))
        << lines[2].toStdString();

    ClickCell(13, kColRxFreq);
    Key(Qt::Key_V);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Row(13), Row(1));
    EXPECT_EQ(Row(14), Row(2));
    EXPECT_EQ(Doc().Channel(14).m_dTxFreq, 147.9);
    EXPECT_EQ(Doc().Channel(14).m_bScan, 1);
    EXPECT_EQ(Row(15), Texts(10, "")) << "nothing below the pasted rows changes";
}

TEST_F(ChannelLists, SpreadsheetRowsArePastedAsAnImportWouldTakeThemAndRefusalsListed) {
    Start();
    OpenSample();
    Clipboard().setText(
        "Frequency\tDuplex\tOffset\tTone\tcToneFreq\tPower\n"
        "147.0\t+\t0.6\tTSQL\t100.0\tLow\n"
        "500.0\t\t\t\t\t\n"
        "148,5\t\t\t\t\t\n");
    ClickCell(14, kColTxValue);
    Key(Qt::Key_V);
    EXPECT_EQ(Row(14), (Texts{"147.0000", "CTCSS", "100.0", "147.6000", "CTCSS", "100.0", "", "",
                              "L", "N"}));
    EXPECT_EQ(Cell(Grid(), 15, kColRxFreq), "");
    EXPECT_EQ(Cell(Grid(), 16, kColRxFreq), "148.5000");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kRowsNotPasted);
    EXPECT_EQ(prompts.messages[0].detail.toStdString(),
              "row 3, channel 15: Frequency 500.000000: Valid Settings 146Mhz to 174Mhz");
    // A long list of junk: the first hundred refusals, then how many more.
    std::string junk = "Frequency\n";
    for (int i = 0; i < 150; ++i) junk += "1\n";
    EXPECT_FALSE(View().PasteRows(junk));
    const QStringList lines = prompts.messages.back().detail.split('\n');
    EXPECT_EQ(lines.size(), 101);
    EXPECT_EQ(lines.back().toStdString(), "... and 50 more rows refused");
}

TEST_F(ChannelLists, ImportShowsWhatChangesAndChangesThePlanOnlyOnOk) {
    Start();
    OpenSample();
    WriteList("list.csv", "Location,Frequency,Power\n3,152.000000,Low\n20,150,High\n");
    const auto before = Saved();
    auto importWith = [&](const char* button) {
        prompts.AnswerFileDialog(QPath("list.csv"));
        prompts.ScriptDialog([button](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Import CSV");
            EXPECT_EQ(TextOf(dialog, "summaryLabel"), "rows taken: 1, refused: 1");
            EXPECT_EQ(Items(dialog, "changesList"),
                      (Texts{"channel 3: Rx Freq 151.6250 -> 152.0000",
                             "channel 3: Tx Freq 151.6250 -> 152.0000", "channel 3: Pwr H -> L"}));
            EXPECT_EQ(Items(dialog, "refusedList"),
                      (Texts{"row 3, channel 20: No such channel in this plan !"}));
            QTest::mouseClick(Button(dialog, button), Qt::LeftButton);
        });
        Action(FileImportCsv)->trigger();
    };
    importWith("cancelButton");
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(Cell(Grid(), 3, kColRxFreq), "151.6250");
    importWith("okButton");
    EXPECT_EQ(Cell(Grid(), 3, kColRxFreq), "152.0000");
    EXPECT_EQ(Cell(Grid(), 3, kColRxSquelch), "DCS") << "the list has no Tone column";
    EXPECT_EQ(Cell(Grid(), 3, kColPower), "L");
    EXPECT_EQ(Doc().Channel(3).m_dTxFreq, 152.0);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ChannelLists, AFileThatIsNoChannelListIsRefusedAndNoRowOfItTaken) {
    Start();
    OpenSample();
    const auto before = Saved();
    prompts.AnswerFileDialog(QPath("plan.kmd16"));
    Action(FileImportCsv)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), "Cannot Import File!");
    EXPECT_EQ(prompts.messages[0].detail.toStdString(),
              "the file holds binary data, not comma-separated text");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(prompts.dialogsRun.empty());
    EXPECT_EQ(Saved(), before);
}

TEST_F(ChannelLists, AnExportedListImportedIntoANewPlanShowsTheSameGrid) {
    Start();
    OpenSample();
    prompts.AnswerFileDialog(QPath("plan.csv"));
    Action(FileExportCsv)->trigger();
    ASSERT_EQ(prompts.fileDialogs.back().request.filter.toStdString(),
              "CSV Channel List (*.csv) | *.csv||");
    const std::vector<Texts> shown = AllRows();

    NewPlan(kBandVhf2, true);
    ASSERT_EQ(Row(1), Texts(10, ""));
    prompts.AnswerFileDialog(QPath("plan.csv"));
    prompts.ScriptDialog([](QDialog& dialog) {
        EXPECT_TRUE(Items(dialog, "refusedList").empty());
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    Action(FileImportCsv)->trigger();
    EXPECT_EQ(AllRows(), shown);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
