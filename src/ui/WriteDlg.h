#pragma once
#include <optional>

#include "codec/RadioImage.h"
#include "session/WriteSession.h"
#include "ui/RadioExchangeDlg.h"

// "Write to Radio": encodes the document into the write image as it opens, copies it to the
// view's image copy, and sends it. The document is never changed. With the Port menu's checks
// the same dialog runs the whole write session, naming each step, and ends without a message:
// the command says how the job ended.
class CWriteDlg final : public CRadioExchangeDlg {
    Q_OBJECT
public:
    explicit CWriteDlg(CKM42View& view);
    // The exchange uses this class's image: it must end before the image goes.
    ~CWriteDlg() override { StopExchange(); }

    // Builds the write image from the document (checked by the command beforehand).
    void EncodeImage();

    // The write with its checks, each step opening the port itself; returns once the dialog
    // has closed.
    session::WriteOutcome RunJob(const session::WriteChecks& checks);

    RadioImage m_WriteImage{};  // read by the exchange's thread while it runs

private:
    class CJobUi;
    void EndWith(const radiolink::ExchangeResult& result) override;
    void ShowStep(session::Step step, int number, int count);

    std::optional<session::WriteChecks> m_Job;  // set while a job runs
    CKM42Doc m_JobPlan;
    session::WriteOutcome m_JobOutcome;
    const char* m_pAnsweredStatus = nullptr;

    void PrepareImage() override;
    radiolink::ExchangeResult RunExchange(radiolink::RadioLine& line,
                                          const radiolink::ExchangeOptions& options) override;
    radiolink::ExchangeKind Kind() const override { return radiolink::ExchangeKind::Write; }
    const char* AnsweredStatus() const override;
};
