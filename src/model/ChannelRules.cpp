// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChannelRules.h"

#include <cmath>

#include "model/BandTable.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace {

constexpr int kHzDecimals = 6;  // MHz -> Hz
constexpr int kToneDecimals = 1;
// Larger than anything nine typed characters hold; keeps hertz inside 64 bits.
constexpr double kMaxMHz = 1e12;

std::optional<std::int64_t> HertzOf(double mhz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kMaxMHz) return std::nullopt;
    return std::llround(mhz * static_cast<double>(kHzPerMHz));
}

double MHzOf(std::int64_t hz) {
    return static_cast<double>(hz) / static_cast<double>(kHzPerMHz);
}

bool OnRaster(std::int64_t hz, std::int64_t raster) {
    return hz % raster == 0;
}

std::int64_t LimitHz(double mhz) {
    return std::llround(mhz * static_cast<double>(kHzPerMHz));
}

// The band's refusal text; the unlimited band has none of its own.
std::string RangeMessage(std::int32_t band, bool rx) {
    const char* text = BandOrDefault(band).limits.message;
    if (text != nullptr) return text;
    return rx ? msg::kInvalidRxFrequency : msg::kInvalidTxFrequency;
}

// Band limits from 0 up; values below 0 are never a frequency.
bool WithinBand(std::int64_t hz, std::int32_t band, bool rx) {
    if (hz < 0) return false;
    const EditorLimits& limits = BandOrDefault(band).limits;
    if (!limits.limited) return true;
    if (hz == 0) return !rx || limits.rxEmptyAllowed;
    if (hz < LimitHz(limits.lowMHz)) return false;
    const std::int64_t high = LimitHz(limits.highMHz);
    return limits.highExclusive ? hz < high : hz <= high;
}

FrequencyCheck Refused(std::string message) {
    FrequencyCheck check;
    check.message = std::move(message);
    return check;
}

FrequencyCheck Accepted(std::int64_t hz, std::int32_t stepCode, bool moved) {
    FrequencyCheck check;
    check.accepted = true;
    check.mhz = MHzOf(hz);
    check.stepCode = stepCode;
    check.moved = moved;
    check.shownText = FrequencyText(check.mhz);
    return check;
}

FrequencyCheck CheckRxHertz(std::optional<std::int64_t> typedHz, std::int32_t band) {
    if (!typedHz || *typedHz < 0) return Refused(RangeMessage(band, true));
    std::int64_t hz = *typedHz;
    std::int32_t step = kStep6250;
    bool moved = false;
    if (OnRaster(hz, kRaster6250Hz)) {
        step = kStep6250;
    } else if (OnRaster(hz, kRaster5000Hz)) {
        step = kStep5000;
    } else {
        // Off raster: to the 12.5 kHz raster, i.e. an even multiple of 6.25 kHz.
        std::int64_t units = hz / kRaster6250Hz;
        if (units % 2 != 0) ++units;
        hz = units * kRaster6250Hz;
        moved = true;
    }
    if (!WithinBand(hz, band, true)) return Refused(RangeMessage(band, true));
    return Accepted(hz, step, moved);
}

std::int64_t RasterOf(std::int32_t step) {
    return step == kStep6250 ? kRaster6250Hz : kRaster5000Hz;
}

bool OnBothRasters(double mhz) {
    const std::optional<std::int64_t> hz = HertzOf(mhz);
    return hz && *hz >= 0 && OnRaster(*hz, kRaster6250Hz) && OnRaster(*hz, kRaster5000Hz);
}

FrequencyCheck CheckTxHertz(std::optional<std::int64_t> typedHz, std::int32_t stepCode,
                            double rxMHz, std::int32_t band) {
    if (!typedHz || *typedHz < 0) return Refused(RangeMessage(band, false));
    const std::int64_t hz = *typedHz;
    std::int32_t step = stepCode == kStep6250 ? kStep6250 : kStep5000;
    if (!OnRaster(hz, RasterOf(step))) {
        // A 25 kHz RX lies on both rasters: the pair is held with the one the TX is on.
        const std::int32_t other = step == kStep6250 ? kStep5000 : kStep6250;
        if (!OnBothRasters(rxMHz) || !OnRaster(hz, RasterOf(other)))
            return Refused(msg::kInvalidTxFrequency);
        step = other;
    }
    if (!WithinBand(hz, band, false)) return Refused(RangeMessage(band, false));
    return Accepted(hz, step, false);
}

bool StepFits(std::int32_t step, std::int64_t rxHz, std::int64_t txHz) {
    if (step != kStep6250 && step != kStep5000) return false;
    return OnRaster(rxHz, RasterOf(step)) && OnRaster(txHz, RasterOf(step));
}

