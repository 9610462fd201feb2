// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BackupsDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {

constexpr int kMinimumWidthChars = 72;
constexpr int kMinimumRows = 16;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList RowTexts(const backup::BackupEntry& entry) {
    return {
        Text(backup::StampText(entry.name.stamp)),
        QString::fromUtf8(backup::DirectionText(entry.name.direction)), Text(entry.name.model),
        Text(ShortBandName(entry.band)),
        Text(FormatText(TrFormat(msg::kBackupChannelsInUse), entry.channelsInUse, entry.channels))};
}

}  // namespace

CBackupsDlg::CBackupsDlg(CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("backupsDlg"));
    setWindowTitle(Tr(msg::kOpenBackupTitle));

    m_pFolderText = new QLabel(this);
    m_pFolderText->setObjectName(QStringLiteral("folderText"));
    m_pFolderText->setWordWrap(true);
    m_pFolderText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("backupList"));
    m_pList->setAccessibleName(Tr(msg::kNameBackupList));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);  // hundreds of rows lay out at once
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const char* title : msg::kBackupColumns) titles << Tr(title);
    m_pList->setHeaderLabels(titles);
    m_pList->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumWidthChars);
    m_pList->setMinimumHeight(fontMetrics().lineSpacing() * kMinimumRows);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    m_pButtons->setObjectName(QStringLiteral("buttons"));
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        m_pButtons->button(QDialogButtonBox::Open)->setEnabled(current != nullptr);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pFolderText);
    layout->addWidget(m_pList, 1);
    layout->addWidget(m_pButtons);
}

std::optional<QString> CBackupsDlg::ChoosePlan() {
    m_strFolder = backup::BackupFolder();
    m_Backups = backup::ListBackups(m_strFolder);
    MembersToControls();
    if (m_prompts.ExecDialog(*this) != QDialog::Accepted) return std::nullopt;
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (row < 0 || row >= static_cast<int>(m_Backups.entries.size())) return std::nullopt;
    return QFile::decodeName(m_Backups.entries[static_cast<std::size_t>(row)].planPath.c_str());
}

void CBackupsDlg::MembersToControls() {
    const char* heading = m_Backups.entries.empty() ? msg::kNoBackups : msg::kBackupFolderLabel;
    QString folderText = Text(FormatText(heading, m_strFolder.c_str()));
    if (!m_Backups.failure.empty()) folderText += '\n' + Text(m_Backups.failure);
    m_pFolderText->setText(folderText);

    m_pList->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(m_Backups.entries.size()));
    for (const backup::BackupEntry& entry : m_Backups.entries)
        rows << new QTreeWidgetItem(RowTexts(entry));  // owned by the list once added
    m_pList->addTopLevelItems(rows);
    for (int c = 0; c < m_pList->columnCount(); ++c) m_pList->resizeColumnToContents(c);
    m_pList->setCurrentItem(rows.isEmpty() ? nullptr : rows.front());
    m_pButtons->button(QDialogButtonBox::Open)->setEnabled(!rows.isEmpty());
    m_pList->setFocus();
}
