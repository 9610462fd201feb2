#pragma once
#include "codec/RadioImage.h"
#include "model/KM42Doc.h"
#include "ui/RadioExchangeDlg.h"

// "Read from Radio": takes the radio's memory into the read image and the view's image copy
// (a read session: the read and its backup), and after a complete read decodes it into the
// document and shows the plan.
class CReadDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    explicit CReadDlg(CKM42View& view);
    ~CReadDlg() override { StopExchange(); }

    // The radio as the last complete read found it (decoded afresh), if there was one.
    const std::optional<CKM42Doc>& RadioPlan() const { return m_Outcome.radio; }

    RadioImage m_ReadImage{};  // the last read's bytes, once it has returned

private:
    void PrepareImage() override;
    session::Result RunSession(session::WriteUi& ui) override { return session::RunRead(ui); }
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Read; }
    void AfterExchange() override;
    void OnComplete() override;
};
