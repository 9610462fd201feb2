#pragma once
#include "codec/RadioImage.h"
#include "model/KM42Doc.h"
#include "ui/RadioExchangeDlg.h"

// "Read from Radio": takes the radio's memory into the read image and the view's image copy,
// and after a complete read decodes it into the document and shows the plan. The same read
// also looks at the radio around a write, beside the plan, which it then leaves alone.
class CReadDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    enum class Use { IntoPlan, BesidePlan };

    explicit CReadDlg(CKM42View& view);
    // The exchange uses this class's image: it must end before the image goes.
    ~CReadDlg() override { StopExchange(); }

    // Runs the dialog for the port the command has just opened.
    int DoModal(Use use);

    // Decodes the read image (a complete read only): into the document, or into m_RadioPlan.
    void DecodeImage();
    // The radio as the last complete read found it: the document, or m_RadioPlan.
    const CKM42Doc& RadioPlan();

    RadioImage m_ReadImage{};  // written by the exchange's thread while it runs
    CKM42Doc m_RadioPlan;      // a read beside the plan

private:
    void PrepareImage() override;
    radiolink::ExchangeResult RunExchange(radiolink::RadioLine& line,
                                          const radiolink::ExchangeOptions& options) override;
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Read; }
    const char* AnsweredStatus() const override;
    void AfterExchange() override;
    void OnComplete() override;
    CKM42Doc& Target();

    Use m_Use = Use::IntoPlan;
};
