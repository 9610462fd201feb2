// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/ImageCodec.h"

#include <algorithm>

#include "codec/FrequencyCodec.h"
#include "codec/OptionBytes.h"
#include "codec/SignallingCodec.h"

namespace {

using image::Get;
using image::Put;

unsigned Flag(bool set) {
    return set ? 1u : 0u;
}

// ---- Encoding -------------------------------------------------------------------------------

void EncodeChannel(const ChannelRecord& ch, std::int32_t band, image::ChannelBlock block) {
    const freq::ChannelDividers dividers = freq::PlanDividers(ch, band);
    signalling::EncodePolarity(ch, band, block);
    Put(block, image::block::kStep6250, Flag(dividers.Step6250()));
    Put(block, image::block::kStdSpacing, Flag(ch.m_bStdSpacing != 0));
    Put(block, image::block::kHighPower, Flag(ch.m_bHighPower != 0));
    signalling::EncodeCodes(ch, block);
    freq::EncodeFrequencies(dividers, block);
}

void EncodeChecksum(image::ChannelBlock block) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < image::block::kChecksum; ++i) sum += block[i];
    block[image::block::kChecksum] = static_cast<std::uint8_t>(sum & 0xFFu);
}

void EncodeChannels(const CKM42Doc& doc, RadioImage& image) {
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        if (ch.InUse()) EncodeChannel(ch, doc.m_nBand, image::BlockOf(image, n));
        EncodeChecksum(image::BlockOf(image, n));
    }
}

// Channel numbers and masks the firmware keeps beside the blocks.
void EncodeBookkeeping(const CKM42Doc& doc, RadioImage& image) {
    unsigned scanMask = 0;
    unsigned emptyMask = 0;
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        const auto number = static_cast<std::uint8_t>(n);
        if (ch.InUse()) {
            image[image::kHighestInUse] = number;
            if (image[image::kLowestInUse] == 0) image[image::kLowestInUse] = number;
        } else {
            emptyMask |= image::ChannelBit(n);
        }
        if (ch.m_bPriority == 1) image[image::kPriorityChannel] = number;
        if (ch.m_bPowerOn == 1) image[image::kPowerOnChannel] = number;
        if (ch.m_bScan != 0) scanMask |= image::ChannelBit(n);
    }
    Put(image, image::kAnyScan, Flag(scanMask != 0));
    image::WriteMap(image, image::kScanMap, scanMask);
    image::WriteMap(image, image::kScanMapCopy, scanMask);
    image::WriteMap(image, image::kEmptyMap, emptyMask);
}

void EncodeFixedBytes(const CKM42Doc& doc, RadioImage& image) {
    for (const image::FixedByte& fixed : image::kFixedBytes) image[fixed.offset] = fixed.value;
    image[image::kBand] = static_cast<std::uint8_t>(doc.m_nBand & 0xFF);
    image[image::kScanMode] = image::kScanModeValue;
    image[image::kFormatMarker] = image::kFormatMarkerValue;
    if (Get(image, image::kAnyScan) == 0) {
        const auto area = image.begin() + image::kScanModeArea;
        std::fill(area, area + image::kScanModeAreaSize, std::uint8_t{0});
    }
}

// ---- Decoding -------------------------------------------------------------------------------

bool BlockInUse(image::ConstChannelBlock block) {
    return block[image::block::kInUseByte] != 0;
}

void DecodeChannelFlags(image::ConstChannelBlock block, std::int32_t band, ChannelRecord& ch) {
    if (!BlockInUse(block)) {
        ch.m_bRxDcsInvert = ch.m_bTxDcsInvert = ch.m_bStdSpacing = 0;
        ch.m_bHighPower = 1;
        return;
    }
    signalling::DecodePolarity(block, band, ch);
    ch.m_nStepCode = Get(block, image::block::kStep6250) != 0 ? kStep6250 : kStep5000;
    ch.m_bStdSpacing = static_cast<std::int32_t>(Get(block, image::block::kStdSpacing));
    ch.m_bHighPower = static_cast<std::int32_t>(Get(block, image::block::kHighPower));
}

void DecodeChannelSignalling(image::ConstChannelBlock block, ChannelRecord& ch) {
    if (!BlockInUse(block)) {
        ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCsq;
        return;
    }
    signalling::DecodeCodes(block, ch);
}

