// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "CodecTestSupport.h"
#include "codec/SignallingCodec.h"

namespace {

using signalling::ToneSlot;
using ::testing::ElementsAre;

CKM42Doc DcsChannel(int band, int rxInvert, int txInvert) {
    CKM42Doc doc = NewPlan(band, false);
    ChannelRecord& ch = doc.Channel(1);
    ch.m_dRxFreq = band <= 1 ? 150.0 : 450.0;
    ch.m_nStepCode = kStep5000;
    ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchDcs;
    ch.m_nRxDcs = ch.m_nTxDcs = 0;  // 023
    ch.m_bRxDcsInvert = rxInvert;
    ch.m_bTxDcsInvert = txInvert;
    return doc;
}

TEST(SignallingCodes, EachTypeHasItsCode) {
    EXPECT_EQ(signalling::EncodeCode(kSquelchCsq, 5, 5), 0u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchCtcss, 12, 5), 13u);  // 100.0 Hz
    EXPECT_EQ(signalling::EncodeCode(kSquelchCtcss, 0, 5), 1u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchCtcss, 38, 5), 39u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchNsc1, 5, 5), 40u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchNsc2, 5, 5), 41u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchDcs, 5, 0), 42u);
    EXPECT_EQ(signalling::EncodeCode(kSquelchDcs, 5, 82), 124u);  // 754
    EXPECT_EQ(signalling::EncodeCode(9, 5, 5), 0u);  // unknown types read as carrier squelch
}

TEST(SignallingCodes, TransmitCodeComesFromTheTransmitIndexes) {
    CKM42Doc doc = DcsChannel(4, 0, 0);
    doc.Channel(1).m_nTxDcs = 7;
    doc.Channel(1).m_nRxSquelch = kSquelchCtcss;
    doc.Channel(1).m_nRxCtcss = 3;
    doc.Channel(1).m_nTxCtcss = 30;
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[9 + 2], 4);
    EXPECT_EQ(image[9 + 6], 49);
}

TEST(SignallingCodes, EveryCodeDecodesToItsTypeAndIndex) {
    for (unsigned code = 0; code < 125; ++code) {
        ChannelRecord ch;
        ch.m_nRxCtcss = ch.m_nRxDcs = -7;  // the index a code does not carry stays
        std::array<std::uint8_t, 9> block{0x80, 0, static_cast<std::uint8_t>(code)};
        signalling::DecodeCodes(image::ConstChannelBlock(block), ch);
        if (code == 0) {
            EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
        } else if (code <= 39) {
            EXPECT_EQ(ch.m_nRxSquelch, kSquelchCtcss);
            EXPECT_EQ(ch.m_nRxCtcss, static_cast<int>(code) - 1);
        } else if (code == 40) {
            EXPECT_EQ(ch.m_nRxSquelch, kSquelchNsc1);
        } else if (code == 41) {
            EXPECT_EQ(ch.m_nRxSquelch, kSquelchNsc2);
        } else {
            EXPECT_EQ(ch.m_nRxSquelch, kSquelchDcs);
            EXPECT_EQ(ch.m_nRxDcs, static_cast<int>(code) - 42);
        }
        EXPECT_TRUE(ch.m_nRxCtcss == -7 || ch.m_nRxDcs == -7) << code;
    }
}

TEST(SignallingCodes, CodesFrom125UpLeaveTheDirectionAsItWas) {
    for (unsigned code = 125; code <= 255; ++code) {
        ChannelRecord ch;
        ch.m_nRxSquelch = kSquelchDcs;
        ch.m_nRxDcs = 11;
        ch.m_nTxSquelch = kSquelchNsc2;
        std::array<std::uint8_t, 9> block{0x80, 0, static_cast<std::uint8_t>(code), 0,
                                          0,    0, static_cast<std::uint8_t>(code)};
        signalling::DecodeCodes(image::ConstChannelBlock(block), ch);
        EXPECT_EQ(ch.m_nRxSquelch, kSquelchDcs) << code;
        EXPECT_EQ(ch.m_nRxDcs, 11) << code;
        EXPECT_EQ(ch.m_nTxSquelch, kSquelchNsc2) << code;
    }
}

