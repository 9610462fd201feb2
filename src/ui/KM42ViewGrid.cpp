// The channel grids of the view: set-up, fill from the document, and the row refresh after
// the channel editor.
#include "model/BandTable.h"
#include "model/PlanText.h"
#include "ui/GridColumns.h"
#include "ui/KM42View.h"
#include "ui/MSFlexGrid.h"

namespace {

constexpr std::uint32_t kTitleBackColor = 0xABCDEF;     // Windows value: red EF, green CD, blue AB
constexpr std::uint32_t kNumberBackColor = 0x80000018;  // system colour 24: tooltip background
constexpr int kGrid16Channels = 16;
constexpr int kGrid4Channels = 4;

void SetCell(CMSFlexGrid& grid, int row, int col, const std::string& text) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetText(QString::fromStdString(text));
}

}  // namespace

void CKM42View::InitGrid16() {
    InitGrid(*m_Grid16, kGrid16Channels);
}
void CKM42View::InitGrid4() {
    InitGrid(*m_Grid4, kGrid4Channels);
}
void CKM42View::FillGrid16() {
    FillGrid(*m_Grid16, kGrid16Channels);
}
void CKM42View::FillGrid4() {
    FillGrid(*m_Grid4, kGrid4Channels);
}
void CKM42View::UpdateGridRow16(int channel) {
    UpdateGridRow(*m_Grid16, kGrid16Channels, channel);
}
void CKM42View::UpdateGridRow4(int channel) {
    UpdateGridRow(*m_Grid4, kGrid4Channels, channel);
}

void CKM42View::InitGrid(CMSFlexGrid& grid, int channels) {
    m_bDataReady = 1;
    for (int n = 1; n <= channels; ++n)
        for (int c = kColRxFreq; c < kGridColumnCount; ++c) SetCell(grid, n, c, {});
    for (int c = 0; c < kGridColumnCount; ++c) {
        const GridColumnInfo& column = kGridColumns[static_cast<std::size_t>(c)];
        grid.SetColAlignment(c, CMSFlexGrid::flexAlignCenterTop);
        grid.SetColWidth(c, column.widthTwips);
        SetCell(grid, 0, c, column.title);
        grid.SetCellBackColor(kTitleBackColor);
    }
    for (int n = 1; n <= channels; ++n) {
        SetCell(grid, n, kColChannel, FormatText("%d", n));
        grid.SetCellBackColor(kNumberBackColor);
    }
    MembersToControls();
    emit PlanLaidOut();
}

void CKM42View::FillGrid(CMSFlexGrid& grid, int channels) {
    m_strBandCaption = QString::fromUtf8(BandName(m_doc.m_nBand));
    for (int n = 1; n <= channels; ++n) {
        const ChannelRowText row = ChannelRowTexts(m_doc.Channel(n));
        for (int c = kColRxFreq; c < kGridColumnCount; ++c)
            if (const auto& text = row[static_cast<std::size_t>(c)]) SetCell(grid, n, c, *text);
    }
    MembersToControls();
}

void CKM42View::UpdateGridRow(CMSFlexGrid& grid, int channels, int channel) {
    if (channel < 1 || channel > channels) return;
    const ChannelRecord& ch = m_doc.Channel(channel);
    SetCell(grid, channel, kColRxFreq, FrequencyText(ch.m_dRxFreq));
    SetCell(grid, channel, kColTxFreq, FrequencyText(ch.m_dTxFreq));
    UpdateSignalCells(grid, channels, channel, true);
    UpdateSignalCells(grid, channels, channel, false);
    // Scan and priority keep their cells while the channel has a frequency: the flag toggles
    // own them.
    if (!ch.InUse()) {
        SetCell(grid, channel, kColScan, {});
        SetCell(grid, channel, kColPriority, {});
    }
    SetCell(grid, channel, kColPower, PowerCellText(ch));
    SetCell(grid, channel, kColSpacing, SpacingCellText(ch));
}

void CKM42View::UpdateSignalCells(CMSFlexGrid& grid, int channels, int channel, bool receive) {
    const auto sideOf = [receive](const ChannelRecord& ch) {
        return receive ? RxSide(ch) : TxSide(ch);
    };
    const int typeCol = receive ? kColRxSquelch : kColTxSquelch;
    const int valueCol = receive ? kColRxValue : kColTxValue;
    const SignalSide side = sideOf(m_doc.Channel(channel));
    const SignalCells cells = SignalCellsFor(side);
    SetCell(grid, channel, typeCol, cells.squelch);
    if (cells.value) SetCell(grid, channel, valueCol, *cells.value);

    // The channel editor writes the non-standard tones into every channel, so every row on
    // the same tone type shows the new tone too.
    if (side.squelch != kSquelchNsc1 && side.squelch != kSquelchNsc2) return;
    for (int j = 1; j <= channels; ++j) {
        const SignalSide other = sideOf(m_doc.Channel(j));
        if (other.squelch != side.squelch) continue;
        SetCell(grid, j, valueCol,
                NscToneText(side.squelch == kSquelchNsc1 ? other.nsc1 : other.nsc2));
    }
}
