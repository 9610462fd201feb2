// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QBasicTimer>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>

#include "link/Exchange.h"
#include "model/PortFile.h"
#include "session/RadioSession.h"

class CCommPort;
class QLabel;
class QProgressBar;
class QWidget;

// The words of each step of a write session, as printf formats.
struct StepTexts {
    const char* read;  // the read first (and a plain read)
    const char* write;
    const char* readBack;
};
const char* StepText(const StepTexts& texts, session::Step step);

// A radio session's progress in a dialog: the step line, the status line (waiting for the
// radio, then reading or writing), the bar of the bytes transferred and the note below it
// (what to check when the radio stays silent, that a transfer cannot be interrupted). The
// dialog places the four widgets; this object keeps them true to the session, which runs on a
// worker thread through the front end below: its calls are posted here, so a dialog that goes
// away drops them with it.
class CExchangeProgress : public QObject {
    Q_OBJECT
public:
    // The widgets are made as children of `dialog`, which lays them out.
    explicit CExchangeProgress(QWidget& dialog);

    QLabel& StepLine() const { return *m_pStepText; }
    QLabel& StatusLine() const { return *m_pStatusText; }
    QProgressBar& Bar() const { return *m_pBar; }
    QLabel& Note() const { return *m_pNoteText; }

    // How a step is named on the step line: "Step 1 of 3: writing" unless set otherwise.
    using StepNamer = std::function<std::string(session::Step step, int number, int count)>;
    void SetStepNamer(StepNamer namer) { m_stepNamer = std::move(namer); }

    // An empty bar, "Waiting for the radio", no note.
    void Reset();
    // Step `number` of `count` begins: named on the step line; the status waits for the radio.
    void StartStep(session::Step step, int number, int count);
    // The session runs on `comPort` from now (its silence hint comes `hintDelay` into each wait
    // for the radio) until End.
    void Begin(std::int32_t comPort, std::chrono::milliseconds hintDelay);
    void End();
    void FillBar();

    // Ends the wait for the radio's answer, this one and every later one until RenewCancel.
    void Cancel();
    // Escape: Cancel; during a transfer, which runs to its end, the note says so.
    void CancelWait();
    void RenewCancel();

    // The session's front end on the worker thread. A question about another model is answered
    // by `writeAnyway` there; without one the radio is not written.
    class CSessionUi final : public session::WriteUi {
    public:
        using WriteAnywayFn = std::function<bool(const RadioMismatch&)>;
        CSessionUi(CExchangeProgress& progress, CCommPort& port, std::int32_t comPort,
                   const radiolink::LinkTiming& timing, WriteAnywayFn writeAnyway = {});

        // The command may have opened the port for the first exchange; later ones open it here.
        std::optional<Outcome> OpenLine() override;
        radiolink::RadioLine& Line() override;
        void StepStarted(session::Step step, int number, int count) override;
        radiolink::ExchangeOptions ExchangeOptions() override;
        void StepEnded(session::Step, const radiolink::ExchangeResult&) override {}
        void BackupKept(backup::Direction, const backup::KeepOutcome& kept) override;
        bool WriteAnyway(const RadioMismatch& mismatch) override;

    private:
        template <class Fn>
        void Post(Fn&& fn);

        CExchangeProgress& m_progress;
        CCommPort& m_port;
        const std::int32_t m_nComPort;
        const radiolink::LinkTiming m_Timing;
        const WriteAnywayFn m_writeAnyway;
    };

signals:
    // A backup was kept after an exchange, or could not be: the status bar says which.
    void BackupKept(const backup::KeepOutcome& kept);
    // The note came or went: the dialog makes room for it or takes it back.
    void NoteChanged();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void OnAnswered();
    void OnProgress(int position);
    void ShowNote(const QString& text);
    void HideNote();
    void ShowSilenceHint();
    std::stop_token CancelToken();

    QLabel* m_pStepText = nullptr;
    QLabel* m_pStatusText = nullptr;
    QProgressBar* m_pBar = nullptr;
    QLabel* m_pNoteText = nullptr;
    StepNamer m_stepNamer;
    bool m_bRunning = false;
    bool m_bTransferRunning = false;          // the radio has answered
    const char* m_pAnsweredStatus = nullptr;  // "Reading..." / "Writing...", by the step
    std::int32_t m_nComPort = portfile::kCom1;
    std::chrono::milliseconds m_HintDelay{};
    QBasicTimer m_HintTimer;   // fires once, m_HintDelay into each wait for the radio
    std::mutex m_CancelMutex;  // the worker takes its token while the user may cancel
    std::stop_source m_Cancel;
};
