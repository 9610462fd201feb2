// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

#include "codec/RadioImage.h"
#include "link/LinkClock.h"
#include "link/LinkProtocol.h"
#include "link/RadioLine.h"
#include "model/Outcome.h"

// Reading the radio's memory and writing it, free of any UI: the desktop runs them on a
// worker thread behind its progress dialogs, the command line runs them directly.
namespace radiolink {

class TraceRecorder;

struct ExchangeOptions {
    LinkClock* clock = nullptr;  // null: the steady clock
    LinkTiming timing{};
    // Ends the wait for the radio's first answer (the dialog's Escape). Not looked at once the
    // radio has answered, unless cancelAnywhere: a transfer runs to its end.
    std::stop_token cancel{};
    // The command line's Ctrl+C: `cancel` also ends a running transfer, between two bytes. The
    // radio is left halfway, as by a pulled cable, and gives up on its own.
    bool cancelAnywhere = false;
    // No limit in the desktop (the user cancels); the command line sets one.
    std::optional<std::chrono::milliseconds> answerTimeout{};
    // The radio answered the request: the dialog shows "Reading..." / "Writing...". Called
    // before the answer is checked.
    std::function<void()> onAnswered{};
    // After each block: 64, 128, ... 2112; then 2740 (the full bar) on success only.
    // Both callbacks run on the thread that runs the exchange: a dialog posts them on.
    std::function<void(int position)> onProgress{};
    // Records every byte of the exchange with its time and step; null: nothing is recorded.
    TraceRecorder* trace = nullptr;
};

enum class ExchangeOutcome {
    Complete,      // "Read Complete !" / "Write Complete !"
    Cancelled,     // no message
    NoAnswer,      // nothing within the time-out, or the line went away before an answer
    WrongAnswer,   // the radio answered another byte than the one expected
    BadBlockEnd,   // read: a block's 65th byte was not the block end byte
    Stalled,       // read: a block stopped arriving
    NotConfirmed,  // write: no "6" waiting after the last block
};

enum class ExchangeKind { Read, Write };

struct ExchangeResult {
    ExchangeOutcome outcome = ExchangeOutcome::Complete;
    std::uint8_t answer = 0;   // the radio's answer to the request (0: none)
    std::uint8_t endByte = 0;  // read: the wrong block end byte; write: the confirmation byte
    int block = 0;             // the block (1 to 33) in which the exchange ended; 0 before
    std::size_t position = 0;  // read: bytes stored in the image; write: image bytes sent
    std::string detail;        // what went wrong, for the command line (empty on success)
};

// Sends 0xBB, waits for "6", then takes 33 blocks into `image`, acknowledging each. The image
// is zeroed first and filled as bytes arrive (partly, when the read ends early); after a good
// read byte 2112 holds the last block end byte. Read it once the exchange has returned (the
// memory map's copy is taken from it then). The port is closed on every way out.
ExchangeResult ReadRadio(RadioLine& line, RadioImage& image, const ExchangeOptions& options);

// Sends 0xCC, waits for "c", then sends image bytes 0 to 2111 in 33 paced blocks and looks
// once for the radio's "6". The port is closed on every way out.
ExchangeResult WriteRadio(RadioLine& line, const RadioImage& image, const ExchangeOptions& options);

// The fixed text the user sees for an outcome; nullptr for Cancelled (no message).
const char* OutcomeMessage(ExchangeKind kind, ExchangeOutcome outcome);
// The exchange as its user is told: the fixed text and what went wrong beside it.
Outcome OutcomeOf(ExchangeKind kind, const ExchangeResult& result);

}  // namespace radiolink
