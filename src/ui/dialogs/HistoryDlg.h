// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <optional>
#include <string>

#include "fleet/ProgrammingLog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class CUiPrompts;

// File > "Radio History...": the radios of the programming log, newest first, with their time,
// job, number, label, model, band, result and seconds; only those of one label when the label
// box names it (Enter). For the radio chosen, Open Before and Open After take the plan it held
// before or after its job, and Compare shows what the job changed; each where the line names
// that backup and it is still there.
class CHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CHistoryDlg(CUiPrompts& prompts, QWidget* parent);

    // Lists the log at `logPath` afresh and runs the dialog: the backup image chosen with
    // Open Before or Open After, or nullopt.
    std::optional<std::string> ChooseBackup(const std::string& logPath);

signals:
    // Compare, for the line chosen (it names both backups).
    void CompareRequested(const fleet::LogLine& line);

private:
    void MembersToControls();
    void ApplyFilter();
    void UpdateButtons();
    const fleet::LogLine* ChosenLine() const;
    void Choose(std::string fleet::LogLine::*backup);

    CUiPrompts& m_prompts;
    QLabel* m_pLogText = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QTreeWidget* m_pList = nullptr;
    QPushButton* m_pOpenBefore = nullptr;
    QPushButton* m_pOpenAfter = nullptr;
    QPushButton* m_pCompare = nullptr;
    std::string m_strLogPath;
    std::string m_strFilter;  // the label the list shows, empty for all
    fleet::History m_History;
    std::string m_strChosen;
};
