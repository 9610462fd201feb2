// SPDX-License-Identifier: GPL-3.0-or-later
// Program Several Radios and Radio History in the view: the job runs in its dialog over the
// radio session; the view checks the plan first as a write does, opens a radio's plan from the
// history as Open Backup opens one, and shows what a radio's job changed.
#include <QFileInfo>
#include <QString>

#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "link/LineImageFile.h"
#include "model/Messages.h"
#include "ui/common/CorePaths.h"
#include "ui/common/FleetFiles.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/FleetDlg.h"
#include "ui/dialogs/HistoryDlg.h"
#include "ui/dialogs/TextDlg.h"
#include "ui/view/KM42View.h"
#include "ui/view/PlanChanges.h"

void CKM42View::OnFleetJob() {
    if (!IsEncodable()) return;
    // The log names the plan's own file from the root (it is read long after, from anywhere),
    // or what the title calls the plan.
    const std::string planName = m_strPlanPath.isEmpty()
                                     ? m_pPlanChanges->Name().toStdString()
                                     : CorePath(QFileInfo(m_strPlanPath).absoluteFilePath());
    m_pFleetDlg->DoModal(m_doc, planName);
}

void CKM42View::OnFileRadioHistory() {
    const QString folder = LoadLogFolder();
    if (folder.isEmpty()) {
        AppMessageBox(m_prompts, this, msg::kNoDataFolder);
        return;
    }
    const std::optional<std::string> image =
        m_pHistoryDlg->ChooseBackup(CorePath(LogPathIn(folder)));
    if (image && AskToSaveChanges()) OpenBackupImage(*image);
}

bool CKM42View::OpenBackupImage(const std::string& imagePath) {
    if (const std::string plan = BackupPlanBeside(imagePath); !plan.empty())
        return OpenBackupPlan(QtPath(plan));
    std::string failure;
    const std::optional<radiolink::LineImage> memory = radiolink::LoadLineImage(imagePath, failure);
    if (!memory) {
        AppMessageBox(m_prompts, this, msg::kCannotOpenFile, failure);
        return false;
    }
    // Onto the plan as it is, as a read does: what the image does not carry stays.
    ::DecodeImage(image::ImageFromBytes(*memory), m_doc);
    ShowPlan(GridFill::SetUpAndFill);
    m_nOpenFilter = 2;
    m_strPlanPath.clear();
    m_pPlanChanges->StartPlan(QFileInfo(QtPath(imagePath)).fileName());
    return true;
}

void CKM42View::ShowBeforeAndAfter(const fleet::LogLine& line) {
    const BackupComparison comparison = CompareBackups(line);
    if (!comparison.failure.empty()) {
        AppMessageBox(m_prompts, m_pHistoryDlg, msg::kCannotOpenFile, comparison.failure);
        return;
    }
    CTextDlg dialog(Tr(msg::kCompareTitle), QString::fromStdString(comparison.text), m_pHistoryDlg);
    m_prompts.ExecDialog(dialog);
}
