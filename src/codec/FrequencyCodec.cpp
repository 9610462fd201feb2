// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/FrequencyCodec.h"

#include <cmath>

#include "model/BandTable.h"

namespace freq {
namespace {

// Far beyond any radio, far inside what a 64-bit hertz count holds.
constexpr double kLargestMHz = 1.0e9;
constexpr double kHzPerMHz = 1'000'000.0;

Divider MakeDivider(std::optional<std::int64_t> hz, std::int64_t stepHz) {
    Divider divider;
    divider.hz = hz;
    if (hz && stepHz > 0) divider.value = *hz / stepHz;
    return divider;
}

bool OnRaster(const std::optional<std::int64_t>& a, const std::optional<std::int64_t>& b,
              std::int64_t stepHz) {
    return a && b && *a % stepHz == 0 && *b % stepHz == 0;
}

// The raster a channel's two frequencies share; 0 when none.
std::int64_t SharedRaster(const std::optional<std::int64_t>& rxHz,
                          const std::optional<std::int64_t>& txHz) {
    if (OnRaster(rxHz, txHz, kStep6250Hz)) return kStep6250Hz;
    if (OnRaster(rxHz, txHz, kStep5000Hz)) return kStep5000Hz;
    return 0;
}

void PutDivider(const Divider& divider, const image::Direction& dir, image::ChannelBlock block) {
    const auto v = static_cast<unsigned>(divider.value & kMaxDivider);
    const unsigned quotient = v / kRemainderDivisor;
    block[dir.flags] =
        static_cast<std::uint8_t>(block[dir.flags] | ((quotient >> 8) & dir.QuotientHigh().Max()));
    image::Put(block, dir.QuotientLow(), quotient & 0xFFu);
    image::Put(block, dir.Remainder(), v % kRemainderDivisor);
}

std::int64_t ReadDivider(image::ConstChannelBlock block, const image::Direction& dir) {
    const unsigned quotient =
        (image::Get(block, dir.QuotientHigh()) << 8) | image::Get(block, dir.QuotientLow());
    return static_cast<std::int64_t>(quotient) * kRemainderDivisor +
           image::Get(block, dir.Remainder());
}

}  // namespace

std::optional<std::int64_t> HertzFromMHz(double mhz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestMHz) return std::nullopt;
    return std::llround(mhz * kHzPerMHz);
}

ChannelDividers PlanDividers(const ChannelRecord& ch, std::int32_t band) {
    const std::optional<std::int64_t> rxHz = HertzFromMHz(ch.m_dRxFreq);
    const std::optional<std::int64_t> txHz = HertzFromMHz(ch.m_dTxFreq);
    std::optional<std::int64_t> synthesizerHz;
    if (rxHz) synthesizerHz = IsVhfBand(band) ? *rxHz + kIfOffsetHz : *rxHz - kIfOffsetHz;

    ChannelDividers dividers;
    switch (ch.m_nStepCode) {
        case kStep6250:
            dividers.stepHz = kStep6250Hz;
            break;
        case kStep5000:
            dividers.stepHz = kStep5000Hz;
            break;
        // The IF offset lies on both rasters, so the channel frequency decides.
        default:
            dividers.stepHz = SharedRaster(rxHz, txHz);
            break;
    }
    dividers.rx = MakeDivider(synthesizerHz, dividers.stepHz);
    dividers.tx = MakeDivider(txHz, dividers.stepHz);
    return dividers;
}

void EncodeFrequencies(const ChannelDividers& dividers, image::ChannelBlock block) {
    PutDivider(dividers.rx, image::kRx, block);
    PutDivider(dividers.tx, image::kTx, block);
}

DecodedFrequencies DecodeFrequencies(image::ConstChannelBlock block, bool formatMarker) {
    const bool step6250Flag = image::Get(block, image::block::kStep6250) != 0;
    const bool spacingFlag = image::Get(block, image::block::kStdSpacing) != 0;
    const bool use6250 = formatMarker ? step6250Flag : !spacingFlag;
    const std::int64_t stepHz = use6250 ? kStep6250Hz : kStep5000Hz;

    DecodedFrequencies out;
    out.stepCode = step6250Flag ? kStep6250 : kStep5000;
    const std::int64_t synthesizerHz = ReadDivider(block, image::kRx) * stepHz;
    if (synthesizerHz < kVhfSynthesizerLimitHz) {
        out.rxMHz = static_cast<double>(synthesizerHz - kIfOffsetHz) / kHzPerMHz;
        out.bandGuess = kBandVhf2;
    } else {
        out.rxMHz = static_cast<double>(synthesizerHz + kIfOffsetHz) / kHzPerMHz;
        out.bandGuess = kBandUhf2;
    }
    out.txMHz = static_cast<double>(ReadDivider(block, image::kTx) * stepHz) / kHzPerMHz;
    return out;
}

}  // namespace freq
