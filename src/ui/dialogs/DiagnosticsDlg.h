// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QCheckBox;
class CUiPrompts;

// Help > Save Diagnostic Report...: says what the report holds and whether the last plan goes
// in (a customer's frequencies, so never unasked), then the file dialog, then the report.
class CDiagnosticsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDiagnosticsDlg(QWidget* parent);
    bool IncludeLastPlan() const;

private:
    QCheckBox* m_pIncludePlan;
};

// The whole command: the dialog, the file dialog, the report written, the outcome shown.
void SaveDiagnosticReport(QWidget* parent, CUiPrompts& prompts);