TEST(DcsPolarity, UhfStoresReceiveInversionAsASetBit) {
    const RadioImage image = Encoded(DcsChannel(4, 1, 0));
    EXPECT_EQ(image[9 + 2], 42);
    EXPECT_EQ(image[9 + 6], 42);
    EXPECT_EQ(image[9] & 0x80, 0x80);
    EXPECT_EQ(image[9 + 4] & 0x80, 0x80);  // TX not inverted: bit set
}

TEST(DcsPolarity, VhfStoresReceiveInversionAsAClearBit) {
    RadioImage image = Encoded(DcsChannel(1, 1, 1));
    EXPECT_EQ(image[9] & 0x80, 0);
    EXPECT_EQ(image[9 + 4] & 0x80, 0);
    image = Encoded(DcsChannel(1, 0, 0));
    EXPECT_EQ(image[9] & 0x80, 0x80);
}

TEST(DcsPolarity, EncodingSplitsTheBandsAtTwoAndDecodingAtThree) {
    // Band 2 encodes with the UHF sense but decodes with the VHF sense.
    ChannelRecord ch;
    ch.m_bRxDcsInvert = 1;
    std::array<std::uint8_t, 9> block{};
    signalling::EncodePolarity(ch, 2, image::ChannelBlock(block));
    EXPECT_EQ(block[0] & 0x80, 0x80);
    signalling::DecodePolarity(image::ConstChannelBlock(block), 2, ch);
    EXPECT_EQ(ch.m_bRxDcsInvert, 0);
    signalling::DecodePolarity(image::ConstChannelBlock(block), 3, ch);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);
    block[0] = 0x01;
    signalling::DecodePolarity(image::ConstChannelBlock(block), 1, ch);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);
}

TEST(DcsPolarity, BitsAreWrittenWhateverTheSignallingType) {
    CKM42Doc doc = DcsChannel(1, 0, 0);
    doc.Channel(1).m_nRxSquelch = doc.Channel(1).m_nTxSquelch = kSquelchCsq;
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[9] & 0x80, 0x80);
    EXPECT_EQ(image[9 + 4] & 0x80, 0x80);
}

TEST(ToneDetector, KnownTonesGiveTheirParameters) {
    EXPECT_THAT(signalling::ToneDetectorBytes(67.0, ToneSlot::kNsc1),
                ElementsAre(47, 3, 3, 0x52, 155, 167));
    EXPECT_THAT(signalling::ToneDetectorBytes(100.0, ToneSlot::kNsc1),
                ElementsAre(116, 6, 6, 0x53, 19, 27));
    EXPECT_THAT(signalling::ToneDetectorBytes(250.3, ToneSlot::kNsc1),
                ElementsAre(200, 22, 22, 0x0F, 220, 226));
}

TEST(ToneDetector, NscTwoRoundsTheUpperEdgeCount) {
    EXPECT_EQ(signalling::ToneDetectorBytes(100.0, ToneSlot::kNsc2)[4], 20);  // C = 276
    EXPECT_EQ(signalling::ToneDetectorBytes(67.0, ToneSlot::kNsc2)[4], 155);  // 411.2 stays 411
}

TEST(ToneDetector, LowestToneWrapsThePeriodCountAndSetsBothHighFlags) {
    const auto bytes = signalling::ToneDetectorBytes(50.0, ToneSlot::kNsc1);
    EXPECT_EQ(bytes[0], 232);  // 256 - 280
    EXPECT_EQ(bytes[3], 0xA2);
}

TEST(ToneDetector, ZeroToneCountsDivisionsByZeroAsZero) {
    EXPECT_THAT(signalling::ToneDetectorBytes(0.0, ToneSlot::kNsc1), ElementsAre(0, 3, 3, 2, 0, 0));
    EXPECT_THAT(signalling::ToneDetectorBytes(0.0, ToneSlot::kNsc2), ElementsAre(0, 3, 3, 2, 0, 0));
}

TEST(ToneDetector, BandThresholdsIncludeTheirLowerBound) {
    auto band = [](double hz) { return signalling::ToneDetectorBytes(hz, ToneSlot::kNsc1)[1]; };
    EXPECT_EQ(band(71.8), 3);
    EXPECT_EQ(band(71.9), 4);
    EXPECT_EQ(band(173.8), 14);
    EXPECT_EQ(band(174.8), 14);
    EXPECT_EQ(band(174.9), 15);  // 174.9, not 179.9
    EXPECT_EQ(band(179.9), 15);
    EXPECT_EQ(band(250.2), 21);
    EXPECT_EQ(band(300.0), 22);
}

