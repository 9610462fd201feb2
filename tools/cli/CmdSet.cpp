// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli set: edits a data file in place with the rules of the channel editor, the grid's
// flag cells and the option features editor, so scripted programming can never store what
// the desktop would refuse. The whole command line is read and checked for its form first,
// then applied to the loaded plan; the file is written only when every setting was accepted.
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

constexpr const char* kChannelGroup = "Channel options";
constexpr const char* kTonesGroup = "Non-standard tones";
constexpr const char* kOn = "on";
constexpr const char* kOff = "off";
constexpr const char* kHigh = "high";
constexpr const char* kLow = "low";
constexpr const char* kStandard = "s";
constexpr const char* kNarrow = "n";
// The signalling words as typed; the declared value name is made of them, so --help, the
// manual page and the shell completion show exactly the forms ParseSquelch reads.
constexpr const char* kCsq = "csq";
constexpr const char* kCtcss = "ctcss";
constexpr const char* kDcs = "dcs";
constexpr const char* kInverted = "inv";
constexpr const char* kNsc1 = "nsc1";
constexpr const char* kNsc2 = "nsc2";

// "csq|ctcss:TONE|dcs:CODE[:inv]|nsc1|nsc2".
std::string SquelchForms() {
    return std::string(kCsq) + "|" + kCtcss + ":TONE|" + kDcs + ":CODE[:" + kInverted + "]|" +
           kNsc1 + "|" + kNsc2;
}

void Refuse(const std::string& context, const std::string& message) {
    throw Failure(context + ": " + message);
}

// One direction's signalling as typed: csq | ctcss:TONE | dcs:CODE[:inv] | nsc1 | nsc2.
struct SquelchChoice {
    std::string what;  // option and value, for messages
    std::int32_t type = kSquelchCsq;
    double toneHz = 0.0;
    int dcsCode = 0;
    bool dcsTextTooLong = false;
    bool inverted = false;
};

SquelchChoice ParseSquelch(const std::string& option, const std::string& text) {
    SquelchChoice choice;
    choice.what = option + " " + text;
    const std::size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : text.substr(colon + 1);
    if ((kind == kCsq || kind == kNsc1 || kind == kNsc2) && colon == std::string::npos) {
        choice.type = kind == kCsq ? kSquelchCsq : kind == kNsc1 ? kSquelchNsc1 : kSquelchNsc2;
    } else if (kind == kCtcss && !rest.empty()) {
        choice.type = kSquelchCtcss;
        choice.toneHz = TypedNumber::Read(RequireNumber(choice.what, rest)).Value();
    } else if (kind == kDcs && !rest.empty()) {
        const std::size_t colon2 = rest.find(':');
        const std::string code = rest.substr(0, colon2);
        const std::string flag = colon2 == std::string::npos ? "" : rest.substr(colon2 + 1);
        if (colon2 != std::string::npos && flag != kInverted)
            throw UsageError(choice.what + ": expected dcs:CODE or dcs:CODE:inv");
        choice.type = kSquelchDcs;
        choice.dcsCode = RequireCount(choice.what, code);
        choice.dcsTextTooLong = code.size() > 3;
        choice.inverted = flag == kInverted;
    } else {
        throw UsageError(choice.what + ": expected csq, ctcss:TONE, dcs:CODE[:inv], nsc1 or nsc2");
    }
    return choice;
}

// A flag option as typed, with the state asked for.
struct FlagChoice {
    std::string what;
    bool on;
};

std::optional<FlagChoice> CheckedFlagChoice(const std::optional<std::string>& text,
                                            const std::string& option, const char* yes,
                                            const char* no) {
    if (!text) return std::nullopt;
    const std::string what = option + " " + *text;
    if (*text != yes && *text != no) throw UsageError(what + ": expected " + yes + " or " + no);
    return FlagChoice{what, *text == yes};
}

