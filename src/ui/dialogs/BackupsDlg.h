// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QString>
#include <optional>

#include "safety/Backups.h"

class QDialogButtonBox;
class QLabel;
class QTreeWidget;
class CUiPrompts;

// File > "Open Backup...": the backups kept after reads and writes, newest first, with their
// time, direction, model, band and channels in use. Open (Enter, or a double-click on a row)
// takes the chosen backup's plan; Cancel takes none.
class CBackupsDlg : public QDialog {
    Q_OBJECT
public:
    CBackupsDlg(CUiPrompts& prompts, QWidget* parent);

    // Lists the backup folder afresh and runs the dialog: the chosen plan's path, or nullopt.
    std::optional<QString> ChoosePlan();

private:
    void MembersToControls();

    CUiPrompts& m_prompts;
    QLabel* m_pFolderText = nullptr;
    QTreeWidget* m_pList = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
    std::string m_strFolder;
    backup::BackupList m_Backups;
};
