// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a plan from its grid: the channel editor, the four flag toggles (on one channel or
// on a selection), clearing channels, and the Edit commands that act on the plan's history.
#include <QKeyEvent>
#include <algorithm>
#include <array>

#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/view/GridColumns.h"
#include "ui/view/KM42View.h"
#include "ui/view/PlanChanges.h"

namespace {

struct FlagColumn {
    int col;
    FlagOutcome (*toggle)(CKM42Doc&, int);
    CKM42View::FlagSetter set;  // nullptr: one channel at a time (a plan has one priority channel)
    std::int32_t ChannelRecord::*flag;
    const char* spokenOn;  // the flag's two states, for assistive technology
    const char* spokenOff;
};

constexpr std::array kFlagColumns = {
    FlagColumn{kColScan, ::ToggleScan, ::SetScan, &ChannelRecord::m_bScan, msg::kSpokenOn,
               msg::kSpokenOff},
    FlagColumn{kColPriority, ::TogglePriority, nullptr, &ChannelRecord::m_bPriority, msg::kSpokenOn,
               msg::kSpokenOff},
    FlagColumn{kColPower, ::TogglePower, ::SetHighPower, &ChannelRecord::m_bHighPower,
               msg::kSpokenHigh, msg::kSpokenLow},
    FlagColumn{kColSpacing, ::ToggleSpacing, ::SetStdSpacing, &ChannelRecord::m_bStdSpacing,
               msg::kSpokenStandard, msg::kSpokenNarrow},
};

const FlagColumn* FlagColumnOf(int col) {
    for (const FlagColumn& column : kFlagColumns)
        if (column.col == col) return &column;
    return nullptr;
}

// The frequency and signalling cells, which open the channel editor.
bool IsChannelColumn(int col) {
    return col >= kColRxFreq && col <= kColTxValue;
}

bool IsOpenKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
}

}  // namespace

void CKM42View::OnGridDblClick(CMSFlexGrid& grid) {
    const int row = static_cast<int>(grid.GetRow());
    // The title row names the columns; it edits nothing.
    if (m_bDataReady != 0 && (row < 1 || row >= grid.rowCount())) return;
    ActOnCell(row, static_cast<int>(grid.GetCol()), {});
}

bool CKM42View::OnGridKey(CMSFlexGrid& grid, const QKeyEvent& key) {
    // Plain keys only: Shift and Ctrl with Space or Enter keep their selection meanings.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const int row = grid.currentRow();
    const int col = grid.currentColumn();
    if (row < 1 || col < 1) return false;
    if (IsOpenKey(key.key()) && IsChannelColumn(col)) {
        ActOnCell(row, col, {});
        return true;
    }
    if (key.key() == Qt::Key_Space && FlagColumnOf(col) != nullptr) {
        ActOnCell(row, col, m_bDataReady != 0 ? SelectedChannels() : std::vector<int>{});
        return true;
    }
    return false;
}

void CKM42View::ActOnCell(int row, int col, const std::vector<int>& flagChannels) {
    if (m_bDataReady == 0) {
        AppMessageBox(m_prompts, this, msg::kCreateNewDataFirst);
        return;
    }
    if (IsChannelColumn(col)) {
        EditChannel(row);
        return;
    }
    const FlagColumn* flag = FlagColumnOf(col);
    if (flag == nullptr) return;  // the channel number
    if (flag->set == nullptr || flagChannels.size() < 2) {
        ToggleFlag(row, flag->toggle);
        return;
    }
    // The selection takes the state opposite to the one the current channel shows, or the
    // first selected channel with a frequency when the current one has none.
    int lead = row;
    if (!m_doc.Channel(row).InUse()) {
        const auto inUse = [this](int n) { return m_doc.Channel(n).InUse(); };
        const auto first = std::find_if(flagChannels.begin(), flagChannels.end(), inUse);
        if (first != flagChannels.end()) lead = *first;
    }
    SetFlagOfChannels(flagChannels, flag->set, m_doc.Channel(lead).*(flag->flag) == 0);
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

void CKM42View::SetFlagOfSelection(FlagSetter set, bool on) {
    if (m_bDataReady != 0) SetFlagOfChannels(SelectedChannels(), set, on);
}

void CKM42View::SetFlagOfChannels(const std::vector<int>& channels, FlagSetter set, bool on) {
    const CKM42Doc before = m_doc;
    std::string refusal;
    bool accepted = false;
    for (const int n : channels) {
        const FlagOutcome outcome = set(m_doc, n, on);
        accepted = accepted || outcome.accepted;
        if (!outcome.accepted && refusal.empty()) refusal = outcome.message;
    }
    // Empty channels in a selection are passed over; only a selection of nothing else is
    // told, and once.
    if (!accepted && !refusal.empty()) {
        AppMessageBox(m_prompts, this, refusal.c_str());
        return;
    }
    RecordPlanChange(before);
}

std::vector<int> CKM42View::SelectedChannels() const {
    const CMSFlexGrid& grid = ShownGrid();
    std::vector<int> channels;
    for (const int row : grid.SelectedRows())
        if (row >= 1 && row <= m_doc.ChannelCount()) channels.push_back(row);
    if (channels.empty() && grid.currentRow() >= 1) channels.push_back(grid.currentRow());
    return channels;
}

void CKM42View::OnEditClear() {
    const std::vector<int> channels = m_bDataReady != 0 ? SelectedChannels() : std::vector<int>{};
    if (channels.empty()) return;
    const std::string list = ChannelRangesText(channels, msg::kQuestionRange);
    const char* format =
        channels.size() == 1 ? msg::kClearChannelQuestion : msg::kClearChannelsQuestion;
    const QString question = QString::fromStdString(FormatText(format, list.c_str()));
    if (m_prompts.AskQuestion(this, question, QuestionKind::YesNo) != QuestionAnswer::Yes) return;
    const CKM42Doc before = m_doc;
    for (const int n : channels) ClearChannel(m_doc, n);
    RecordPlanChange(before, PlanEditKind::Clear);
}

void CKM42View::OnEditUndo() {
    m_pPlanChanges->History().undo();
}

void CKM42View::OnEditRedo() {
    m_pPlanChanges->History().redo();
}

void CKM42View::OnEditSelectAll() {
    if (m_bDataReady == 0) return;
    CMSFlexGrid& grid = ShownGrid();
    grid.selectAll();
    grid.setFocus(Qt::ShortcutFocusReason);
}

void CKM42View::SpeakCell(long row, long col, GridCellSpeech& speech) const {
    speech.row = QString::fromStdString(
        FormatText(TrFormat(msg::kSpokenChannel), qUtf8Printable(speech.row)));
    if (col < 0 || col >= kGridColumnCount) return;
    if (const char* title = kGridColumns[static_cast<std::size_t>(col)].spokenTitle)
        speech.col = Tr(title);
    const FlagColumn* flag = FlagColumnOf(static_cast<int>(col));
    // An empty channel has no flags: its cells stay blank and read so.
    if (flag == nullptr || row < 1 || row > m_doc.ChannelCount() ||
        !m_doc.Channel(static_cast<int>(row)).InUse())
        return;
    const bool on = m_doc.Channel(static_cast<int>(row)).*(flag->flag) != 0;
    speech.value = Tr(on ? flag->spokenOn : flag->spokenOff);
}

bool CKM42View::eventFilter(QObject* watched, QEvent* event) {
    CMSFlexGrid* grid = watched == m_Grid16 ? m_Grid16 : (watched == m_Grid4 ? m_Grid4 : nullptr);
    if (grid != nullptr && event->type() == QEvent::KeyPress &&
        OnGridKey(*grid, *static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}