// "" is the emptied box; anything else must be a number.
const std::optional<std::string>& CheckedFrequency(const std::optional<std::string>& text,
                                                   const std::string& option) {
    if (text && !text->empty()) RequireNumber(option + " " + *text, *text);
    return text;
}

const std::optional<std::string>& CheckedNumber(const std::optional<std::string>& text,
                                                const std::string& option) {
    if (text) RequireNumber(option + " " + *text, *text);
    return text;
}

std::optional<SquelchChoice> CheckedSquelch(const std::optional<std::string>& text,
                                            const std::string& option) {
    if (!text) return std::nullopt;
    return ParseSquelch(option, *text);
}

// The command line as typed, before its values are checked for their form.
struct SetTexts {
    std::string path;
    std::optional<std::string> channel, rx, tx, rxSquelch, txSquelch, nsc1, nsc2;
    std::optional<std::string> scan, priority, power, spacing;
    bool clear = false;
    std::vector<std::string> options;
};

struct SetArgs {
    std::string path;
    std::optional<std::string> channelText;
    int channel = 0;
    bool clear = false;
    std::optional<std::string> rx, tx, nsc1, nsc2;
    std::optional<SquelchChoice> rxSquelch, txSquelch;
    std::optional<FlagChoice> scan, priority, power, spacing;
    std::vector<std::string> options;

    bool EditsChannel() const { return rx || tx || rxSquelch || txSquelch; }
    bool ChannelOptions() const {
        return clear || EditsChannel() || scan || priority || power || spacing;
    }
};

SetArgs CheckedSetArgs(const SetTexts& t) {
    SetArgs a;
    a.channelText = t.channel;
    if (a.channelText) a.channel = RequireCount("--channel", *a.channelText);
    a.clear = t.clear;
    a.rx = CheckedFrequency(t.rx, "--rx");
    a.tx = CheckedFrequency(t.tx, "--tx");
    a.rxSquelch = CheckedSquelch(t.rxSquelch, "--rx-squelch");
    a.txSquelch = CheckedSquelch(t.txSquelch, "--tx-squelch");
    a.scan = CheckedFlagChoice(t.scan, "--scan", kOn, kOff);
    a.priority = CheckedFlagChoice(t.priority, "--priority", kOn, kOff);
    a.power = CheckedFlagChoice(t.power, "--power", kHigh, kLow);
    a.spacing = CheckedFlagChoice(t.spacing, "--spacing", kStandard, kNarrow);
    a.nsc1 = CheckedNumber(t.nsc1, "--nsc1");
    a.nsc2 = CheckedNumber(t.nsc2, "--nsc2");
    a.options = t.options;
    CheckRadioOptions(a.options);
    a.path = t.path;
    if (a.ChannelOptions() && !a.channelText) throw UsageError("channel options need --channel N");
    if (a.channelText && !a.ChannelOptions() && !a.nsc1 && !a.nsc2)
        throw UsageError("--channel given without anything to set in it");
    if (!a.channelText && !a.nsc1 && !a.nsc2 && a.options.empty())
        throw UsageError("nothing to set");
    return a;
}

double ToneValue(const std::string& option, const std::string& text) {
    const ToneCheck check = CheckTone(text);
    if (!check.accepted) Refuse(option + " " + text, check.message);
    return check.hz;
}

