// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/WriteDlg.h"

#include <QtGlobal>
#include <algorithm>

#include "codec/ImageCodec.h"

namespace {
constexpr CRadioExchangeDlg::Layout kWriteLayout{
    QT_TRANSLATE_NOOP("msg", "Write to Radio"), "writeDlg", 187, 54, 16, 7, 156, 8, 7, 25, 173, 14,
};
}  // namespace

CWriteDlg::CWriteDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts, QWidget* parent)
    : CRadioExchangeDlg(port, imageCopy, prompts, kWriteLayout, parent) {}

void CWriteDlg::EncodeImage() {
    ::EncodeImage(m_Plan, m_WriteImage);
}

void CWriteDlg::PrepareImage() {
    EncodeImage();
    std::copy_n(m_WriteImage.begin(), image::kBufferSize, m_ImageCopy.begin());
}

int CWriteDlg::DoModal(const CKM42Doc& plan) {
    m_Plan = plan;
    m_Checks = {};
    m_bJob = false;
    return RunDialog(plan.m_nComPort);
}

session::Result CWriteDlg::RunJob(const CKM42Doc& plan, const session::WriteChecks& checks) {
    m_Plan = plan;
    m_Checks = checks;
    m_bJob = true;
    SetStepsShown(true);
    StartStep(checks.readFirst ? session::Step::ReadFirst : session::Step::Write, 1,
              session::StepCount(checks));
    RunDialog(plan.m_nComPort);
    SetStepsShown(false);
    m_bJob = false;
    return m_Outcome;
}

session::Result CWriteDlg::RunSession(session::WriteUi& ui) {
    return session::RunWrite(m_Plan, m_Checks, ui);
}

void CWriteDlg::EndWith(const radiolink::ExchangeResult& result) {
    if (m_bJob)
        EndDialog();
    else
        CRadioExchangeDlg::EndWith(result);
}
