// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in the view: File > Import CSV... and Export CSV..., and the grid's rows
// copied and pasted as spreadsheet text (Edit > Copy and Paste).
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>

#include "interchange/CsvExport.h"
#include "interchange/CsvFiles.h"
#include "interchange/CsvImport.h"
#include "interchange/PlanDiff.h"
#include "model/Messages.h"
#include "ui/common/CorePaths.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/ImportCsvDlg.h"
#include "ui/view/KM42View.h"

CMSFlexGrid& CKM42View::ShownGrid() const {
    return m_doc.m_b16Channel != 0 ? *m_Grid16 : *m_Grid4;
}

void CKM42View::FillShownGrid() {
    if (m_doc.m_b16Channel != 0)
        FillGrid16();
    else
        FillGrid4();
}

void CKM42View::OnFileImportCsv() {
    const std::optional<QString> path = m_prompts.GetOpenFileName(this, MakeRequest(kCsvFiles));
    if (!path) return;
    const csv::TextFileOutcome list = csv::ReadCsvFile(CorePath(*path));
    if (!list.file.ok) {
        ShowOutcome(m_prompts, this, list.file);
        return;
    }
    ImportCsvText(list.text);
}

bool CKM42View::ImportCsvText(const std::string& text) {
    CKM42Doc imported = m_doc;
    const csv::ImportOutcome outcome = csv::ImportCsv(imported, text);
    if (!outcome.list.ok) {
        ShowOutcome(m_prompts, this, outcome.list);
        return false;
    }
    CImportCsvDlg preview(outcome, plandiff::DiffPlans(m_doc, imported), this);
    if (m_prompts.ExecDialog(preview) != QDialog::Accepted) return false;
    const CKM42Doc before = m_doc;
    m_doc = imported;
    RecordPlanChange(before, PlanEditKind::Import);
    return true;
}

void CKM42View::OnFileExportCsv() {
    const std::optional<QString> path = AskSavePath(MakeRequest(kCsvFiles), {});
    if (!path) return;
    const Outcome outcome = csv::WriteCsvFile(CorePath(*path), csv::ExportCsv(m_doc));
    if (!outcome.ok) ShowOutcome(m_prompts, this, outcome);
}

std::string CKM42View::CopyRows() const {
    if (m_bDataReady == 0) return {};
    return csv::CopyRows(m_doc, SelectedChannels());
}

bool CKM42View::PasteRows(const std::string& text) {
    if (m_bDataReady == 0) {
        AppMessageBox(m_prompts, this, msg::kCreateNewDataFirst);
        return false;
    }
    // The channel the user is on: the table's own current row, which the grid's cell writes
    // (SetRow) do not move.
    const int first = std::max(1, ShownGrid().currentRow());
    const CKM42Doc before = m_doc;
    const csv::ImportOutcome outcome = csv::PasteRows(m_doc, text, first);
    if (!outcome.list.ok) {
        ShowOutcome(m_prompts, this, outcome.list);
        return false;
    }
    RecordPlanChange(before, PlanEditKind::Paste);
    if (!outcome.refused.empty()) {
        std::string refusals;
        for (const std::string& line : csv::RefusalLines(outcome))
            refusals += (refusals.empty() ? "" : "\n") + line;
        AppMessageBox(m_prompts, this, msg::kRowsNotPasted, refusals);
    }
    return !outcome.taken.empty();
}

void CKM42View::OnEditCopy() {
    if (m_bDataReady != 0)
        QGuiApplication::clipboard()->setText(QString::fromStdString(CopyRows()));
}

void CKM42View::OnEditPaste() {
    PasteRows(QGuiApplication::clipboard()->text().toStdString());
}
