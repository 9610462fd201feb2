#pragma once
#include "codec/RadioImage.h"
#include "ui/RadioExchangeDlg.h"

// "Write to Radio": encodes the document into the write image as it opens, copies it to the
// view's image copy, and sends it. The document is never changed.
class CWriteDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    explicit CWriteDlg(CKM42View& view);
    // The exchange uses this class's image: it must end before the image goes.
    ~CWriteDlg() override { StopExchange(); }

    // Builds the write image from the document (checked by the command beforehand).
    void EncodeImage();

    RadioImage m_WriteImage{};  // read by the exchange's thread while it runs

private:
    void PrepareImage() override;
    radiolink::ExchangeResult RunExchange(radiolink::RadioLine& line,
                                          const radiolink::ExchangeOptions& options) override;
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Write; }
    const char* AnsweredStatus() const override;
};
