#pragma once
#include "codec/RadioImage.h"
#include "ui/RadioExchangeDlg.h"

// "Read from Radio": takes the radio's memory into the read image and the view's image copy,
// and after a complete read decodes it into the document and shows the plan.
class CReadDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    explicit CReadDlg(CKM42View& view);
    // The exchange uses this class's image: it must end before the image goes.
    ~CReadDlg() override { StopExchange(); }

    // Fills the document from the read image (a complete read only).
    void DecodeImage();

    RadioImage m_ReadImage{};  // written by the exchange's thread while it runs

private:
    void PrepareImage() override;
    radiolink::ExchangeResult RunExchange(radiolink::RadioLine& line,
                                          const radiolink::ExchangeOptions& options) override;
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Read; }
    const char* AnsweredStatus() const override;
    void AfterExchange() override;
    void OnComplete() override;
};
