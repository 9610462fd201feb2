// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/SignallingCodec.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/BandTable.h"

namespace signalling {
namespace {

// Bands from 2 up count as UHF for the polarity bits when encoding, from 3 up when decoding.
constexpr std::int32_t kDecodeUhfPolarityBand = 3;

void DecodeCode(unsigned code, std::int32_t& type, std::int32_t& ctcss, std::int32_t& dcs) {
    if (code >= kCodeLimit) return;
    if (code == kCodeCsq) {
        type = kSquelchCsq;
    } else if (code < kCodeNsc1) {
        type = kSquelchCtcss;
        ctcss = static_cast<std::int32_t>(code - kCodeCtcssFirst);
    } else if (code == kCodeNsc1) {
        type = kSquelchNsc1;
    } else if (code == kCodeNsc2) {
        type = kSquelchNsc2;
    } else {
        type = kSquelchDcs;
        dcs = static_cast<std::int32_t>(code - kCodeDcsFirst);
    }
}

// ---- Tone detector ------------------------------------------------------------------------
// The detector counts periods of the tone against the 3.579545 MHz colour-burst crystal.
constexpr double kDetectorClockHz = 3'579'545.0;
constexpr double kPeriodScale = 256.0;
constexpr double kEdgeScale = 64.0;
constexpr double kEdgeTolerance = 0.015;  // +-1.5 % acceptance window
constexpr double kWideToneLimit = 110.9;  // below it the window is measured over two periods
constexpr unsigned kHighRangeFlag = 8;

// Lower bounds of tone bands 4 to 22; below the first is band 3. 174.9 is no typo.
constexpr std::array<double, 19> kToneBandFloors = {71.9,  79.7,  91.5,  103.5, 110.9, 123.0, 131.8,
                                                    141.3, 151.4, 162.2, 173.8, 174.9, 192.8, 203.5,
                                                    218.1, 225.7, 233.6, 241.8, 250.3};
constexpr unsigned kFirstToneBand = 3;

struct RangeStep {
    double floorHz;
    unsigned code;
};
constexpr std::array<RangeStep, 4> kRangeCodes = {{{0.0, 2}, {97.4, 3}, {136.5, 4}, {186.2, 7}}};

// Counts 256..767 carry their bit 8 or 9 as a flag in the range byte.
struct CountFlags {
    unsigned bit9;
    unsigned bit8;
};
constexpr CountFlags kLowerEdgeFlags{0x80, 0x40};
constexpr CountFlags kUpperEdgeFlags{0x20, 0x10};

// Truncation toward zero that never overflows; a division by zero counts as 0.
long long Truncate(double x) {
    constexpr double kLimit = static_cast<double>(std::numeric_limits<int>::max());
    if (!std::isfinite(x) || std::fabs(x) > kLimit) return 0;
    return static_cast<long long>(x);
}
double Divide(double a, double b) {
    return b == 0.0 ? 0.0 : a / b;
}

unsigned ToneBand(double hz) {
    unsigned band = kFirstToneBand;
    for (const double floorHz : kToneBandFloors)
        if (hz >= floorHz) ++band;
    return band;
}

unsigned RangeCode(double hz) {
    unsigned code = kRangeCodes.front().code;
    for (const RangeStep& step : kRangeCodes)
        if (hz >= step.floorHz) code = step.code;
    return hz >= kWideToneLimit ? code + kHighRangeFlag : code;
}

unsigned Flags(long long count, const CountFlags& flags) {
    if (count >= 512 && count <= 767) return flags.bit9;
    if (count >= 256 && count <= 511) return flags.bit8;
    return 0;
}

std::uint8_t LowByte(long long value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

unsigned EncodeCode(std::int32_t type, std::int32_t ctcssIndex, std::int32_t dcsIndex) {
    switch (type) {
        case kSquelchCtcss:
            return (static_cast<unsigned>(ctcssIndex) + kCodeCtcssFirst) & 0xFFu;
        case kSquelchDcs:
            return (static_cast<unsigned>(dcsIndex) + kCodeDcsFirst) & 0xFFu;
        case kSquelchNsc1:
            return kCodeNsc1;
        case kSquelchNsc2:
            return kCodeNsc2;
        default:
            return kCodeCsq;
    }
}

void EncodePolarity(const ChannelRecord& ch, std::int32_t band, image::ChannelBlock block) {
    const bool rxInvert = ch.m_bRxDcsInvert != 0;
    image::Put(block, image::kRx.Polarity(), (IsVhfBand(band) ? !rxInvert : rxInvert) ? 1 : 0);
    image::Put(block, image::kTx.Polarity(), ch.m_bTxDcsInvert == 0 ? 1 : 0);
}

void EncodeCodes(const ChannelRecord& ch, image::ChannelBlock block) {
    image::Put(block, image::kRx.Code(), EncodeCode(ch.m_nRxSquelch, ch.m_nRxCtcss, ch.m_nRxDcs));
    image::Put(block, image::kTx.Code(), EncodeCode(ch.m_nTxSquelch, ch.m_nTxCtcss, ch.m_nTxDcs));
}

void DecodePolarity(image::ConstChannelBlock block, std::int32_t band, ChannelRecord& ch) {
    const bool rxBit = image::Get(block, image::kRx.Polarity()) != 0;
    ch.m_bRxDcsInvert = (band < kDecodeUhfPolarityBand ? !rxBit : rxBit) ? 1 : 0;
    ch.m_bTxDcsInvert = image::Get(block, image::kTx.Polarity()) == 0 ? 1 : 0;
}

void DecodeCodes(image::ConstChannelBlock block, ChannelRecord& ch) {
    DecodeCode(image::Get(block, image::kRx.Code()), ch.m_nRxSquelch, ch.m_nRxCtcss, ch.m_nRxDcs);
    DecodeCode(image::Get(block, image::kTx.Code()), ch.m_nTxSquelch, ch.m_nTxCtcss, ch.m_nTxDcs);
}

bool IsToneEncodable(double hz) {
    return hz == 0.0 || (hz >= kToneMinHz && hz <= kToneMaxHz);
}

std::array<std::uint8_t, image::kToneDetectorSize> ToneDetectorBytes(double hz, ToneSlot slot) {
    const long long periods = Truncate(Divide(kDetectorClockHz, kPeriodScale * hz) + 0.5);
    const double twoPeriods = hz < kWideToneLimit ? 2.0 : 1.0;
    const double lowerEdge = (hz - hz * kEdgeTolerance) * kEdgeScale * twoPeriods;
    const double upperEdge = (hz + hz * kEdgeTolerance) * kEdgeScale * twoPeriods;
    const long long lowerCount = Truncate(Divide(kDetectorClockHz, lowerEdge));
    const double upperRounding = slot == ToneSlot::kNsc2 ? 0.5 : 0.0;
    const long long upperCount = Truncate(Divide(kDetectorClockHz, upperEdge) + upperRounding);

    const auto band = static_cast<std::uint8_t>(ToneBand(hz));
    const unsigned range =
        RangeCode(hz) | Flags(lowerCount, kLowerEdgeFlags) | Flags(upperCount, kUpperEdgeFlags);
    return {
        LowByte(256 - periods), band, band, static_cast<std::uint8_t>(range), LowByte(upperCount),
        LowByte(lowerCount)};
}

std::array<std::uint8_t, image::kToneTextSize> ToneTextBytes(double hz) {
    std::array<std::uint8_t, image::kToneTextSize> bytes{};
    if (hz == 0.0) return bytes;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%05.1f", hz);
    if (length != static_cast<int>(image::kToneTextSize)) return bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == image::kToneTextDot) {
            bytes[i] = static_cast<std::uint8_t>(text[i]);
        } else if (text[i] >= '0' && text[i] <= '9') {
            bytes[i] = static_cast<std::uint8_t>(text[i] - '0');
        } else {
            return {};  // a sign: not a tone the radio can hold
        }
    }
    return bytes;
}

double ToneFromTextBytes(const std::array<std::uint8_t, image::kToneTextSize>& bytes) {
    long long tenths = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == image::kToneTextDot) continue;
        if (bytes[i] > 9) break;
        tenths = tenths * 10 + bytes[i];
        ++digits;
    }
    // Digits before the dot count whole hertz; only a complete text has its decimal.
    if (digits == image::kToneTextSize - 1) return static_cast<double>(tenths) / 10.0;
    return static_cast<double>(tenths);
}

void EncodeTones(double nsc1, double nsc2, RadioImage& image) {
    const std::array<double, 2> tones = {nsc1, nsc2};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const auto detector = ToneDetectorBytes(tones[i], static_cast<ToneSlot>(i));
        std::copy(detector.begin(), detector.end(), image.begin() + image::kToneDetector[i]);
    }
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const auto text = ToneTextBytes(tones[i]);
        std::copy(text.begin(), text.end(), image.begin() + image::kToneText[i]);
    }
}

void DecodeTones(const RadioImage& image, CKM42Doc& doc) {
    std::array<double, 2> tones{};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        std::array<std::uint8_t, image::kToneTextSize> text{};
        std::copy_n(image.begin() + image::kToneText[i], text.size(), text.begin());
        tones[i] = ToneFromTextBytes(text);
    }
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxNsc1 = ch.m_dTxNsc1 = tones[0];
        ch.m_dRxNsc2 = ch.m_dTxNsc2 = tones[1];
    }
}

}  // namespace signalling
