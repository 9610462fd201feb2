// Read from Radio and Write to Radio in the view: the exchanges themselves run in their
// dialogs; around them the view keeps backups, checks that a plan goes into the right radio
// and, where the user asked, reads the radio before and after a write.
#include <QString>
#include <filesystem>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "safety/WriteVerify.h"
#include "ui/KM42View.h"
#include "ui/PlanChanges.h"
#include "ui/ReadDlg.h"
#include "ui/UiPrompts.h"
#include "ui/WriteDlg.h"

void CKM42View::OnReadRadio() {
    if (!AskToSaveChanges()) return;
    // A complete read lays out and fills the grid itself.
    if (!ReadRadioFor(CReadDlg::Use::IntoPlan)) return;
    m_strPlanPath.clear();
    m_pPlanChanges->StartPlan(QString::fromUtf8(msg::kRadioPlanName));
}

void CKM42View::OnWriteRadio() {
    // A plan the radio's memory cannot hold is refused before the port is even opened.
    if (const std::optional<std::string> refusal = CheckEncodable(m_doc)) {
        AppMessageBox(m_prompts, this, refusal->c_str());
        return;
    }
    if (m_WriteChecks.readFirst && !ReadRadioFor(CReadDlg::Use::BesidePlan)) return;
    if (!ConfirmRightRadio()) return;
    if (OpenRadioPort() == 1) return;
    m_pWriteDlg->DoModal();
    if (!m_pWriteDlg->Completed()) return;
    KeepBackup(backup::Direction::Write, m_pWriteDlg->m_WriteImage, m_doc);
    if (m_WriteChecks.verify && !VerifyWrite()) return;
    m_pPlanChanges->MarkWritten();
}

bool CKM42View::ReadRadioFor(CReadDlg::Use use) {
    if (OpenRadioPort() == 1) return false;
    m_pReadDlg->DoModal(use);
    if (!m_pReadDlg->Completed()) return false;
    m_RadioReadLast = m_pReadDlg->RadioPlan();
    KeepBackup(backup::Direction::Read, m_pReadDlg->m_ReadImage, *m_RadioReadLast);
    return true;
}

bool CKM42View::ConfirmRightRadio() {
    if (!m_RadioReadLast) return true;
    const std::optional<RadioMismatch> mismatch = CompareRadio(*m_RadioReadLast, m_doc);
    if (!mismatch) return true;
    const std::string question =
        FormatText(msg::kWrongRadioQuestion, mismatch->radio.c_str(), mismatch->plan.c_str());
    return m_prompts.AskQuestion(this, QString::fromStdString(question), QuestionKind::YesNo) ==
           QuestionAnswer::Yes;
}

bool CKM42View::VerifyWrite() {
    const RadioImage sent = m_pWriteDlg->m_WriteImage;
    if (!ReadRadioFor(CReadDlg::Use::BesidePlan)) {
        AppMessageBox(m_prompts, this, msg::kVerifyNotRead);
        return false;
    }
    const verify::Comparison comparison = verify::CompareReadBack(sent, m_pReadDlg->m_ReadImage);
    const verify::Verdict verdict = verify::VerdictOf(comparison, kFindingsShown);
    AppMessageBox(m_prompts, this, verdict.text, verdict.detail);
    return comparison.same;
}

void CKM42View::KeepBackup(backup::Direction direction, const RadioImage& image,
                           const CKM42Doc& plan) {
    // Whatever happens to the backup, the exchange it follows stands: only the status bar says.
    const backup::KeepOutcome kept = backup::KeepBackup(direction, image, plan);
    const std::string note =
        kept.Kept()
            ? FormatText(msg::kBackupKept, std::filesystem::path(kept.planPath).stem().c_str())
            : FormatText(msg::kBackupNotKept, kept.failure.c_str());
    emit StatusNote(QString::fromStdString(note));
}
