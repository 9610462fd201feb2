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

void CReadDlg::AfterExchange() {
    // Every byte the radio sent, also from a read that broke off (the memory map shows them).
    // Bytes not received are still the zeros of the initialisation.
    m_ReadImage = m_Outcome.lastRead;
    std::copy_n(m_ReadImage.begin(), image::kBufferSize, View().m_ImageCopy.begin());
}

void CReadDlg::OnComplete() {
    // Onto the plan as it is: what the image does not carry (the port choice) stays.
    ::DecodeImage(m_ReadImage, View().GetDocument());
    View().ShowPlan(CKM42View::GridFill::SetUpAndFill);
}
