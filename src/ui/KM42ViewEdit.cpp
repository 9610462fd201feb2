// Editing a plan from its grid: the channel editor and the four flag toggles.
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
            EditChannel(row);
            break;
        case kColScan:
            ToggleFlag(row, ::ToggleScan);
            break;
        case kColPriority:
            ToggleFlag(row, ::TogglePriority);
            break;
        case kColPower:
            ToggleFlag(row, ::TogglePower);
            break;
        case kColSpacing:
            ToggleFlag(row, ::ToggleSpacing);
            break;
        default:  // the channel number
            break;
    }
}

void CKM42View::EditChannel(int row) {
    const CKM42Doc before = m_doc;
    m_pChannelDlg->m_nChannel = row;
    m_pChannelDlg->DoModal();
    // OK and Clear change the plan; Cancel leaves it as it was and records nothing.
    RecordPlanChange(before);
}

void CKM42View::ToggleFlag(int row, FlagOutcome (*toggle)(CKM42Doc&, int)) {
    const CKM42Doc before = m_doc;
    const FlagOutcome outcome = toggle(m_doc, row);
    if (!outcome.accepted) {
        AppMessageBox(m_prompts, this, outcome.message.c_str());
        return;
    }
    RecordPlanChange(before);
}