StoreOutcome StoreRefused(ChannelField field, std::string message) {
    StoreOutcome outcome;
    outcome.field = field;
    outcome.message = std::move(message);
    return outcome;
}

std::int32_t AnyInPlan(const CKM42Doc& doc, std::int32_t ChannelRecord::*flag) {
    for (int n = 1; n <= doc.ChannelCount(); ++n)
        if (doc.Channel(n).*flag != 0) return 1;
    return 0;
}

// The channel stops being the priority or power-on channel. A damaged file may flag a second
// channel; the radio-wide flag then stays with that one.
void GiveUpRadioWideRoles(CKM42Doc& doc, ChannelRecord& ch) {
    const bool wasPriority = ch.m_bPriority != 0;
    const bool wasPowerOn = ch.m_bPowerOn != 0;
    ch.m_bPriority = 0;
    ch.m_bPowerOn = 0;
    if (wasPriority) doc.m_bPriorityUsed = AnyInPlan(doc, &ChannelRecord::m_bPriority);
    if (wasPowerOn) doc.m_bPowerOnUsed = AnyInPlan(doc, &ChannelRecord::m_bPowerOn);
}

}  // namespace

bool IsPlanChannel(const CKM42Doc& doc, int n) {
    return n >= 1 && n <= doc.ChannelCount();
}

bool FrequencyWithinBand(double mhz, std::int32_t band, bool receive) {
    const std::optional<std::int64_t> hz = HertzOf(mhz);
    return hz && WithinBand(*hz, band, receive);
}

std::int32_t RasterStepCode(double mhz) {
    const std::optional<std::int64_t> hz = HertzOf(mhz);
    if (!hz || *hz < 0) return 0;
    if (OnRaster(*hz, kRaster6250Hz)) return kStep6250;
    if (OnRaster(*hz, kRaster5000Hz)) return kStep5000;
    return 0;
}

FrequencyCheck CheckRxFrequency(std::string_view typed, std::int32_t band) {
    if (IsTypedJunk(typed)) return Refused(RangeMessage(band, true));
    return CheckRxHertz(TypedNumber::Read(typed).Rounded(kHzDecimals), band);
}

FrequencyCheck CheckRxFrequency(double mhz, std::int32_t band) {
    return CheckRxHertz(HertzOf(mhz), band);
}

FrequencyCheck CheckTxFrequency(std::string_view typed, std::int32_t stepCode, double rxMHz,
                                std::int32_t band) {
    if (IsTypedJunk(typed)) return Refused(RangeMessage(band, false));
    return CheckTxHertz(TypedNumber::Read(typed).Rounded(kHzDecimals), stepCode, rxMHz, band);
}

FrequencyCheck CheckTxFrequency(double mhz, std::int32_t stepCode, double rxMHz,
                                std::int32_t band) {
    return CheckTxHertz(HertzOf(mhz), stepCode, rxMHz, band);
}

FrequencyCheck CheckRxBox(std::string_view boxText, double loadedMHz, std::int32_t band) {
    if (boxText == FrequencyText(loadedMHz)) return CheckRxFrequency(loadedMHz, band);
    return CheckRxFrequency(boxText, band);
}

FrequencyCheck CheckTxBox(std::string_view boxText, double loadedMHz, std::int32_t stepCode,
                          double rxMHz, std::int32_t band) {
    if (boxText == FrequencyText(loadedMHz))
        return CheckTxFrequency(loadedMHz, stepCode, rxMHz, band);
    return CheckTxFrequency(boxText, stepCode, rxMHz, band);
}

ToneCheck CheckTone(std::string_view typed) {
    // The editor has always rounded a tone by printing it with one decimal and reading the
    // print back; glibc's printf rounds the binary value, so 49.95 becomes 50.0.
    const std::string printed = NscToneText(ParseTypedNumber(typed));
    const TypedNumber tone = TypedNumber::Read(printed, TypedNumber::kWholeText);
    const std::int64_t tenths = tone.Rounded(kToneDecimals);
    ToneCheck check;
    if (IsTypedJunk(typed) || tenths < std::llround(kMinNscTone * 10) ||
        tenths > std::llround(kMaxNscTone * 10)) {
        check.message = msg::kToneRange;
        return check;
    }
    check.accepted = true;
    check.hz = tone.Value();
    check.shownText = NscToneText(check.hz);
    return check;
}

