// SPDX-License-Identifier: GPL-3.0-or-later
// What the image cannot hold is refused here, before anything reaches a radio: a value that
// does not fit its bits would otherwise go out silently cut, and the radio would work on a
// frequency, tone or time other than the plan shows.
#include <charconv>
#include <optional>
#include <string>

#include "codec/FrequencyCodec.h"
#include "codec/ImageCodec.h"
#include "codec/OptionBytes.h"
#include "codec/SignallingCodec.h"
#include "model/BandTable.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"

namespace {

using Refusal = std::optional<std::string>;

// Enough decimals to show the hertz that put a frequency off its raster.
std::string MHzText(double mhz) {
    std::string text = FormatText("%.6f", mhz);
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) return text;
    const std::size_t keep = dot + 5;  // at least four decimals, as the grid shows them
    while (text.size() > keep && text.back() == '0') text.pop_back();
    return text;
}

// Every digit that tells a value from the one the radio would give back.
std::string ShortestText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

const char* SideName(bool rx) {
    return rx ? msg::kImageRx : msg::kImageTx;
}

Refusal CheckDivider(int n, bool rx, double mhz, const freq::Divider& divider,
                     std::int64_t stepHz) {
    if (!divider.Fits())
        return FormatText(msg::kImageDividerRange, n, SideName(rx), MHzText(mhz).c_str());
    if (!divider.OnRaster(stepHz)) {
        const std::string kHz = FormatText("%g", static_cast<double>(stepHz) / 1000.0);
        return FormatText(msg::kImageOffRaster, n, SideName(rx), MHzText(mhz).c_str(), kHz.c_str());
    }
    return std::nullopt;
}

Refusal CheckFrequencies(int n, const ChannelRecord& ch, std::int32_t band) {
    const freq::ChannelDividers dividers = freq::PlanDividers(ch, band);
    if (dividers.stepHz == 0) {
        return FormatText(msg::kImageNoSharedRaster, n, MHzText(ch.m_dRxFreq).c_str(),
                          MHzText(ch.m_dTxFreq).c_str());
    }
    if (Refusal r = CheckDivider(n, true, ch.m_dRxFreq, dividers.rx, dividers.stepHz)) return r;
    return CheckDivider(n, false, ch.m_dTxFreq, dividers.tx, dividers.stepHz);
}

Refusal CheckChannel(int n, const ChannelRecord& ch, std::int32_t band) {
    // Less than half a hertz counts as in use in the plan but goes out as 0 Hz, which reads
    // back as a different channel.
    if (freq::HertzFromMHz(ch.m_dRxFreq) == 0)
        return FormatText(msg::kImageRxRoundsToZero, n, FormatText("%g", ch.m_dRxFreq).c_str());
    // Likewise a transmit frequency shown as "0.0000" goes out as none.
    if (ch.m_dTxFreq != 0.0 && freq::HertzFromMHz(ch.m_dTxFreq) == 0)
        return FormatText(msg::kImageTxRoundsToZero, n, FormatText("%g", ch.m_dTxFreq).c_str());
    return CheckFrequencies(n, ch, band);
}

Refusal CheckTones(const ChannelRecord& first) {
    const double tones[] = {first.m_dRxNsc1, first.m_dRxNsc2};
    for (int i = 0; i < 2; ++i) {
        if (!signalling::IsToneEncodable(tones[i]))
            return FormatText(msg::kImageToneRange, i + 1, FormatText("%g", tones[i]).c_str());
        // The image keeps the tone as digits with one decimal.
        const double readBack = signalling::ToneFromTextBytes(signalling::ToneTextBytes(tones[i]));
        if (readBack != tones[i])
            return FormatText(msg::kImageToneInexact, i + 1, ShortestText(tones[i]).c_str(),
                              ShortestText(readBack).c_str());
    }
    return std::nullopt;
}

Refusal CheckOptions(const CKM42Doc& doc) {
    if (const options::OptionRule* misfit = options::FindMisfit(doc))
        return FormatText(msg::kImageOptionRange, misfit->name,
                          FormatText("%g", misfit->shown(doc)).c_str());
    const options::Inexact inexact = options::FindInexact(doc);
    if (inexact.rule == nullptr) return std::nullopt;
    return FormatText(msg::kImageOptionInexact, inexact.rule->name,
                      ShortestText(inexact.rule->shown(doc)).c_str(),
                      ShortestText(inexact.readBack).c_str());
}

}  // namespace

std::optional<std::string> CheckEncodable(const CKM42Doc& doc) {
    // The band decides the receiver offset and the polarity sense of every channel.
    if (doc.m_nBand < 0 || doc.m_nBand >= kBandCount)
        return FormatText(msg::kImageBandRange, doc.m_nBand, kBandCount - 1);
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        if (!ch.InUse()) continue;
        if (Refusal r = CheckChannel(n, ch, doc.m_nBand)) return r;
    }
    // The rule the damaged-file check lists by: what would not read back as the plan holds it.
    if (const std::vector<std::string> uncarried = FindUncarriedValues(doc); !uncarried.empty())
        return uncarried.front();
    if (Refusal r = CheckTones(doc.Channel(1))) return r;
    return CheckOptions(doc);
}