TEST(ToneDetector, RangeCodeStepsAndTheHighRangeBit) {
    auto range = [](double hz) {
        return signalling::ToneDetectorBytes(hz, ToneSlot::kNsc1)[3] & 0x0F;
    };
    EXPECT_EQ(range(97.3), 2);
    EXPECT_EQ(range(97.4), 3);
    EXPECT_EQ(range(110.8), 3);
    EXPECT_EQ(range(110.9), 3 + 8);
    EXPECT_EQ(range(136.5), 4 + 8);
    EXPECT_EQ(range(186.1), 4 + 8);
    EXPECT_EQ(range(186.2), 7 + 8);
}

TEST(ToneDetector, NonNumbersGiveDefinedBytes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THAT(signalling::ToneDetectorBytes(nan, ToneSlot::kNsc2), ElementsAre(0, 3, 3, 2, 0, 0));
    EXPECT_NO_THROW(signalling::ToneDetectorBytes(-1e308, ToneSlot::kNsc1));
}

TEST(ToneText, DigitsAroundAKeptDot) {
    EXPECT_THAT(signalling::ToneTextBytes(67.0), ElementsAre(0, 6, 7, 0x2E, 0));
    EXPECT_THAT(signalling::ToneTextBytes(300.0), ElementsAre(3, 0, 0, 0x2E, 0));
    EXPECT_THAT(signalling::ToneTextBytes(123.4), ElementsAre(1, 2, 3, 0x2E, 4));
    EXPECT_THAT(signalling::ToneTextBytes(0.0), ElementsAre(0, 0, 0, 0, 0));
}

TEST(ToneText, TonesThatDoNotFitFiveCharactersLeaveZeros) {
    EXPECT_THAT(signalling::ToneTextBytes(1000.0), ElementsAre(0, 0, 0, 0, 0));
    EXPECT_THAT(signalling::ToneTextBytes(-5.0), ElementsAre(0, 0, 0, 0, 0));
    EXPECT_THAT(signalling::ToneTextBytes(std::numeric_limits<double>::quiet_NaN()),
                ElementsAre(0, 0, 0, 0, 0));
}

TEST(ToneText, ReadingTakesLeadingDigitsAndOneDecimal) {
    EXPECT_EQ(signalling::ToneFromTextBytes({0, 6, 7, 0x2E, 0}), 67.0);
    EXPECT_EQ(signalling::ToneFromTextBytes({1, 2, 3, 0xFF, 4}), 123.4);  // dot not read
    EXPECT_EQ(signalling::ToneFromTextBytes({2, 5, 0, 0, 3}), 250.3);
    EXPECT_EQ(signalling::ToneFromTextBytes({1, 2, 3, 0x2E, 10}), 123.0);
    EXPECT_EQ(signalling::ToneFromTextBytes({0, 9, 0x41, 0x2E, 5}), 9.0);
    EXPECT_EQ(signalling::ToneFromTextBytes({0xFF, 0, 0, 0, 0}), 0.0);
    EXPECT_EQ(signalling::ToneFromTextBytes({9, 9, 9, 0, 9}), 999.9);
}

TEST(ToneText, EveryToneOfOneDecimalSurvives) {
    for (int tenths = 500; tenths <= 3000; ++tenths) {
        const double hz = tenths / 10.0;
        ASSERT_EQ(signalling::ToneFromTextBytes(signalling::ToneTextBytes(hz)), hz) << hz;
    }
}

TEST(ToneText, DecodingSetsAllFourTonesOfThePlansChannelsOnly) {
    CKM42Doc doc = NewPlan(4, false);
    doc.Channel(5).m_dRxNsc1 = 77.7;
    RadioImage image{};
    const std::array<std::uint8_t, 10> tones = {1, 0, 3, 0x2E, 5, 2, 1, 0, 0x2E, 7};
    std::copy(tones.begin(), tones.end(), image.begin() + 2034);
    signalling::DecodeTones(image, doc);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(doc.Channel(n).m_dRxNsc1, 103.5);
        EXPECT_EQ(doc.Channel(n).m_dTxNsc1, 103.5);
        EXPECT_EQ(doc.Channel(n).m_dRxNsc2, 210.7);
        EXPECT_EQ(doc.Channel(n).m_dTxNsc2, 210.7);
    }
    EXPECT_EQ(doc.Channel(5).m_dRxNsc1, 77.7);
}

}  // namespace