// The chosen signalling into one direction of the edit; tones and codes must be in the
// editor's lists.
void ApplySquelch(const SquelchChoice& choice, std::int32_t& type, std::int32_t& ctcss,
                  std::int32_t& dcs, std::int32_t& invert) {
    if (choice.type == kSquelchCtcss) {
        const std::optional<std::int32_t> index = CtcssIndexOf(choice.toneHz);
        if (!index) Refuse(choice.what, msg::kNotCtcssTone);
        ctcss = *index;
    } else if (choice.type == kSquelchDcs) {
        const std::optional<std::int32_t> index = DcsIndexOf(choice.dcsCode);
        if (choice.dcsTextTooLong || !index) Refuse(choice.what, msg::kNotDcsCode);
        dcs = *index;
        invert = choice.inverted ? 1 : 0;
    }
    type = choice.type;
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
    const double fileRx = edit.rxMHz;

    FrequencyCheck rx;
    if (a.rx) {
        rx = CheckRxFrequency(*a.rx, doc.m_nBand);
        if (!rx.accepted) Refuse(where + ": --rx " + *a.rx, rx.message);
    } else {
        rx = KeptUnlessAccepted(CheckRxFrequency(fileRx, doc.m_nBand), fileRx);
    }
    if (rx.moved)
        notes.push_back(where + ": RX moved to the 12.5 kHz raster, " + rx.shownText + " stored");
    FrequencyCheck tx;
    if (a.tx) {
        tx = CheckTxFrequency(*a.tx, rx.stepCode, rx.mhz, doc.m_nBand);
        if (!tx.accepted) Refuse(where + ": --tx " + *a.tx, tx.message);
    } else {
        tx = KeptUnlessAccepted(CheckTxFrequency(edit.txMHz, rx.stepCode, rx.mhz, doc.m_nBand),
                                edit.txMHz);
    }
    edit.rxMHz = rx.mhz;
    edit.txMHz = tx.mhz;
    edit.stepCode = tx.stepCode != 0 ? tx.stepCode : rx.stepCode;
    // The editor's "OK" stays disabled on an empty channel until it is given a frequency.
    if (fileRx == 0.0 && edit.rxMHz == 0.0) Refuse(where, msg::kNoFrequency);

    if (a.rxSquelch) {
        if (!RxSignallingEditable(edit))
            Refuse(where + ": " + a.rxSquelch->what, msg::kNoFrequency);
        ApplySquelch(*a.rxSquelch, edit.rxType, edit.rxCtcss, edit.rxDcs, edit.rxInvert);
    }
    if (a.txSquelch) {
        const std::string what = where + ": " + a.txSquelch->what;
        if (!RxSignallingEditable(edit)) Refuse(what, msg::kNoFrequency);
        if (!TxSignallingEditable(edit)) Refuse(what, msg::kInvalidTxFrequency);
        ApplySquelch(*a.txSquelch, edit.txType, edit.txCtcss, edit.txDcs, edit.txInvert);
    }
    if (a.nsc1) edit.nsc1 = ToneValue("--nsc1", *a.nsc1);
    if (a.nsc2) edit.nsc2 = ToneValue("--nsc2", *a.nsc2);

    const StoreOutcome stored = StoreChannel(doc, n, edit);
    if (stored.stored) return;
    const bool txFromFile = stored.field == ChannelField::kTxFrequency && !a.tx;
    Refuse(where + (txFromFile ? ": TX in the file" : ""), stored.message);
}

void SetFlags(CKM42Doc& doc, int n, const SetArgs& a) {
    const std::string where = "channel " + std::to_string(n) + ": ";
    struct Step {
        const std::optional<FlagChoice>& choice;
        FlagOutcome (*set)(CKM42Doc&, int, bool);
    };
    for (const Step& step : {Step{a.scan, SetScan}, Step{a.priority, SetPriority},
                             Step{a.power, SetHighPower}, Step{a.spacing, SetStdSpacing}}) {
        if (!step.choice) continue;
        const FlagOutcome outcome = step.set(doc, n, step.choice->on);
        if (!outcome.accepted) Refuse(where + step.choice->what, outcome.message);
    }
}

