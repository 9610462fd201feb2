// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "codec/RadioImage.h"
#include "session/RadioSession.h"
#include "ui/dialogs/RadioExchangeDlg.h"

// "Write to Radio": encodes the plan it is given into the write image as it opens, copies it
// to the image copy, and runs a write session. The plan is never changed. With the Port menu's
// checks the same dialog runs the whole job, naming each step, and ends without a message:
// the command says how the job ended.
class CWriteDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    CWriteDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts, QWidget* parent);
    // The exchange uses this class's image: it must end before the image goes.
    ~CWriteDlg() override { StopExchange(); }

    // Builds the write image from the plan (checked by the command beforehand).
    void EncodeImage();

    // A plain write of `plan`, for the port the command has just opened (its m_nComPort).
    int DoModal(const CKM42Doc& plan);
    // The write of `plan` with its checks, each step opening the port itself; returns once the
    // dialog has closed.
    session::Result RunJob(const CKM42Doc& plan, const session::WriteChecks& checks);

    RadioImage m_WriteImage{};  // read by the exchange's thread while it runs

private:
    void PrepareImage() override;
    session::Result RunSession(session::WriteUi& ui) override;
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Write; }
    void EndWith(const radiolink::ExchangeResult& result) override;

    session::WriteChecks m_Checks;
    bool m_bJob = false;
    CKM42Doc m_Plan;  // the plan the session writes, as it was when the dialog opened
};
