// Editing a plan from its grid: the channel editor and the four flag toggles.
#include <QDialog>

#include "model/ChannelFlags.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/ChannelDlg.h"
#include "ui/KM42View.h"
#include "ui/MSFlexGrid.h"
#include "ui/UiPrompts.h"

void CKM42View::OnGridDblClick(CMSFlexGrid& grid) {
    if (m_bDataReady == 0) {
        AppMessageBox(m_prompts, this, msg::kCreateNewDataFirst);
        return;
    }
    const int col = static_cast<int>(grid.GetCol());
    const int row = static_cast<int>(grid.GetRow());
    // The title row names the columns; it edits nothing.
    if (row < 1 || row >= grid.rowCount()) return;
    switch (col) {
        case kColRxFreq:
        case kColRxSquelch:
        case kColRxValue:
        case kColTxFreq:
        case kColTxSquelch:
        case kColTxValue:
            EditChannel(grid, col, row);
            break;
        case kColScan:
            ToggleScan(grid, col, row);
            break;
        case kColPriority:
            TogglePriority(grid, col, row);
            break;
        case kColPower:
            TogglePower(grid, col, row);
            break;
        case kColSpacing:
            ToggleSpacing(grid, col, row);
            break;
        default:  // the channel number
            break;
    }
}

void CKM42View::EditChannel(CMSFlexGrid& grid, int /*col*/, int row) {
    m_pChannelDlg->m_nChannel = row;
    if (m_pChannelDlg->DoModal() != QDialog::Accepted) return;
    if (&grid == m_Grid16)
        UpdateGridRow16(row);
    else
        UpdateGridRow4(row);
}

namespace {

// A flag toggle's outcome on the double-clicked cell: its new text, or the refusal.
void ShowFlag(UiPrompts& prompts, QWidget* parent, CMSFlexGrid& grid, int col, int row,
              const FlagOutcome& outcome) {
    if (!outcome.accepted) {
        AppMessageBox(prompts, parent, outcome.message.c_str());
        return;
    }
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetText(QString::fromStdString(outcome.cellText));
}

}  // namespace

void CKM42View::ToggleScan(CMSFlexGrid& grid, int col, int row) {
    ShowFlag(m_prompts, this, grid, col, row, ::ToggleScan(m_doc, row));
}

void CKM42View::TogglePriority(CMSFlexGrid& grid, int col, int row) {
    ShowFlag(m_prompts, this, grid, col, row, ::TogglePriority(m_doc, row));
}

void CKM42View::TogglePower(CMSFlexGrid& grid, int col, int row) {
    ShowFlag(m_prompts, this, grid, col, row, ::TogglePower(m_doc, row));
}

void CKM42View::ToggleSpacing(CMSFlexGrid& grid, int col, int row) {
    ShowFlag(m_prompts, this, grid, col, row, ::ToggleSpacing(m_doc, row));
}
