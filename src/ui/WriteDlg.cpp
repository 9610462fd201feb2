#include "ui/WriteDlg.h"

#include <algorithm>

#include "codec/ImageCodec.h"
#include "ui/KM42View.h"

namespace {
constexpr CRadioExchangeDlg::Layout kWriteLayout{
    "Write to Radio", "writeDlg", 187, 54, 16, 7, 156, 8, 7, 25, 173, 14,
};
}  // namespace

CWriteDlg::CWriteDlg(CKM42View& view) : CRadioExchangeDlg(view, kWriteLayout) {}

void CWriteDlg::EncodeImage() {
    ::EncodeImage(View().GetDocument(), m_WriteImage);
}

void CWriteDlg::PrepareImage() {
    m_Plan = View().GetDocument();
    EncodeImage();
    std::copy_n(m_WriteImage.begin(), image::kBufferSize, View().m_ImageCopy.begin());
}

int CWriteDlg::DoModal() {
    m_Checks = {};
    m_bJob = false;
    return CRadioExchangeDlg::DoModal();
}

session::Result CWriteDlg::RunJob(const session::WriteChecks& checks) {
    m_Checks = checks;
    m_bJob = true;
    SetStepsShown(true);
    StartStep(checks.readFirst ? session::Step::ReadFirst : session::Step::Write, 1,
              session::StepCount(checks));
    CRadioExchangeDlg::DoModal();
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