int RunSet(const SetTexts& texts) {
    const SetArgs a = CheckedSetArgs(texts);
    CKM42Doc doc = LoadPlan(a.path);
    std::vector<std::string> notes;

    if (a.channelText) {
        if (!IsPlanChannel(doc, a.channel))
            Refuse("--channel " + *a.channelText, msg::kChannelOutOfPlan);
        if (a.clear) ClearChannel(doc, a.channel);
        if (a.EditsChannel() || a.nsc1 || a.nsc2) EditChannel(doc, a.channel, a, notes);
        SetFlags(doc, a.channel, a);
    } else if (a.nsc1 || a.nsc2) {
        // Without a channel only the tones change; the other one stays as channel 1 has it,
        // which is the pair the radio receives.
        const ChannelRecord& first = doc.Channel(1);
        const double nsc1 = a.nsc1 ? ToneValue("--nsc1", *a.nsc1) : first.m_dRxNsc1;
        const double nsc2 = a.nsc2 ? ToneValue("--nsc2", *a.nsc2) : first.m_dRxNsc2;
        SetNonStandardTones(doc, nsc1, nsc2);
    }
    ApplyRadioOptions(doc, a.options, notes);

    SavePlan(doc, a.path);
    for (const std::string& note : notes) std::printf("note: %s\n", note.c_str());
    std::printf("%s: saved\n", a.path.c_str());
    return kExitOk;
}

void AddChannelOptions(CLI::App& command, SetTexts& t) {
    const auto choice = [](const char* yes, const char* no) { return std::string(yes) + "|" + no; };
    const struct {
        const char* names;
        std::optional<std::string>& value;
        std::string valueName;
        const char* description;
    } options[] = {
        {"--rx", t.rx, "MHZ",
         "receive frequency; \"\" or 0 empties the channel where the band allows; off-raster "
         "values move to the 12.5 kHz raster (noted)"},
        {"--tx", t.tx, "MHZ",
         "transmit frequency, on the receive frequency's raster; \"\" or 0 clears it"},
        {"--rx-squelch", t.rxSquelch, SquelchForms(),
         "receive signalling: carrier squelch, a CTCSS tone (TONE in Hz as 100.0), a DCS code "
         "(CODE as 023, :inv for the inverted code) or a non-standard tone"},
        {"--tx-squelch", t.txSquelch, SquelchForms(),
         "transmit signalling, written as for --rx-squelch"},
        {"--scan", t.scan, choice(kOn, kOff), "the channel's scan flag"},
        {"--priority", t.priority, choice(kOn, kOff), "the priority channel (one in a plan)"},
        {"--power", t.power, choice(kHigh, kLow), "transmit power"},
        {"--spacing", t.spacing, choice(kStandard, kNarrow),
         "channel spacing: s standard, n narrow"},
    };
    AddValue(command, "--channel", t.channel, "N",
             "the channel to change, 1..4 or 1..16; its options are checked as the channel "
             "editor checks them")
        ->group(kChannelGroup);
    command.add_flag("--clear", t.clear, "empty the channel first, as the editor's \"clear\"")
        ->group(kChannelGroup);
    for (const auto& option : options)
        AddValue(command, option.names, option.value, option.valueName, option.description)
            ->group(kChannelGroup);
}

}  // namespace

void DeclareSet(CCommandSet& commands) {
    auto t = std::make_shared<SetTexts>();
    CLI::App& command = commands.Add("set", "edit a channel plan in place with the editors' rules",
                                     [t] { return RunSet(*t); });
    command.add_option("FILE", t->path, "the data file, changed in place")->required();
    AddChannelOptions(command, *t);
    AddValue(command, "--nsc1", t->nsc1, "HZ",
             "non-standard tone 1, 50.0..300.0 Hz, shared by every channel of the plan; with "
             "--channel N the editor's store also spreads channel N's tones")
        ->group(kTonesGroup);
    AddValue(command, "--nsc2", t->nsc2, "HZ", "non-standard tone 2, as --nsc1")
        ->group(kTonesGroup);
    command.add_option("--option", t->options, "a radio-wide option, repeatable (listed below)")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false)
        ->group("Radio options");
    command.footer("Radio options (--option NAME=VALUE, applied in this order):\n" +
                   RadioOptionsHelp() +
                   "\nA refused value ends the command with status 1 and leaves the file "
                   "unchanged.");
}

}  // namespace cli
