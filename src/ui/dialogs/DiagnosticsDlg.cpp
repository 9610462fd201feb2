// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/DiagnosticsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "diagnostics/DiagnosticReport.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {
constexpr const char* kReportFilter = "Text File (*.txt) | *.txt||";
constexpr const char* kReportName = "prg715-diagnostics.txt";
}  // namespace

CDiagnosticsDlg::CDiagnosticsDlg(QWidget* parent)
    : QDialog(parent), m_pIncludePlan(new QCheckBox(Tr(msg::kDiagnosticsIncludePlan), this)) {
    setObjectName(QStringLiteral("diagnosticsDlg"));
    setWindowTitle(Tr(msg::kDiagnosticsCaption));
    auto* intro = new QLabel(Tr(msg::kDiagnosticsIntro), this);
    intro->setWordWrap(true);
    m_pIncludePlan->setObjectName(QStringLiteral("includePlan"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_pIncludePlan);
    layout->addWidget(buttons);
}

bool CDiagnosticsDlg::IncludeLastPlan() const {
    return m_pIncludePlan->isChecked();
}

void SaveDiagnosticReport(QWidget* parent, CUiPrompts& prompts) {
    CDiagnosticsDlg dialog(parent);
    if (prompts.ExecDialog(dialog) != QDialog::Accepted) return;
    const std::optional<QString> path = prompts.GetSaveFileName(
        parent, {QString::fromUtf8(kReportFilter), QString::fromUtf8(kReportName)});
    if (!path) return;
    diagnostics::ReportRequest request;
    request.program = "prg715";
    request.ownLines = {FormatText(msg::kVersionQt, qVersion(), QT_VERSION_STR)};
    request.includeLastPlan = dialog.IncludeLastPlan();
    const std::string file = path->toStdString();
    if (const fileio::Refusal refusal = diagnostics::SaveReport(file, request)) {
        AppMessageBox(prompts, parent, msg::kCannotSaveFile, file + ": " + *refusal);
        return;
    }
    const std::string saved = FormatText(TrFormat(msg::kDiagnosticsSaved), file.c_str());
    prompts.MessageBox(parent, QString::fromStdString(saved), MessageIcon::Information, {});
}
