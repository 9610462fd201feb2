// SPDX-License-Identifier: GPL-3.0-or-later
// Read from Radio and Write to Radio in the view: the radio session runs in the read and write
// dialogs (the exchanges, their backups); the view takes a complete read into the plan, checks
// the plan before a write, asks about the radio read last, and says once how a write with the
// Port menu's checks ended.
#include <QString>
#include <algorithm>
#include <filesystem>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "safety/WriteVerify.h"
#include "session/RadioSession.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/ReadDlg.h"
#include "ui/dialogs/WriteDlg.h"
#include "ui/view/KM42View.h"
#include "ui/view/PlanChanges.h"

void CKM42View::OnReadRadio() {
    if (!AskToSaveChanges()) return;
    if (OpenRadioPort() == 1) return;
    // A complete read has laid out and filled the grid (ShowReadPlan); the session keeps its
    // backup.
    m_pReadDlg->DoModal(m_doc.m_nComPort);
    if (!m_pReadDlg->Completed()) return;
    m_RadioReadLast = m_pReadDlg->RadioPlan();
    m_strPlanPath.clear();
    m_pPlanChanges->StartPlan(Tr(msg::kRadioPlanName));
}

bool CKM42View::IsEncodable() {
    const std::optional<std::string> refusal = CheckEncodable(m_doc);
    if (refusal) AppMessageBox(m_prompts, this, refusal->c_str());
    return !refusal;
}

void CKM42View::OnWriteRadio() {
    if (!IsEncodable()) return;
    // Without a read first, the radio read last in this run is the one asked about.
    if (!m_WriteChecks.readFirst && m_RadioReadLast) {
        if (const std::optional<RadioMismatch> mismatch = CompareRadio(*m_RadioReadLast, m_doc);
            mismatch && !AskWriteAnyway(m_prompts, *mismatch, this))
            return;
    }
    if (m_WriteChecks.readFirst || m_WriteChecks.verify) {
        RunWriteJob();
        return;
    }
    if (OpenRadioPort() == 1) return;
    m_pWriteDlg->DoModal(m_doc);
    if (m_pWriteDlg->Completed()) m_pPlanChanges->MarkWritten();
}

void CKM42View::RunWriteJob() {
    const session::Result outcome = m_pWriteDlg->RunJob(m_doc, m_WriteChecks);
    if (outcome.radio) m_RadioReadLast = outcome.radio;
    // The memory map shows the bytes that crossed the cable last (the write dialog has shown
    // those it sends).
    if (session::IsRead(outcome.step) && outcome.exchange.position > 0)
        std::copy_n(outcome.lastRead.begin(), image::kBufferSize, m_ImageCopy.begin());
    // A radio the user chose not to write into needs no word more.
    const Outcome said = session::OutcomeOf(outcome, kFindingsShown);
    if (!said.text.empty() && outcome.ending != session::Ending::Declined)
        ShowOutcome(m_prompts, this, said,
                    said.ok ? MessageIcon::Information : MessageIcon::Exclamation);
    if (outcome.ending == session::Ending::Written || outcome.ending == session::Ending::Verified)
        m_pPlanChanges->MarkWritten();
}

void CKM42View::ShowReadPlan(const RadioImage& image) {
    // Onto the plan as it is: what the image does not carry (the port choice) stays.
    ::DecodeImage(image, m_doc);
    ShowPlan(GridFill::SetUpAndFill);
}

void CKM42View::SayBackupKept(const backup::KeepOutcome& kept) {
    // Whatever happens to the backup, the exchange it follows stands: only the status bar says.
    const std::string note = kept.Kept()
                                 ? FormatText(TrFormat(msg::kBackupKept),
                                              std::filesystem::path(kept.planPath).stem().c_str())
                                 : FormatText(TrFormat(msg::kBackupNotKept), kept.failure.c_str());
    emit StatusNote(QString::fromStdString(note));
}
