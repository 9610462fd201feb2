// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ImportCsvDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Messages.h"
#include "ui/common/Translate.h"

namespace {

constexpr int kMinimumWidth = 520;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* Heading(const char* text, const char* name, QWidget* parent) {
    auto* label = new QLabel(Tr(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

}  // namespace

CImportCsvDlg::CImportCsvDlg(const csv::ImportOutcome& outcome,
                             const std::vector<plandiff::DiffLine>& changes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("importCsvDlg"));
    setWindowTitle(Tr(msg::kImportCsvTitle));
    setMinimumWidth(kMinimumWidth);

    auto* changeList = new QListWidget(this);
    changeList->setObjectName(QStringLiteral("changesList"));
    changeList->setAccessibleName(Tr(msg::kImportChanges));
    for (const plandiff::DiffLine& line : changes)
        changeList->addItem(Text(plandiff::DiffLineSentence(line)));
    for (const csv::RowOutcome& note : outcome.notes)
        changeList->addItem(Text(csv::RowOutcomeText(note)));
    if (changeList->count() == 0) changeList->addItem(Tr(msg::kImportNoChanges));

    auto* refusedList = new QListWidget(this);
    refusedList->setObjectName(QStringLiteral("refusedList"));
    refusedList->setAccessibleName(Tr(msg::kImportRefusedRows));
    for (const std::string& line : csv::RefusalLines(outcome)) refusedList->addItem(Text(line));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setEnabled(!outcome.taken.empty());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(Tr(QT_TRANSLATE_NOOP("msg", "Cancel")), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(csv::ImportSummary(outcome).c_str(), "summaryLabel", this));
    layout->addWidget(Heading(msg::kImportChanges, "changesLabel", this));
    layout->addWidget(changeList, 2);
    if (!outcome.refused.empty()) {
        layout->addWidget(Heading(msg::kImportRefusedRows, "refusedLabel", this));
        layout->addWidget(refusedList, 1);
    } else {
        refusedList->hide();
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}
