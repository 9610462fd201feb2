// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QSignalSpy>

#include "SamplePlan.h"
#include "UiFixture.h"
#include "codec/ImageCodec.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"

namespace {

using enum CommandId;

const std::vector<std::string> kTitles = {
    "CH", "Rx Freq", "Squelch", "Value", "Tx Freq", "Squelch", "Value", "S", "P", "Pwr", "CS"};
const std::vector<long> kWidthsTwips = {500, 1200, 900, 800, 1200, 900, 800, 400, 400, 500, 500};

class GridView : public UiTest {
protected:
    std::string Caption() {
        return View().findChild<QLabel*>(QStringLiteral("bandCaption"))->text().toStdString();
    }
    std::vector<std::string> Row(const CMSFlexGrid& grid, int row) {
        std::vector<std::string> cells;
        for (int c = 1; c < kGridColumnCount; ++c) cells.push_back(Cell(grid, row, c));
        return cells;
    }
    void OpenSaved(const CKM42Doc& doc, const std::string& name) {
        ASSERT_TRUE(datafile::SaveDocument(doc, File(name)).ok);
        OpenPlan(File(name));
    }
    static QColor Background(CMSFlexGrid& grid, int row, int col) {
        return grid.item(row, col)->background().color();
    }
};

struct ModelCase {
    const char* name;
    int band;
    bool sixteen;
    const char* caption;
};
void PrintTo(const ModelCase& model, std::ostream* out) {
    *out << model.name;
}

class NewPlanGrid : public GridView, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(NewPlanGrid, ShowsTheModelsGridTitledNumberedAndEmpty) {
    const ModelCase model = GetParam();
    Start();
    NewPlan(model.band, model.sixteen);

    CMSFlexGrid& shown = model.sixteen ? *View().m_Grid16 : *View().m_Grid4;
    CMSFlexGrid& hidden = model.sixteen ? *View().m_Grid4 : *View().m_Grid16;
    const int channels = model.sixteen ? 16 : 4;
    EXPECT_TRUE(shown.isVisible());
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_EQ(shown.rowCount(), channels + 1);
    EXPECT_EQ(shown.columnCount(), 11);
    EXPECT_EQ(Caption(), model.caption);
    EXPECT_EQ(Doc().m_nBand, model.band);
    EXPECT_EQ(Doc().m_b16Channel != 0, model.sixteen);
    EXPECT_EQ(View().m_bDataReady, 1);

