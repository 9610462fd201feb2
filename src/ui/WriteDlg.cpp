#include "ui/WriteDlg.h"

#include <algorithm>

#include "codec/ImageCodec.h"
#include "model/Messages.h"
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
    EncodeImage();
    std::copy_n(m_WriteImage.begin(), image::kBufferSize, View().m_ImageCopy.begin());
}

radiolink::ExchangeResult CWriteDlg::RunExchange(radiolink::RadioLine& line,
                                                 const radiolink::ExchangeOptions& options) {
    return radiolink::WriteRadio(line, m_WriteImage, options);
}

const char* CWriteDlg::AnsweredStatus() const {
    return msg::kWriting;
}