std::optional<ChannelEdit> LoadChannelEdit(const CKM42Doc& doc, int n) {
    if (!IsPlanChannel(doc, n)) return std::nullopt;
    const ChannelRecord& ch = doc.Channel(n);
    ChannelEdit edit;
    edit.rxType = ch.m_nRxSquelch;
    edit.txType = ch.m_nTxSquelch;
    edit.rxInvert = ch.m_bRxDcsInvert;
    edit.txInvert = ch.m_bTxDcsInvert;
    edit.rxCtcss = ch.m_nRxCtcss;
    edit.rxDcs = ch.m_nRxDcs;
    edit.txCtcss = ch.m_nTxCtcss;
    edit.txDcs = ch.m_nTxDcs;
    edit.nsc1 = ch.m_dRxNsc1;
    edit.nsc2 = ch.m_dRxNsc2;
    edit.rxMHz = ch.m_dRxFreq;
    edit.txMHz = ch.m_dTxFreq;
    edit.stepCode = RasterStepCode(ch.m_dRxFreq);
    return edit;
}

bool RxSignallingEditable(const ChannelEdit& edit) {
    return edit.rxMHz != 0.0;
}

bool TxSignallingEditable(const ChannelEdit& edit) {
    return edit.rxMHz != 0.0 && edit.txMHz != 0.0;
}

StoreOutcome StoreChannel(CKM42Doc& doc, int n, const ChannelEdit& edit) {
    if (!IsPlanChannel(doc, n)) return StoreRefused(ChannelField::kNone, msg::kChannelOutOfPlan);
    const std::optional<std::int64_t> rxHz = HertzOf(edit.rxMHz);
    const std::optional<std::int64_t> txHz = HertzOf(edit.txMHz);
    if (!rxHz || *rxHz < 0)
        return StoreRefused(ChannelField::kRxFrequency, RangeMessage(doc.m_nBand, true));
    if (!txHz || *txHz < 0)
        return StoreRefused(ChannelField::kTxFrequency, RangeMessage(doc.m_nBand, false));

    std::int32_t step = 0;
    for (const std::int32_t candidate :
         {edit.stepCode, std::int32_t{kStep6250}, std::int32_t{kStep5000}}) {
        if (StepFits(candidate, *rxHz, *txHz)) {
            step = candidate;
            break;
        }
    }
    if (step == 0) {
        if (RasterStepCode(edit.rxMHz) == 0)
            return StoreRefused(ChannelField::kRxFrequency, msg::kInvalidRxFrequency);
        return StoreRefused(ChannelField::kTxFrequency, msg::kInvalidTxFrequency);
    }

    ChannelRecord& ch = doc.Channel(n);
    ch.m_bRxDcsInvert = edit.rxInvert;
    ch.m_bTxDcsInvert = edit.txInvert;
    ch.m_nRxSquelch = edit.rxType;
    ch.m_nTxSquelch = edit.txType;
    SetNonStandardTones(doc, edit.nsc1, edit.nsc2);
    ch.m_nRxCtcss = edit.rxCtcss;
    ch.m_nRxDcs = edit.rxDcs;
    ch.m_nTxCtcss = edit.txCtcss;
    ch.m_nTxDcs = edit.txDcs;
    ch.m_nStepCode = step;
    ch.m_dRxFreq = edit.rxMHz;
    ch.m_dTxFreq = edit.txMHz;
    if (!ch.InUse()) GiveUpRadioWideRoles(doc, ch);

    StoreOutcome outcome;
    outcome.stored = true;
    outcome.stepCode = step;
    return outcome;
}

void SetNonStandardTones(CKM42Doc& doc, double nsc1, double nsc2) {
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxNsc1 = ch.m_dTxNsc1 = nsc1;
        ch.m_dRxNsc2 = ch.m_dTxNsc2 = nsc2;
    }
    doc.m_dRadioNsc1 = nsc1;
}

bool ClearChannel(CKM42Doc& doc, int n) {
    if (!IsPlanChannel(doc, n)) return false;
    ChannelRecord& ch = doc.Channel(n);
    ch.m_bStdSpacing = 0;
    ch.m_bHighPower = 1;
    ch.m_bScan = 0;
    GiveUpRadioWideRoles(doc, ch);
    ch.m_nRxCtcss = ch.m_nTxCtcss = ch.m_nRxDcs = ch.m_nTxDcs = 0;
    ch.m_dRxFreq = ch.m_dTxFreq = 0.0;
    ch.m_bRxDcsInvert = ch.m_bTxDcsInvert = 0;
    // The tone fields stay: they hold the radio's one pair, which the image takes from
    // channel 1, so resetting them would retune every channel on a non-standard tone.
    ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCsq;
    return true;
}
