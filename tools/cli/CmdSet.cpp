// prg715-cli set: edits a data file in place with the rules of the channel editor, the grid's
// flag cells and the option features editor, so scripted programming can never store what
// the desktop would refuse. Everything is applied to the loaded plan first; the file is
// written only when every setting was accepted.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "SetValues.h"
#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/SignalLists.h"
#include "model/TypedNumber.h"

namespace cli {
namespace {

struct ChannelArgs {
    std::optional<std::string> rx, tx, rxSquelch, txSquelch, scan, priority, power, spacing;
    bool clear = false;

    bool EditsSignalOrFrequency() const { return rx || tx || rxSquelch || txSquelch; }
    bool Any() const {
        return clear || EditsSignalOrFrequency() || scan || priority || power || spacing;
    }
};

struct SetArgs {
    std::string path;
    std::optional<std::string> channel, nsc1, nsc2;
    ChannelArgs ch;
    std::vector<std::string> options;
};

SetArgs TakeSetArgs(ArgList& args) {
    SetArgs a;
    a.channel = args.TakeValue("--channel");
    a.ch.rx = args.TakeValue("--rx");
    a.ch.tx = args.TakeValue("--tx");
    a.ch.rxSquelch = args.TakeValue("--rx-squelch");
    a.ch.txSquelch = args.TakeValue("--tx-squelch");
    a.ch.scan = args.TakeValue("--scan");
    a.ch.priority = args.TakeValue("--priority");
    a.ch.power = args.TakeValue("--power");
    a.ch.spacing = args.TakeValue("--spacing");
    a.ch.clear = args.TakeFlag("--clear");
    a.nsc1 = args.TakeValue("--nsc1");
    a.nsc2 = args.TakeValue("--nsc2");
    a.options = args.TakeValues("--option");
    a.path = args.Positionals(1).front();
    if (a.ch.Any() && !a.channel) throw UsageError("channel options need --channel N");
    if (a.channel && !a.ch.Any() && !a.nsc1 && !a.nsc2)
        throw UsageError("--channel given without anything to set in it");
    if (!a.channel && !a.nsc1 && !a.nsc2 && a.options.empty()) throw UsageError("nothing to set");
    return a;
}

void Refuse(const std::string& context, const std::string& message) {
    throw Failure(context + ": " + message);
}

// "" is the emptied box; anything else must be a number.
std::string FrequencyArg(const std::string& what, const std::string& text) {
    return text.empty() ? text : RequireNumber(what, text);
}

double ToneArg(const std::string& what, const std::string& text) {
    const ToneCheck check = CheckTone(RequireNumber(what, text));
    if (!check.accepted) Refuse(what, check.message);
    return check.hz;
}

// csq | ctcss:TONE | dcs:CODE[:inv] | nsc1 | nsc2 into one direction of the edit.
void ApplySquelch(const std::string& what, const std::string& text, std::int32_t& type,
                  std::int32_t& ctcss, std::int32_t& dcs, std::int32_t& invert) {
    const std::size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : text.substr(colon + 1);
    if ((kind == "csq" || kind == "nsc1" || kind == "nsc2") && colon == std::string::npos) {
        type = kind == "csq" ? kSquelchCsq : kind == "nsc1" ? kSquelchNsc1 : kSquelchNsc2;
    } else if (kind == "ctcss" && !rest.empty()) {
        const std::optional<std::int32_t> index =
            CtcssIndexOf(TypedNumber::Read(RequireNumber(what, rest)).Value());
        if (!index) Refuse(what, msg::kNotCtcssTone);
        type = kSquelchCtcss;
        ctcss = *index;
    } else if (kind == "dcs" && !rest.empty()) {
        const std::size_t colon2 = rest.find(':');
        const std::string code = rest.substr(0, colon2);
        const std::string flag = colon2 == std::string::npos ? "" : rest.substr(colon2 + 1);
        if (colon2 != std::string::npos && flag != "inv")
            throw UsageError(what + ": expected dcs:CODE or dcs:CODE:inv");
        const std::optional<std::int32_t> index = DcsIndexOf(RequireCount(what, code));
        if (code.size() > 3 || !index) Refuse(what, msg::kNotDcsCode);
        type = kSquelchDcs;
        dcs = *index;
        invert = flag == "inv" ? 1 : 0;
    } else {
        throw UsageError(what + ": expected csq, ctcss:TONE, dcs:CODE[:inv], nsc1 or nsc2");
    }
}

// A value the command line does not change is checked as the editor re-checks its box on
// "OK"; where the editor would refuse it, the channel keeps it, as the editor keeps its last
// accepted value.
FrequencyCheck KeptUnlessAccepted(FrequencyCheck check, double fileMHz) {
    if (check.accepted) return check;
    FrequencyCheck kept;
    kept.accepted = true;
    kept.mhz = fileMHz;
    kept.stepCode = RasterStepCode(fileMHz);
    return kept;
}

// The channel editor's "OK" on channel n: RX check, TX check with the RX check's step,
// signalling and tones, then the store. A value the editor would move is stored moved,
// with a note; a value given here that the editor would refuse ends the command.
void EditChannel(CKM42Doc& doc, int n, const SetArgs& a, std::vector<std::string>& notes) {
    const std::string where = "channel " + std::to_string(n);
    ChannelEdit edit = *LoadChannelEdit(doc, n);
    const ChannelArgs& c = a.ch;
    const double fileRx = edit.rxMHz;

    FrequencyCheck rx;
    if (c.rx) {
        rx = CheckRxFrequency(FrequencyArg("--rx", *c.rx), doc.m_nBand);
        if (!rx.accepted) Refuse(where + ": --rx " + *c.rx, rx.message);
    } else {
        rx = KeptUnlessAccepted(CheckRxFrequency(fileRx, doc.m_nBand), fileRx);
    }
    if (rx.moved)
        notes.push_back(where + ": RX moved to the 12.5 kHz raster, " + rx.shownText + " stored");
    FrequencyCheck tx;
    if (c.tx) {
        tx = CheckTxFrequency(FrequencyArg("--tx", *c.tx), rx.stepCode, doc.m_nBand);
        if (!tx.accepted) Refuse(where + ": --tx " + *c.tx, tx.message);
    } else {
        tx = KeptUnlessAccepted(CheckTxFrequency(edit.txMHz, rx.stepCode, doc.m_nBand), edit.txMHz);
    }
    edit.rxMHz = rx.mhz;
    edit.txMHz = tx.mhz;
    edit.stepCode = tx.stepCode != 0 ? tx.stepCode : rx.stepCode;
    // The editor's "OK" stays disabled on an empty channel until it is given a frequency.
    if (fileRx == 0.0 && edit.rxMHz == 0.0) Refuse(where, msg::kNoFrequency);

    if (c.rxSquelch) {
        const std::string what = where + ": --rx-squelch " + *c.rxSquelch;
        if (!RxSignallingEditable(edit)) Refuse(what, msg::kNoFrequency);
        ApplySquelch(what, *c.rxSquelch, edit.rxType, edit.rxCtcss, edit.rxDcs, edit.rxInvert);
    }
    if (c.txSquelch) {
        const std::string what = where + ": --tx-squelch " + *c.txSquelch;
        if (!RxSignallingEditable(edit)) Refuse(what, msg::kNoFrequency);
        if (!TxSignallingEditable(edit)) Refuse(what, msg::kInvalidTxFrequency);
        ApplySquelch(what, *c.txSquelch, edit.txType, edit.txCtcss, edit.txDcs, edit.txInvert);
    }
    if (a.nsc1) edit.nsc1 = ToneArg("--nsc1 " + *a.nsc1, *a.nsc1);
    if (a.nsc2) edit.nsc2 = ToneArg("--nsc2 " + *a.nsc2, *a.nsc2);

    const StoreOutcome stored = StoreChannel(doc, n, edit);
    if (stored.stored) return;
    const bool txFromFile = stored.field == ChannelField::kTxFrequency && !c.tx;
    Refuse(where + (txFromFile ? ": TX in the file" : ""), stored.message);
}

void ApplyFlag(const std::string& what, const FlagOutcome& outcome) {
    if (!outcome.accepted) Refuse(what, outcome.message);
}

bool Choice(const std::string& what, const std::string& text, const char* yes, const char* no) {
    if (text == yes) return true;
    if (text == no) return false;
    throw UsageError(what + ": expected " + yes + " or " + no);
}

void SetFlags(CKM42Doc& doc, int n, const ChannelArgs& c) {
    const std::string where = "channel " + std::to_string(n) + ": ";
    if (c.scan) {
        const std::string what = where + "--scan " + *c.scan;
        ApplyFlag(what, SetScan(doc, n, RequireOnOff(what, *c.scan)));
    }
    if (c.priority) {
        const std::string what = where + "--priority " + *c.priority;
        ApplyFlag(what, SetPriority(doc, n, RequireOnOff(what, *c.priority)));
    }
    if (c.power) {
        const std::string what = where + "--power " + *c.power;
        ApplyFlag(what, SetHighPower(doc, n, Choice(what, *c.power, "high", "low")));
    }
    if (c.spacing) {
        const std::string what = where + "--spacing " + *c.spacing;
        ApplyFlag(what, SetStdSpacing(doc, n, Choice(what, *c.spacing, "s", "n")));
    }
}

int ChannelNumber(const CKM42Doc& doc, const std::string& text) {
    const int n = RequireCount("--channel", text);
    if (!IsPlanChannel(doc, n)) Refuse("--channel " + text, msg::kChannelOutOfPlan);
    return n;
}

}  // namespace

const char* SetUsage() {
    static const std::string usage =
        "set FILE [--channel N CHANNEL-OPTIONS] [--nsc1 HZ] [--nsc2 HZ] "
        "[--option NAME=VALUE]...\n"
        "\nChannel options (with --channel N, N = 1..4 or 1..16), checked as the channel "
        "editor checks them:\n"
        "  --clear                 empty the channel first, as the editor's \"clear\"\n"
        "  --rx MHZ                receive frequency; \"\" or 0 empties the channel where the "
        "band allows;\n"
        "                          off-raster values move to the 12.5 kHz raster (noted)\n"
        "  --tx MHZ                transmit frequency, on the receive frequency's raster; "
        "\"\" or 0 clears it\n"
        "  --rx-squelch S          S = csq | ctcss:TONE | dcs:CODE[:inv] | nsc1 | nsc2\n"
        "  --tx-squelch S          (TONE in Hz as 100.0, CODE as 023)\n"
        "  --scan on|off  --priority on|off  --power high|low  --spacing s|n\n"
        "\nNon-standard tones, 50.0..300.0 Hz, shared by every channel of the plan:\n"
        "  --nsc1 HZ  --nsc2 HZ    with --channel N the editor's store also spreads channel "
        "N's tones\n"
        "\nRadio options (--option NAME=VALUE, repeatable, applied in this order):\n" +
        RadioOptionsHelp() +
        "\nA refused value ends the command with status 1 and leaves the file unchanged.";
    return usage.c_str();
}

int RunSet(ArgList& args) {
    const SetArgs a = TakeSetArgs(args);
    CKM42Doc doc = LoadPlan(a.path);
    std::vector<std::string> notes;

    if (a.channel) {
        const int n = ChannelNumber(doc, *a.channel);
        if (a.ch.clear) ClearChannel(doc, n);
        if (a.ch.EditsSignalOrFrequency() || a.nsc1 || a.nsc2) EditChannel(doc, n, a, notes);
        SetFlags(doc, n, a.ch);
    } else if (a.nsc1 || a.nsc2) {
        // Without a channel only the tones change; the other one stays as channel 1 has it,
        // which is the pair the radio receives.
        const ChannelRecord& first = doc.Channel(1);
        const double nsc1 = a.nsc1 ? ToneArg("--nsc1 " + *a.nsc1, *a.nsc1) : first.m_dRxNsc1;
        const double nsc2 = a.nsc2 ? ToneArg("--nsc2 " + *a.nsc2, *a.nsc2) : first.m_dRxNsc2;
        SetNonStandardTones(doc, nsc1, nsc2);
    }
    ApplyRadioOptions(doc, a.options, notes);

    SavePlan(doc, a.path);
    for (const std::string& note : notes) std::printf("note: %s\n", note.c_str());
    std::printf("%s: saved\n", a.path.c_str());
    return kExitOk;
}

}  // namespace cli