    const int dpi = shown.logicalDpiX();
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(Cell(shown, 0, c), kTitles[c]);
        EXPECT_EQ(Background(shown, 0, c), QColor(0xEF, 0xCD, 0xAB)) << "title " << c;
        EXPECT_EQ(shown.columnWidth(c),
                  static_cast<int>(std::lround(kWidthsTwips[c] * dpi / 1440.0)));
        EXPECT_EQ(shown.item(1, c)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
    }
    const QColor tooltipBase = shown.palette().color(QPalette::ToolTipBase);
    for (int n = 1; n <= channels; ++n) {
        EXPECT_EQ(Cell(shown, n, 0), std::to_string(n));
        EXPECT_EQ(Background(shown, n, 0), tooltipBase) << "row " << n;
        EXPECT_EQ(Row(shown, n), std::vector<std::string>(10, "")) << "row " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryModel, NewPlanGrid,
    ::testing::Values(ModelCase{"KM41", kBandVhf2, false, "VHF 2 (146 ~ 174 MHz)"},
                      ModelCase{"KM42", kBandUhf2, false, "UHF 2 (440 ~ 470 MHz)"},
                      ModelCase{"KM161", kBandVhf2, true, "VHF 2 (146 ~ 174 MHz)"},
                      ModelCase{"KM162", kBandUhf2, true, "UHF 2 (440 ~ 470 MHz)"}),
    [](const auto& test) { return std::string(test.param.name); });

// The sample plan stands for a plan a dealer made: the radio must be able to take it.
TEST(SamplePlan, IsAPlanTheRadioCanTake) {
    EXPECT_EQ(CheckEncodable(SamplePlan16()), std::nullopt);
}

TEST_F(GridView, BeforeAnyPlanBothGridsShowAndNothingIsCaptioned) {
    Start();
    EXPECT_TRUE(View().m_Grid16->isVisible());
    EXPECT_TRUE(View().m_Grid4->isVisible());
    EXPECT_EQ(Caption(), "");
    EXPECT_EQ(View().m_bDataReady, 0);
    EXPECT_EQ(View().m_nOpenFilter, 1);
    EXPECT_EQ(View().m_ImageCopy.size(), 2760u);
    for (std::uint8_t byte : View().m_ImageCopy) ASSERT_EQ(byte, 0);
}

TEST_F(GridView, MemoryMapButtonIsNeverShown) {
    Start();
    auto* button = View().findChild<QWidget*>(QStringLiteral("memoryMapButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isVisible());
    NewPlan(kBandVhf2, true);
    OpenSaved(SamplePlan16(), "sample.kmd16");
    EXPECT_FALSE(button->isVisible());
}

TEST_F(GridView, OpenFillsEveryKindOfCellFromTheDocument) {
    Start();
    OpenSaved(SamplePlan16(), "sample.kmd16");
    const CMSFlexGrid& grid = *View().m_Grid16;
    EXPECT_EQ(Caption(), "VHF 2 (146 ~ 174 MHz)");
    using V = std::vector<std::string>;
    EXPECT_EQ(Row(grid, 1), (V{"146.5200", "CSQ", "", "146.5200", "CSQ", "", "S", "", "H", "N"}));
    EXPECT_EQ(Row(grid, 2),
              (V{"147.3000", "CTCSS", "100.0", "147.9000", "CTCSS", "100.0", "S", "", "H", "N"}));
    EXPECT_EQ(Row(grid, 3),
              (V{"151.6250", "DCS", "023", "151.6250", "DCS", "023", "", "", "H", "N"}));
    EXPECT_EQ(Row(grid, 4),
              (V{"154.5700", "I-DCS", "754", "154.5700", "CSQ", "", "", "", "L", "N"}));
    EXPECT_EQ(Row(grid, 5),
              (V{"155.3400", "NSC-1", "123.4", "155.3400", "NSC-1", "123.4", "", "P", "H", "N"}));
    EXPECT_EQ(Row(grid, 6),
              (V{"158.7450", "NSC-2", " 88.8", "158.7450", "CTCSS", "67.0", "", "", "H", "S"}));
    EXPECT_EQ(Row(grid, 7), (V{"162.5500", "CSQ", "", "", "", "", "", "", "H", "N"}))
        << "CSQ without a transmit frequency shows nothing";
    for (int n = 13; n <= 16; ++n) EXPECT_EQ(Row(grid, n), V(10, "")) << "row " << n;
}

TEST_F(GridView, ReceiveCtcssWithoutTransmitFrequency) {
    Start();
    CKM42Doc doc = SamplePlan16();
    ChannelRecord& ch = doc.Channel(1);
    ch.m_dRxFreq = 146.5;
    ch.m_dTxFreq = 0.0;
    ch.m_nRxSquelch = kSquelchCtcss;
    ch.m_nRxCtcss = 1;
    ch.m_nTxSquelch = kSquelchCsq;
    ch.m_bScan = 0;
    OpenSaved(doc, "one.kmd16");
    EXPECT_EQ(Row(*View().m_Grid16, 1), (std::vector<std::string>{"146.5000", "CTCSS", "69.4", "",
                                                                  "", "", "", "", "H", "N"}));
}

TEST_F(GridView, FillEmptiesWhatAnEarlierPlanLeftInTheCells) {
    Start();
    OpenSaved(SamplePlan16(), "sample.kmd16");
    CKM42Doc doc = SamplePlan16();
    doc.Channel(2).m_dRxFreq = 0.0;  // transmit frequency and CTCSS stay
    OpenSaved(doc, "second.kmd16");
    EXPECT_EQ(Row(*View().m_Grid16, 2),
              (std::vector<std::string>{"", "CTCSS", "100.0", "147.9000", "CTCSS", "100.0", "", "",
                                        "", ""}));
}

TEST_F(GridView, DamagedValuesShowAsQuestionMarksAndAnUnknownBandAsVhf2) {
    Start();
    CKM42Doc doc = SamplePlan16();
    doc.m_nBand = 9;
    doc.Channel(2).m_nRxCtcss = 1000;
    doc.Channel(3).m_nTxDcs = -5;
    doc.Channel(4).m_nRxSquelch = 7;  // unknown type: empty type cell, value cell kept
    OpenSaved(doc, "damaged.kmd16");
    const CMSFlexGrid& grid = *View().m_Grid16;
    EXPECT_EQ(Caption(), "VHF 2 (146 ~ 174 MHz)");
    EXPECT_EQ(Cell(grid, 2, 3), "?");
    EXPECT_EQ(Cell(grid, 3, 6), "?");
    EXPECT_EQ(Cell(grid, 4, 2), "");
    EXPECT_EQ(Cell(grid, 4, 3), "") << "the set-up emptied it and the fill left it";
}

TEST_F(GridView, RowRefreshSpreadsTheNonStandardToneToEveryRowOfThatType) {
    Start();
    OpenSaved(SamplePlan16(), "sample.kmd16");
    CMSFlexGrid& grid = *View().m_Grid16;
    // As the channel editor leaves it: channel 3 on NSC-1, the tone written into every channel.
    ChannelRecord& ch3 = Doc().Channel(3);
    ch3.m_nRxSquelch = kSquelchNsc1;
    ch3.m_dTxFreq = 152.0;
    ch3.m_nTxSquelch = kSquelchCsq;
    ch3.m_bHighPower = 0;
    ch3.m_bScan = 1;  // the scan cell belongs to the flag toggles: not rewritten
    for (ChannelRecord& ch : Doc().m_Channel) ch.m_dRxNsc1 = ch.m_dTxNsc1 = 111.1;
    Doc().Channel(9).m_bHighPower = 0;  // changed behind the grid: row 9 must keep "H"

    View().UpdateGridRow16(3);
    using V = std::vector<std::string>;
    EXPECT_EQ(Row(grid, 3),
              (V{"151.6250", "NSC-1", "111.1", "152.0000", "CSQ", "", "", "", "L", "N"}));
    EXPECT_EQ(Cell(grid, 5, 3), "111.1");
    EXPECT_EQ(Cell(grid, 9, 3), "111.1");
    // Channel 5 transmits on NSC-1 too: its cell follows the tone now in force, although the
    // edited channel's transmit side is not NSC-1.
    EXPECT_EQ(Cell(grid, 5, 6), "111.1");
    EXPECT_EQ(Cell(grid, 9, 9), "H");
    EXPECT_EQ(Cell(grid, 6, 3), " 88.8");
}

TEST_F(GridView, RowRefreshOnTheTransmitSideAndAnEmptiedChannel) {
    Start();
    OpenSaved(SamplePlan16(), "sample.kmd16");
    CMSFlexGrid& grid = *View().m_Grid16;
    ChannelRecord& ch1 = Doc().Channel(1);
    ch1.m_nTxSquelch = kSquelchNsc2;
    for (ChannelRecord& ch : Doc().m_Channel) ch.m_dTxNsc2 = 99.9;
    Doc().Channel(12).m_nTxSquelch = kSquelchNsc2;
    View().UpdateGridRow16(1);
    EXPECT_EQ(Cell(grid, 1, 5), "NSC-2");
    EXPECT_EQ(Cell(grid, 1, 6), " 99.9");
    EXPECT_EQ(Cell(grid, 12, 6), " 99.9");
    EXPECT_EQ(Cell(grid, 12, 5), "CSQ") << "only the value cell of other rows changes";
    EXPECT_EQ(Cell(grid, 1, 7), "S");

    Doc().Channel(5).m_dRxFreq = 0.0;
    View().UpdateGridRow16(5);
    EXPECT_EQ(Row(grid, 5), (std::vector<std::string>{"", "NSC-1", "123.4", "155.3400", "NSC-1",
                                                      "123.4", "", "", "", ""}));
}

TEST_F(GridView, RowRefreshOfAChannelOutsideTheGridChangesNothing) {
    Start();
    NewPlan(kBandVhf2, false);
    Doc().Channel(1).m_dRxFreq = 150.0;
    View().UpdateGridRow4(0);
    View().UpdateGridRow4(5);
    View().UpdateGridRow4(-3);
    View().UpdateGridRow16(17);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(Row(*View().m_Grid4, n), std::vector<std::string>(10, "")) << n;
    View().UpdateGridRow4(1);
    EXPECT_EQ(Cell(*View().m_Grid4, 1, 1), "150.0000");
}

TEST_F(GridView, DoubleClickReachesTheGridsHandlerWithTheClickedCell) {
    Start();
    NewPlan(kBandVhf2, true);
    CMSFlexGrid& grid = *View().m_Grid16;
    QSignalSpy spy(&grid, &CMSFlexGrid::DblClick);
    DoubleClickCell(grid, 3, 7);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(grid.GetRow(), 3);
    EXPECT_EQ(grid.GetCol(), 7);

    NewPlan(kBandVhf2, false);
    CMSFlexGrid& small = *View().m_Grid4;
    QSignalSpy smallSpy(&small, &CMSFlexGrid::DblClick);
    DoubleClickCell(small, 4, 0);
    EXPECT_EQ(smallSpy.count(), 1);
    EXPECT_EQ(small.GetRow(), 4);
    EXPECT_EQ(small.GetCol(), 0);
    EXPECT_EQ(spy.count(), 1) << "the hidden grid raised nothing";
}

}  // namespace
