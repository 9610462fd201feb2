// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ChannelImport.h"

#include <array>
#include <cmath>

#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace csv {
namespace {

constexpr double kHzPerMHzValue = 1e6;
constexpr int kSlots = 2;

double MHzOf(std::int64_t hz) {
    return static_cast<double>(hz) / kHzPerMHzValue;
}

std::int64_t HzOf(double mhz) {
    return std::llround(mhz * kHzPerMHzValue);
}

bool SameTone(double a, double b) {
    return std::lround(a * 10) == std::lround(b * 10);
}

std::string Refused(const char* what, const std::string& value, const std::string& why) {
    return FormatText(msg::kCsvValueRefused, what, value.c_str(), why.c_str());
}

const char* ColumnName(Column column) {
    return kColumnNames[static_cast<std::size_t>(column)];
}

// The plan's two non-standard tones. A tone that a channel other than the imported one uses
// is held: it may be shared, never changed, since every channel on it would change with it.
class ToneSlots {
public:
    ToneSlots(const CKM42Doc& doc, int n) {
        const ChannelRecord& first = doc.Channel(1);  // the pair the radio receives
        m_hz = {first.m_dRxNsc1, first.m_dRxNsc2};
        for (int m = 1; m <= doc.ChannelCount(); ++m) {
            const ChannelRecord& ch = doc.Channel(m);
            if (m == n || !ch.InUse()) continue;
            for (const std::int32_t type : {ch.m_nRxSquelch, ch.m_nTxSquelch}) {
                if (type == kSquelchNsc1) m_held[0] = true;
                if (type == kSquelchNsc2) m_held[1] = true;
            }
        }
    }

    double Tone(int slot) const { return m_hz[Index(slot)]; }

    // The slot (1, 2) that takes a non-standard tone: the one the row names when it can, else
    // one already on that tone, else NSC-1, else NSC-2; 0 when both hold other tones.
    int Take(double hz, int named) {
        int slot = 0;
        if (named != 0 && Usable(named, hz)) slot = named;
        for (int s = 1; s <= kSlots && slot == 0; ++s)
            if (m_held[Index(s)] && SameTone(m_hz[Index(s)], hz)) slot = s;
        for (int s = 1; s <= kSlots && slot == 0; ++s)
            if (Usable(s, hz)) slot = s;
        if (slot != 0) {
            m_hz[Index(slot)] = hz;
            m_held[Index(slot)] = true;
        }
        return slot;
    }

private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }
    bool Usable(int slot, double hz) const {
        return !m_held[Index(slot)] || SameTone(m_hz[Index(slot)], hz);
    }

    std::array<double, kSlots> m_hz{};
    std::array<bool, kSlots> m_held{};
};

// One direction's signalling into the editor's members: a tone of the list is CTCSS unless
// the row names it non-standard; any other tone takes a non-standard slot.
struct SideMembers {
    const char* direction;
    std::int32_t& type;
    std::int32_t& ctcss;
    std::int32_t& dcs;
    std::int32_t& invert;
};

std::optional<std::string> PlaceTone(const CsvSide& side, SideMembers m, ToneSlots& slots) {
    const double hz = side.toneHz.value_or(0.0);
    if (side.nscSlot == 0) {
        if (const std::optional<std::int32_t> index = CtcssIndexOf(hz)) {
            m.type = kSquelchCtcss;
            m.ctcss = *index;
            return std::nullopt;
        }
    }
    const ToneCheck check = CheckTone(FormatText("%.3f", hz));
    if (!check.accepted)
        return FormatText(msg::kCsvToneRefused, m.direction, ToneText(hz).c_str(),
                          check.message.c_str());
    const int slot = slots.Take(check.hz, side.nscSlot);
    if (slot == 0)
        return FormatText(msg::kCsvThirdTone, m.direction, ToneText(check.hz).c_str(),
                          ToneText(slots.Tone(1)).c_str(), ToneText(slots.Tone(2)).c_str());
    m.type = slot == 1 ? kSquelchNsc1 : kSquelchNsc2;
    return std::nullopt;
}

std::optional<std::string> PlaceSide(const CsvSide& side, SideMembers m, ToneSlots& slots) {
    m.invert = side.inverted ? 1 : 0;
    switch (side.kind) {
        case SignalKind::kTone:
            return PlaceTone(side, m, slots);
        case SignalKind::kDcs: {
            const std::optional<std::int32_t> index = DcsIndexOf(side.dcsCode.value_or(-1));
            if (!index)
                return FormatText(msg::kCsvCodeRefused, m.direction,
                                  FormatText("%03d", side.dcsCode.value_or(0)).c_str(),
                                  msg::kNotDcsCode);
            m.type = kSquelchDcs;
            m.dcs = *index;
            return std::nullopt;
        }
        case SignalKind::kNone:
            m.type = kSquelchCsq;
            return std::nullopt;
    }
    return std::nullopt;
}

