// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CodecTestSupport.h"
#include "codec/FrequencyCodec.h"

namespace {

struct Fields {
    unsigned quotient;
    unsigned remainder;
};

Fields RxFields(const RadioImage& image, int n) {
    const std::size_t b = 9 * static_cast<std::size_t>(n);
    return {(image[b] & 7u) << 8 | image[b + 1], image[b + 3]};
}
Fields TxFields(const RadioImage& image, int n) {
    const std::size_t b = 9 * static_cast<std::size_t>(n);
    return {(image[b + 4] & 7u) << 8 | image[b + 5], image[b + 7]};
}

CKM42Doc OneChannel(int band, double rx, double tx, int step) {
    CKM42Doc doc = NewPlan(band, false);
    doc.Channel(1).m_dRxFreq = rx;
    doc.Channel(1).m_dTxFreq = tx;
    doc.Channel(1).m_nStepCode = step;
    return doc;
}

CKM42Doc RoundTrip(const CKM42Doc& doc) {
    CKM42Doc back;
    DecodeImage(Encoded(doc), back);
    return back;
}

TEST(FrequencyEncoding, VhfReceiveRunsTheSynthesizerAboveTheChannel) {
    const RadioImage image = Encoded(OneChannel(1, 150.0, 150.0, kStep5000));
    EXPECT_EQ(RxFields(image, 1).quotient, 0x261u);  // V = 39020
    EXPECT_EQ(RxFields(image, 1).remainder, 44u);
    EXPECT_EQ(image[9 + 1], 0x61);
    EXPECT_EQ(image[9 + 3], 0x2C);
    EXPECT_EQ(TxFields(image, 1).quotient, 0x1D4u);  // V = 30000
    EXPECT_EQ(TxFields(image, 1).remainder, 48u);
    EXPECT_EQ(image[9] & 0x40, 0);  // 5 kHz: step flag clear
}

TEST(FrequencyEncoding, UhfReceiveRunsTheSynthesizerBelowTheChannel) {
    const RadioImage image = Encoded(OneChannel(4, 450.0125, 450.0125, kStep6250));
    EXPECT_EQ(image[9] & 0x07, 3);
    EXPECT_EQ(image[9] & 0x40, 0x40);
    EXPECT_EQ(image[9 + 1], 0xF4);
    EXPECT_EQ(image[9 + 3], 0x12);
    EXPECT_EQ(image[9 + 4] & 0x07, 4);
    EXPECT_EQ(image[9 + 5], 0x65);
    EXPECT_EQ(image[9 + 7], 0x02);
}

TEST(FrequencyEncoding, HertzAreRoundedNeverTruncated) {
    EXPECT_EQ(freq::HertzFromMHz(512.0375), 512'037'500);
    const freq::ChannelDividers d = freq::PlanDividers(OneChannel(6, 512.0375, 0, 1).Channel(1), 6);
    EXPECT_EQ(d.rx.value, 74710);
    EXPECT_EQ(RoundTrip(OneChannel(6, 512.0375, 512.0375, kStep6250)).Channel(1).m_dRxFreq,
              512.0375);
    // Every raster point of the UHF 2 and VHF 2 bands survives the MHz -> hertz step.
    for (long long hz = 440'000'000; hz <= 470'000'000; hz += 6250)
        ASSERT_EQ(freq::HertzFromMHz(static_cast<double>(hz) / 1e6), hz);
    for (long long hz = 146'000'000; hz <= 174'000'000; hz += 2500)
        ASSERT_EQ(freq::HertzFromMHz(static_cast<double>(hz) / 1e6), hz);
}

TEST(FrequencyEncoding, HertzOfNonNumbersAreRefused) {
    EXPECT_FALSE(freq::HertzFromMHz(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(freq::HertzFromMHz(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(freq::HertzFromMHz(1e300));
    EXPECT_EQ(freq::HertzFromMHz(-1.5), -1'500'000);
}

TEST(FrequencyEncoding, NoTransmitFrequencyStoresZeroAndReadsBackZero) {
    const CKM42Doc doc = OneChannel(1, 150.0, 0.0, kStep5000);
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(TxFields(image, 1).quotient, 0u);
    EXPECT_EQ(TxFields(image, 1).remainder, 0u);
    EXPECT_EQ(RoundTrip(doc).Channel(1).m_dTxFreq, 0.0);
}

TEST(FrequencyEncoding, DividerLimitsAreSeventeenBits) {
    ChannelRecord ch;
    ch.m_nStepCode = kStep6250;
    ch.m_dRxFreq = 450.0;
    ch.m_dTxFreq = 819.19375;  // 131071 x 6.25 kHz
    EXPECT_TRUE(freq::PlanDividers(ch, 4).tx.Fits());
    ch.m_dTxFreq = 819.2;
    EXPECT_FALSE(freq::PlanDividers(ch, 4).tx.Fits());
    ch.m_dRxFreq = 40.0;  // UHF: 45.1 MHz below the channel is below zero
    EXPECT_FALSE(freq::PlanDividers(ch, 4).rx.Fits());
    EXPECT_TRUE(freq::PlanDividers(ch, 1).rx.Fits());
}

// Decoding without the 'w' marker: images from older firmware step by the spacing flag.
RadioImage BlockImage(std::uint8_t flags, bool marker) {
    RadioImage image{};
    image[9] = static_cast<std::uint8_t>(flags | 0x02);  // Q = 0x200 + byte +1
    image[9 + 1] = 0x00;
    image[9 + 4] = 0x01;  // TX Q = 0x100
    if (marker) image[154] = 'w';
    return image;
}

TEST(FrequencyDecoding, MarkerChoosesTheStepByTheStepFlag) {
    CKM42Doc doc;
    DecodeImage(BlockImage(0x40, true), doc);
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep6250);
    EXPECT_EQ(doc.Channel(1).m_dTxFreq, 256 * 64 * 6250 / 1e6);
    DecodeImage(BlockImage(0x20, true), doc);  // spacing flag does not matter
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep5000);
    EXPECT_EQ(doc.Channel(1).m_dTxFreq, 256 * 64 * 5000 / 1e6);
}

TEST(FrequencyDecoding, WithoutMarkerTheSpacingFlagChoosesTheStep) {
    CKM42Doc doc;
    DecodeImage(BlockImage(0x40, false), doc);  // step flag set, spacing clear: 6.25 kHz
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep6250);
    EXPECT_EQ(doc.Channel(1).m_dTxFreq, 256 * 64 * 6250 / 1e6);
    DecodeImage(BlockImage(0x10, false), doc);  // both clear: 6.25 kHz, yet step code 2
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep5000);
    EXPECT_EQ(doc.Channel(1).m_dTxFreq, 256 * 64 * 6250 / 1e6);
    DecodeImage(BlockImage(0x60, false), doc);  // spacing set: 5 kHz, step code 1
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep6250);
    EXPECT_EQ(doc.Channel(1).m_dTxFreq, 256 * 64 * 5000 / 1e6);
}

