// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "fleet/FleetJob.h"
#include "link/Exchange.h"
#include "model/KM42Doc.h"

class CCommPort;
class CExchangeProgress;
class CUiPrompts;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Port > "Program Several Radios...": one plan into radio after radio on the document's port.
// Before the job the dealer says whether each radio is read back and compared, after how many
// radios the job ends and where the programming log is kept. Then, radio after radio, the
// dealer connects it and types or scans its label with Enter; the radio runs with the progress
// of a read or write (Escape gives it up while it has not answered) and its line goes into the
// table: a failure red, with Retry, Skip and Stop; another model dark yellow, passed over.
// The job (fleet::RunJob) runs on a worker thread whose questions wait for the dealer; Stop,
// the dialog's close between radios and the view going away all end it.
class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    CFleetDlg(CCommPort& port, CUiPrompts& prompts, QWidget* parent);
    ~CFleetDlg() override;

    // Runs the dialog for `plan` (it has passed CheckEncodable) on the plan's port, the log
    // naming it `planName`; returns once the dialog has closed.
    int DoModal(const CKM42Doc& plan, const std::string& planName);

    bool IsJobRunning() const { return m_Worker.joinable(); }
    // Ends the job and waits for it: the wait for a radio's answer is given up, a transfer
    // runs to its end first.
    void StopJob();

    // The radio's pauses and the silence hint's delay. Tests shorten them.
    radiolink::LinkTiming m_Timing{};
    std::chrono::milliseconds m_HintDelay{10000};

signals:
    void BackupKept(const backup::KeepOutcome& kept);
    // The dealer has connected radio `number` and started it (a retry starts none).
    void RadioStarting(int number);
    // The job is over: how its radios ended (fleet::SummaryText).
    void JobEnded(const QString& summary);

public slots:
    // Escape and the close box: while a radio waits for its answer, that radio is given up;
    // during its transfer nothing happens; otherwise the job ends and the dialog closes.
    void reject() override;

private:
    // Busy: the worker is on its way to its next question (or its end).
    enum class Phase { Setup, Busy, Label, Radio, Failure, Ended };
    class CJobUi;

    // What the worker waits for from the dealer; End answers every wait with the job's end.
    struct Answers {
        std::mutex mutex;
        std::condition_variable changed;
        std::optional<std::string> label;
        std::optional<fleet::FleetUi::Choice> choice;
        bool ended = false;
    };

    void BuildSettings();
    void BuildJob();
    void BuildButtons();
    void SetPhase(Phase phase);
    void OnBrowse();
    void OnStart();
    std::optional<std::string> CheckedLogPath();
    void OnLabelEntered();
    void OnChoice(fleet::FleetUi::Choice choice);
    void OnStop();
    void StartRadio();
    // Posted by the worker, for job `job` only.
    void AskForRadio(int number);
    void ShowRadio(const fleet::RadioOutcome& outcome);
    void AskAfterFailure(const fleet::RadioOutcome& outcome);
    // Joins the worker, which has ended or is about to, and shows the summary.
    void FinishJob();
    void AddRow(const fleet::LogLine& line);
    template <class Answer>
    void Give(std::optional<Answer> Answers::*slot, Answer answer);
    void EndAnswers();

    CCommPort& m_port;
    CUiPrompts& m_prompts;
    CKM42Doc m_Plan;
    std::string m_strPlanName;
    std::int32_t m_nComPort = 0;
    QGroupBox* m_pSettings = nullptr;
    QCheckBox* m_pVerify = nullptr;
    QLineEdit* m_pCount = nullptr;
    QLineEdit* m_pFolder = nullptr;
    QLabel* m_pJobText = nullptr;
    QLabel* m_pPromptText = nullptr;
    QLineEdit* m_pLabel = nullptr;
    CExchangeProgress* m_pProgress = nullptr;
    QTableWidget* m_pTable = nullptr;
    QLabel* m_pSummaryText = nullptr;
    QPushButton* m_pStart = nullptr;
    QPushButton* m_pRetry = nullptr;
    QPushButton* m_pSkip = nullptr;
    QPushButton* m_pStop = nullptr;
    QPushButton* m_pClose = nullptr;
    Phase m_Phase = Phase::Setup;
    int m_nRadio = 0;  // the radio asked for or running
    int m_nJob = 0;    // posts of an earlier job are dropped
    std::unique_ptr<fleet::CJob> m_pJob;
    fleet::Tally m_Tally;         // the worker's, read once it has been joined
    std::string m_strLogFailure;  // why the job ended early, if its log failed
    Answers m_Answers;
    std::jthread m_Worker;
};