std::int64_t TxHzOf(const CsvChannel& row, std::int64_t rxHz) {
    switch (row.duplex) {
        case Duplex::kPlus:
            return rxHz + row.offsetHz;
        case Duplex::kMinus:
            return rxHz - row.offsetHz;
        case Duplex::kSplit:
            return row.offsetHz;
        case Duplex::kOff:
            return 0;
        case Duplex::kSimplex:
            break;
    }
    return rxHz;
}

// The transmit check on the row's step when it gives one, else on the receive frequency's
// raster, else on either raster: a frequency on both rasters does not decide the step alone.
FrequencyCheck CheckTx(std::int64_t txHz, std::int32_t rowStep, const FrequencyCheck& rx,
                       std::int32_t band) {
    for (const std::int32_t step :
         {rowStep, rx.stepCode, std::int32_t{kStep6250}, std::int32_t{kStep5000}}) {
        if (step == 0) continue;
        const FrequencyCheck check = CheckTxFrequency(MHzOf(txHz), step, rx.mhz, band);
        if (check.accepted) return check;
    }
    return CheckTxFrequency(MHzOf(txHz), rx.stepCode, rx.mhz, band);
}

std::optional<std::string> ApplyFlags(CKM42Doc& doc, int n, const CsvChannel& row) {
    struct FlagStep {
        const std::optional<bool>& value;
        FlagOutcome (*set)(CKM42Doc&, int, bool);
        Column column;
    };
    for (const FlagStep& step : {FlagStep{row.scan, SetScan, Column::kSkip},
                                 FlagStep{row.highPower, SetHighPower, Column::kPower},
                                 FlagStep{row.standardSpacing, SetStdSpacing, Column::kMode},
                                 FlagStep{row.priority, SetPriority, Column::kPriority}}) {
        if (!step.value) continue;
        const FlagOutcome outcome = step.set(doc, n, *step.value);
        if (!outcome.accepted)
            return FormatText(msg::kCsvColumnRefused, ColumnName(step.column),
                              outcome.message.c_str());
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ApplyCsvChannel(CKM42Doc& doc, int n, const CsvChannel& row,
                                           std::string& note) {
    note.clear();
    if (!IsPlanChannel(doc, n)) return std::string(msg::kChannelOutOfPlan);
    if (row.rxHz == 0) {
        ClearChannel(doc, n);
        return std::nullopt;
    }
    const std::int32_t band = doc.m_nBand;
    const FrequencyCheck rx = CheckRxFrequency(MHzOf(row.rxHz), band);
    if (!rx.accepted) return Refused(ColumnName(Column::kFrequency), MHzText(row.rxHz), rx.message);
    const std::int64_t rxHz = HzOf(rx.mhz);
    if (rx.moved)
        note = FormatText(msg::kCsvRxMoved, MHzText(row.rxHz).c_str(), MHzText(rxHz).c_str());
    const std::int64_t txHz = TxHzOf(row, rxHz);
    const FrequencyCheck tx = CheckTx(txHz, row.stepCode, rx, band);
    if (!tx.accepted) return Refused(msg::kImageTx, MHzText(txHz), tx.message);

    ChannelEdit edit = *LoadChannelEdit(doc, n);
    edit.rxMHz = rx.mhz;
    edit.txMHz = tx.mhz;
    edit.stepCode = row.stepCode != 0 ? row.stepCode : tx.stepCode;
    if (row.signalling) {
        ToneSlots slots(doc, n);
        const SideMembers txSide{msg::kImageTx, edit.txType, edit.txCtcss, edit.txDcs,
                                 edit.txInvert};
        const SideMembers rxSide{msg::kImageRx, edit.rxType, edit.rxCtcss, edit.rxDcs,
                                 edit.rxInvert};
        if (auto refusal = PlaceSide(row.tx, txSide, slots)) return refusal;
        if (auto refusal = PlaceSide(row.rx, rxSide, slots)) return refusal;
        edit.nsc1 = slots.Tone(1);
        edit.nsc2 = slots.Tone(2);
    }
    const StoreOutcome stored = StoreChannel(doc, n, edit);
    if (!stored.stored) return stored.message;
    return ApplyFlags(doc, n, row);
}

}  // namespace csv
