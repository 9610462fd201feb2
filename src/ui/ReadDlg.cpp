#include "ui/ReadDlg.h"

#include <algorithm>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "ui/KM42View.h"

namespace {
constexpr CRadioExchangeDlg::Layout kReadLayout{
    "Read from Radio", "readDlg", 187, 49, 19, 7, 149, 8, 7, 23, 173, 14,
};
}  // namespace

CReadDlg::CReadDlg(CKM42View& view) : CRadioExchangeDlg(view, kReadLayout) {}

void CReadDlg::PrepareImage() {
    std::fill_n(View().m_ImageCopy.begin(), image::kBufferSize, std::uint8_t{0});
    m_ReadImage.fill(0);
}

radiolink::ExchangeResult CReadDlg::RunExchange(radiolink::RadioLine& line,
                                                const radiolink::ExchangeOptions& options) {
    return radiolink::ReadRadio(line, m_ReadImage, options);
}

const char* CReadDlg::AnsweredStatus() const {
    return msg::kReading;
}

void CReadDlg::AfterExchange() {
    // Every byte the radio sent, also from a read that broke off (the memory map shows them).
    // Bytes not received are still the zeros of the initialisation.
    std::copy_n(m_ReadImage.begin(), image::kBufferSize, View().m_ImageCopy.begin());
}

int CReadDlg::DoModal(Use use) {
    m_Use = use;
    return CRadioExchangeDlg::DoModal();
}

void CReadDlg::DecodeImage() {
    if (m_Use == Use::BesidePlan) m_RadioPlan = CKM42Doc{};
    ::DecodeImage(m_ReadImage, Target());
}

CKM42Doc& CReadDlg::Target() {
    return m_Use == Use::IntoPlan ? View().GetDocument() : m_RadioPlan;
}

const CKM42Doc& CReadDlg::RadioPlan() {
    return Target();
}

void CReadDlg::OnComplete() {
    DecodeImage();
    if (m_Use == Use::IntoPlan) View().ShowPlan(CKM42View::GridFill::SetUpAndFill);
}
