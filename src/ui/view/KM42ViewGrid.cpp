// SPDX-License-Identifier: GPL-3.0-or-later
// The channel grids of the view: set-up, fill from the document, and the row refresh after
// the channel editor.
#include <utility>

#include "model/BandTable.h"
#include "model/PlanText.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/common/Translate.h"
#include "ui/view/GridColumns.h"
#include "ui/view/KM42View.h"

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
        SetCell(grid, 0, c, Tr(column.title).toStdString());
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
    UpdateSignalCells(grid, channel, true);
    UpdateSignalCells(grid, channel, false);
    RefreshToneCells(grid, channels);
    // Scan and priority keep their cells while the channel has a frequency: the flag toggles
    // own them.
    if (!ch.InUse()) {
        SetCell(grid, channel, kColScan, {});
        SetCell(grid, channel, kColPriority, {});
    }
    SetCell(grid, channel, kColPower, PowerCellText(ch));
    SetCell(grid, channel, kColSpacing, SpacingCellText(ch));
}

void CKM42View::UpdateSignalCells(CMSFlexGrid& grid, int channel, bool receive) {
    const ChannelRecord& ch = m_doc.Channel(channel);
    const SignalCells cells = SignalCellsFor(receive ? RxSide(ch) : TxSide(ch));
    SetCell(grid, channel, receive ? kColRxSquelch : kColTxSquelch, cells.squelch);
    if (cells.value) SetCell(grid, channel, receive ? kColRxValue : kColTxValue, *cells.value);
}

void CKM42View::RefreshToneCells(CMSFlexGrid& grid, int channels) {
    // The channel editor writes both non-standard tones into every channel, so every row on a
    // non-standard tone, either direction, shows the tone now in force (refreshing only rows
    // of the edited channel's own type and direction left stale tones on screen).
    for (int j = 1; j <= channels; ++j) {
        const ChannelRecord& ch = m_doc.Channel(j);
        for (const auto& [side, valueCol] :
             {std::pair{RxSide(ch), int{kColRxValue}}, std::pair{TxSide(ch), int{kColTxValue}}}) {
            if (side.squelch == kSquelchNsc1) SetCell(grid, j, valueCol, NscToneText(side.nsc1));
            if (side.squelch == kSquelchNsc2) SetCell(grid, j, valueCol, NscToneText(side.nsc2));
        }
    }
}
