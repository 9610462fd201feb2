// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <vector>

#include "interchange/CsvImport.h"
#include "interchange/PlanDiff.h"

// "Import CSV": what a channel list will change in the plan (the fields that differ, and
// what was stored other than the list said), and the rows refused with their reasons. "OK"
// takes the list, "Cancel" leaves the plan as it is; "OK" stays greyed when no row is taken.
class CImportCsvDlg : public QDialog {
    Q_OBJECT
public:
    CImportCsvDlg(const csv::ImportOutcome& outcome, const std::vector<plandiff::DiffLine>& changes,
                  QWidget* parent);
};
