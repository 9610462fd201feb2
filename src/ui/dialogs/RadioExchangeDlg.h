// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QBasicTimer>
#include <QDialog>
#include <chrono>
#include <cstdint>
#include <thread>

#include "link/Exchange.h"
#include "model/PortFile.h"
#include "session/RadioSession.h"
#include "ui/common/ImageCopy.h"

class CCommPort;
class CExchangeProgress;
class CUiPrompts;

// The question before a plan goes into a radio of another model or band, over `parent`: asked
// by Write to Radio about the radio read last, and by a write job about the one it read first.
bool AskWriteAnyway(CUiPrompts& prompts, const RadioMismatch& mismatch, QWidget* parent);

// What "Read from Radio" and "Write to Radio" share: a status line and a progress bar, no
// buttons, in front of a radio session (session/RadioSession.h) on the port given. The command
// has opened the port for the first exchange; 200 ms after the dialog opens the session starts
// on a worker thread, so the window repaints, the bar moves with the bytes transferred and
// Escape or the close box cancel while the radio has not answered yet (the status line says
// so). Once it has answered, the transfer runs to its end; Escape then only shows a note that
// it cannot be interrupted. A session of several steps names each above the status line.
class CRadioExchangeDlg : public QDialog {
    Q_OBJECT
public:
    // Geometry in dialog units, as the radio shop laid the two dialogs out.
    struct Layout {
        const char* caption;
        const char* objectName;
        int width, height;
        int textX, textY, textW, textH;
        int barX, barY, barW, barH;
    };

    ~CRadioExchangeDlg() override;

    // The last run ended with the radio shop's "complete" message.
    bool Completed() const { return m_LastOutcome == radiolink::ExchangeOutcome::Complete; }

    // The exchange's worker thread is alive (from the first timer event to its end).
    bool IsExchangeRunning() const { return m_Worker.joinable(); }
    // Ends a running exchange and waits for it (the view is going away): cancels the wait for
    // the radio's answer; a transfer in progress runs to its end first.
    void StopExchange();

    // The radio's pauses. Tests shorten them; the desktop keeps the radio's own.
    radiolink::LinkTiming m_Timing{};
    // How long the radio may stay silent before the dialog says what to check (and waits on).
    std::chrono::milliseconds m_HintDelay{10000};

signals:
    // A backup was kept after an exchange, or could not be: the status bar says which.
    void BackupKept(const backup::KeepOutcome& kept);

public slots:
    // Escape and the close box: before the exchange starts the port is closed and the dialog
    // goes; while waiting for the radio's answer the exchange is cancelled and ends the dialog
    // itself; during a transfer nothing happens.
    void reject() override;

protected:
    // The exchanges run on `port` and leave their bytes in `imageCopy`.
    CRadioExchangeDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts,
                      const Layout& layout, QWidget* parent);

    // Runs the dialog for the port the command has just opened, COM1 or COM2 as `comPort`
    // (the document's m_nComPort) says; returns once it has closed. The port is closed on
    // every way out.
    int RunDialog(std::int32_t comPort);

    // A session of several steps: the step line above the status shows (the dialog grows by
    // it), and each step starts from "Waiting for the radio".
    void SetStepsShown(bool shown);
    // Step `number` of `count` begins: named above the status, which waits for the radio.
    void StartStep(session::Step step, int number, int count);
    // Runs on the user-interface thread once the session has returned: the messages and the
    // end of the dialog. A job ends with its own message.
    virtual void EndWith(const radiolink::ExchangeResult& result);
    void EndDialog();

    // The dialog-specific part of the initialisation (the image the exchange works on).
    virtual void PrepareImage() = 0;
    // Runs on the worker thread: the session, through the dialog's front end.
    virtual session::Result RunSession(session::WriteUi& ui) = 0;
    virtual radiolink::ExchangeKind Kind() const = 0;
    // On the user-interface thread once the session has returned, before any message.
    virtual void AfterExchange() {}

    session::Result m_Outcome;  // the last session's, once it has returned
    ImageCopy& m_ImageCopy;     // what the memory map shows
    // After the "complete" message: what a good exchange leads to.
    virtual void OnComplete() {}

    void timerEvent(QTimerEvent* event) override;

private:
    void OnInitDialog();
    void StartExchange();
    void OnExchangeEnded(session::Result outcome);
    void ShowOutcome(const Outcome& outcome);
    bool AskWriteAnywayHere(const RadioMismatch& mismatch);
    void ApplySize();

    CCommPort& m_port;
    CUiPrompts& m_prompts;
    std::int32_t m_nComPort = portfile::kCom1;  // the run's, for the lines of later steps
    CExchangeProgress* m_pProgress = nullptr;   // step, status, bar and note
    Layout m_Layout;
    bool m_bStepsShown = false;
    radiolink::ExchangeOutcome m_LastOutcome = radiolink::ExchangeOutcome::Cancelled;
    QBasicTimer m_StartTimer;  // fires once, 200 ms after opening
    std::jthread m_Worker;
};
