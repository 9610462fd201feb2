// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "codec/RadioImage.h"
#include "model/KM42Doc.h"
#include "ui/dialogs/RadioExchangeDlg.h"

// "Read from Radio": takes the radio's memory into the read image and the image copy (a read
// session: the read and its backup), and after a complete read hands the image on
// (ReadComplete) for the plan to take it.
class CReadDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    CReadDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts, QWidget* parent);
    ~CReadDlg() override { StopExchange(); }

    // Reads over COM1 or COM2, as `comPort` says (the port is open); returns once closed.
    int DoModal(std::int32_t comPort) { return RunDialog(comPort); }

    // The radio as the last complete read found it (decoded afresh), if there was one.
    const std::optional<CKM42Doc>& RadioPlan() const { return m_Outcome.radio; }

    RadioImage m_ReadImage{};  // the last read's bytes, once it has returned

signals:
    // A complete read, after its "complete" message and before the dialog closes.
    void ReadComplete(const RadioImage& image);

private:
    void PrepareImage() override;
    session::Result RunSession(session::WriteUi& ui) override { return session::RunRead(ui); }
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Read; }
    void AfterExchange() override;
    void OnComplete() override { emit ReadComplete(m_ReadImage); }
};