TEST(FrequencyDecoding, SynthesizerAt250MHzCountsAsUhf) {
    RadioImage image{};
    image[154] = 'w';
    // 250 000 000 Hz / 6250 = 40000 = 625 x 64 + 0: Q = 0x271.
    image[9] = 0x40 | 0x02;
    image[9 + 1] = 0x71;
    CKM42Doc doc;
    DecodeImage(image, doc);
    EXPECT_EQ(doc.m_nBand, 4);
    EXPECT_EQ(doc.Channel(1).m_dRxFreq, 295.1);
    image[9 + 1] = 0x70;  // 39936 x 6250 = 249.6 MHz: VHF
    image[9 + 3] = 63;
    DecodeImage(image, doc);
    EXPECT_EQ(doc.m_nBand, 1);
    EXPECT_EQ(doc.Channel(1).m_dRxFreq, (39999.0 * 6250 - 45'100'000) / 1e6);
}

TEST(FrequencyDecoding, TheRemainderIsTheWholeByte) {
    // fs = (Q x 64 + R) x step with R the whole block byte +3 / +7, as any radio image holds it.
    RadioImage image{};
    image[154] = 'w';
    image[9] = 0x40 | 0x03;  // in use, 6.25 kHz, Q bits 10..8 = 3
    image[9 + 1] = 0xF4;     // Q = 0x3F4 = 1012
    image[9 + 4] = 0x04;
    image[9 + 5] = 0x65;  // Q = 0x465 = 1125
    for (const unsigned r : {0u, 18u, 63u, 64u, 0x80u, 0xC3u, 0xFFu}) {
        image[9 + 3] = static_cast<std::uint8_t>(r);
        image[9 + 7] = static_cast<std::uint8_t>(r);
        CKM42Doc doc;
        DecodeImage(image, doc);
        EXPECT_EQ(doc.Channel(1).m_dRxFreq, ((1012.0 * 64 + r) * 6250 + 45'100'000) / 1e6) << r;
        EXPECT_EQ(doc.Channel(1).m_dTxFreq, (1125.0 * 64 + r) * 6250 / 1e6) << r;
    }
    // Encoding writes only 0..63 into those bytes.
    const RadioImage encoded = Encoded(OneChannel(4, 450.0125, 450.0125, kStep6250));
    EXPECT_EQ(encoded[9 + 3], 18);
    EXPECT_EQ(encoded[9 + 7], 2);
}

}  // namespace