// Every channel in use writes its band guess, so the last one in use decides the band.
void DecodeChannelFrequencies(image::ConstChannelBlock block, bool marker, CKM42Doc& doc,
                              ChannelRecord& ch) {
    if (!BlockInUse(block)) {
        ch.m_dRxFreq = ch.m_dTxFreq = 0.0;
        return;
    }
    const freq::DecodedFrequencies decoded = freq::DecodeFrequencies(block, marker);
    ch.m_dRxFreq = decoded.rxMHz;
    ch.m_dTxFreq = decoded.txMHz;
    ch.m_nStepCode = decoded.stepCode;
    doc.m_nBand = decoded.bandGuess;
}

void DecodeChannels(const RadioImage& image, CKM42Doc& doc) {
    const std::int32_t band = doc.m_nBand;  // as byte 2029 gave it, before any guess
    const int count = doc.ChannelCount();
    for (int n = 1; n <= count; ++n)
        DecodeChannelFlags(image::BlockOf(image, n), band, doc.Channel(n));
    for (int n = 1; n <= count; ++n)
        DecodeChannelSignalling(image::BlockOf(image, n), doc.Channel(n));
    const bool marker = image[image::kFormatMarker] == image::kFormatMarkerValue;
    for (int n = 1; n <= count; ++n)
        DecodeChannelFrequencies(image::BlockOf(image, n), marker, doc, doc.Channel(n));
}

// A channel-number byte names a channel only from 1 to 16; anything else reads as "none".
std::optional<int> NamedChannel(std::uint8_t value) {
    if (value >= 1 && value <= image::kChannelBlocks) return value;
    return std::nullopt;
}

void DecodePriorityAndPowerOn(const RadioImage& image, CKM42Doc& doc) {
    doc.m_bPowerOnUsed = static_cast<std::int32_t>(Get(image, image::kPowerOnUsed));
    doc.m_bPriorityUsed = static_cast<std::int32_t>(Get(image, image::kPriorityUsed));
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        doc.Channel(n).m_bPriority = 0;
        doc.Channel(n).m_bPowerOn = 0;
    }
    if (const std::optional<int> priority = NamedChannel(image[image::kPriorityChannel]))
        doc.Channel(*priority).m_bPriority = 1;
    else
        doc.m_bPriorityUsed = 0;
    if (const std::optional<int> powerOn = NamedChannel(image[image::kPowerOnChannel]))
        doc.Channel(*powerOn).m_bPowerOn = 1;
}

// The masks cover all sixteen records whatever the model.
void DecodeChannelMaps(const RadioImage& image, CKM42Doc& doc) {
    const unsigned scanMask = image::ReadMap(image, image::kScanMap);
    for (int n = 1; n <= image::kChannelBlocks; ++n)
        doc.Channel(n).m_bScan = (scanMask & image::ChannelBit(n)) != 0 ? 1 : 0;
    const unsigned emptyMask = image::ReadMap(image, image::kEmptyMap);
    for (int n = 1; n <= image::kChannelBlocks; ++n)
        if ((emptyMask & image::ChannelBit(n)) != 0) doc.Channel(n).m_dRxFreq = 0.0;
}

}  // namespace

void EncodeImage(const CKM42Doc& doc, RadioImage& image) {
    image.fill(0);
    options::EncodeOptions(doc, image);
    EncodeChannels(doc, image);
    Put(image, image::kPowerOnUsed, Flag(doc.m_bPowerOnUsed != 0));
    Put(image, image::kPriorityUsed, Flag(doc.m_bPriorityUsed != 0));
    EncodeBookkeeping(doc, image);
    const ChannelRecord& first = doc.Channel(1);  // the image holds one pair of tones
    signalling::EncodeTones(first.m_dRxNsc1, first.m_dRxNsc2, image);
    EncodeFixedBytes(doc, image);
}

void DecodeImage(const RadioImage& image, CKM42Doc& doc) {
    doc.m_nBand = image[image::kBand];
    options::DecodeOptions(image, doc);
    DecodeChannels(image, doc);
    DecodePriorityAndPowerOn(image, doc);
    DecodeChannelMaps(image, doc);
    signalling::DecodeTones(image, doc);
}
