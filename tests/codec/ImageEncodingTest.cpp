// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "CodecTestSupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The image a 16-channel band-1 plan gives straight after New, byte by byte.
RadioImage DefaultsImage16() {
    RadioImage want{};
    const std::array<std::uint8_t, 8> options = {0x1A, 0x00, 0x92, 0x40, 0x40, 0x09, 0x4A, 0x03};
    std::copy(options.begin(), options.end(), want.begin());
    want[154] = 0x77;
    want[1891] = 0xAA;
    want[1956] = want[1957] = 0xFF;
    const std::array<std::uint8_t, 6> detector67 = {0x2F, 0x03, 0x03, 0x52, 0x9B, 0xA7};
    std::copy(detector67.begin(), detector67.end(), want.begin() + 1982);
    std::copy(detector67.begin(), detector67.end(), want.begin() + 1988);
    want[2029] = 1;
    const std::array<std::uint8_t, 10> tones = {0, 6, 7, 0x2E, 0, 0, 6, 7, 0x2E, 0};
    std::copy(tones.begin(), tones.end(), want.begin() + 2034);
    want[2052] = 1;
    want[2055] = 0x0C;
    return want;
}

TEST(ImageEncoding, SixteenChannelDefaultsGiveTheKnownImageByteForByte) {
    EXPECT_THAT(ByteDifferences(Encoded(NewPlan(1, true)), DefaultsImage16()), IsEmpty());
}

TEST(ImageEncoding, FourChannelDefaultsDifferOnlyInModelBitAndEmptyBitmap) {
    RadioImage want = DefaultsImage16();
    want[0] = 0x18;
    want[1956] = 0x00;
    want[1957] = 0x0F;
    EXPECT_THAT(ByteDifferences(Encoded(NewPlan(1, false)), want), IsEmpty());
}

TEST(ImageEncoding, ChannelFiveAloneFillsItsBlockAndTheBookkeeping) {
    CKM42Doc doc = NewPlan(1, true);
    ChannelRecord& ch = doc.Channel(5);
    ch.m_dRxFreq = 150.0;
    ch.m_dTxFreq = 150.0;
    ch.m_nStepCode = kStep5000;
    const RadioImage image = Encoded(doc);
    EXPECT_THAT(std::vector<std::uint8_t>(image.begin() + 45, image.begin() + 54),
                ElementsAre(0x92, 0x61, 0, 0x2C, 0x81, 0xD4, 0, 0x30, 0xA4));
    EXPECT_EQ(image[1896], 5);
    EXPECT_EQ(image[1897], 5);
    EXPECT_EQ(image[1957], 0xEF);
    EXPECT_EQ(image[1956], 0xFF);
    for (int n = 1; n <= 16; ++n) {
        if (n == 5) continue;
        for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(image[9 * n + i], 0) << n;
    }
}

TEST(ImageEncoding, HighestAndLowestChannelInUseAreFoundFromBothEnds) {
    CKM42Doc doc = NewPlan(4, true);
    for (int n : {3, 7, 12}) {
        doc.Channel(n).m_dRxFreq = 450.0;
        doc.Channel(n).m_nStepCode = kStep6250;
    }
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[1896], 12);
    EXPECT_EQ(image[1897], 3);
    EXPECT_EQ(image[1957], 0xBB);  // channels 3 and 7 in use
    EXPECT_EQ(image[1956], 0xF7);  // channel 12 in use
}

TEST(ImageEncoding, FourChannelPlanNeverWritesTheBlocksBeyondItsChannels) {
    CKM42Doc doc = NewPlan(4, false);
    for (int n = 5; n <= 16; ++n) {
        doc.Channel(n).m_dRxFreq = 450.0;
        doc.Channel(n).m_nStepCode = kStep6250;
        doc.Channel(n).m_bScan = 1;
        doc.Channel(n).m_bPriority = 1;
    }
    const RadioImage image = Encoded(doc);
    for (std::size_t i = 45; i <= 152; ++i) EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(image[1896], 0);
    EXPECT_EQ(image[1898], 0);
    EXPECT_EQ(image[1930], 0);
    EXPECT_EQ(image[1931], 0);
}

TEST(ImageEncoding, ChecksumIsTheLowByteOfTheBlockSum) {
    CKM42Doc doc = NewPlan(4, false);
    ChannelRecord& ch = doc.Channel(2);
    ch.m_dRxFreq = 469.9875;
    ch.m_dTxFreq = 469.9875;
    ch.m_nStepCode = kStep6250;
    ch.m_nRxSquelch = kSquelchDcs;
    ch.m_nRxDcs = 82;
    ch.m_nTxSquelch = kSquelchCtcss;
    ch.m_nTxCtcss = 38;
    ch.m_bStdSpacing = 1;
    const RadioImage image = Encoded(doc);
    unsigned sum = 0;
    for (std::size_t i = 18; i < 26; ++i) sum += image[i];
    EXPECT_GT(sum, 255u);  // the carry really is dropped
    EXPECT_EQ(image[26], sum % 256);
}

TEST(ImageEncoding, NoScanChannelLeavesEveryScanByteZero) {
    CKM42Doc doc = NewPlan(1, true);
    doc.Channel(1).m_dRxFreq = 150.0;
    doc.Channel(1).m_nStepCode = kStep5000;
    const RadioImage image = Encoded(doc);
    for (std::size_t i : {1927u, 1930u, 1931u, 2048u, 2049u, 2050u, 2051u, 2064u, 2065u})
        EXPECT_EQ(image[i], 0) << i;
}

TEST(ImageEncoding, ScanChannelsFillTheBitmapItsCopyAndTheScanMode) {
    CKM42Doc doc = NewPlan(1, true);
    doc.Channel(1).m_bScan = 1;
    doc.Channel(9).m_bScan = 7;  // any non-zero value counts
    doc.Channel(16).m_bScan = 1;
    const RadioImage image = Encoded(doc);  // scan flags count on empty channels too
    EXPECT_EQ(image[1927], 1);
    EXPECT_EQ(image[1931], 0x01);
    EXPECT_EQ(image[1930], 0x81);
    EXPECT_EQ(image[2065], 0x01);
    EXPECT_EQ(image[2064], 0x81);
    EXPECT_EQ(image[2049], 3);
    EXPECT_EQ(image[2048], 0);
}

TEST(ImageEncoding, PriorityAndPowerOnNameTheHighestChannelMarkedExactlyOne) {
    CKM42Doc doc = NewPlan(4, true);
    doc.Channel(2).m_bPriority = 1;
    doc.Channel(6).m_bPriority = 1;
    doc.Channel(9).m_bPriority = 2;  // not "exactly 1"
    doc.Channel(4).m_bPowerOn = 1;
    doc.m_bPriorityUsed = 1;
    doc.m_bPowerOnUsed = 1;
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[1898], 6);
    EXPECT_EQ(image[1899], 4);
    EXPECT_EQ(image[1929], 0x01);
    EXPECT_EQ(image[1892], 0x80);
    EXPECT_EQ(image[2] & 0x10, 0);  // "no priority" bit clear
}

TEST(ImageEncoding, FixedBytesAreWrittenWhateverThePlanHolds) {
    CKM42Doc doc;  // a freshly constructed document: every field zero
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[154], 0x77);
    EXPECT_EQ(image[3] & 0x40, 0x40);
    EXPECT_EQ(image[1891], 0xAA);
    EXPECT_EQ(image[2052], 1);
    EXPECT_EQ(image[2055], 12);
    for (std::size_t i = image::kLineSize; i < image.size(); ++i) EXPECT_EQ(image[i], 0) << i;
}

TEST(ImageEncoding, EncodingTwiceGivesTheSameImageAndLeavesThePlanAlone) {
    CKM42Doc doc = NewPlan(4, true);
    doc.Channel(3).m_dRxFreq = 455.5;
    doc.Channel(3).m_nStepCode = kStep6250;
    const CKM42Doc before = doc;
    EXPECT_EQ(Encoded(doc), Encoded(doc));
    EXPECT_THAT(DocDifferences(doc, before), IsEmpty());
}

TEST(ImageEncoding, NonStandardTonesComeFromChannelOne) {
    CKM42Doc doc = NewPlan(4, true);
    doc.Channel(1).m_dRxNsc1 = 100.0;
    doc.Channel(1).m_dRxNsc2 = 250.3;
    doc.Channel(2).m_dRxNsc1 = 67.0;
    const RadioImage image = Encoded(doc);
    EXPECT_THAT(std::vector<std::uint8_t>(image.begin() + 1982, image.begin() + 1994),
                ElementsAre(116, 6, 6, 0x53, 19, 27, 200, 22, 22, 0x0F, 220, 226));
    EXPECT_THAT(std::vector<std::uint8_t>(image.begin() + 2034, image.begin() + 2044),
                ElementsAre(1, 0, 0, 0x2E, 0, 2, 5, 0, 0x2E, 3));
}

TEST(ImageEncoding, StepCodeThreeTakesTheRasterBothFrequenciesShare) {
    CKM42Doc doc = NewPlan(1, false);
    ChannelRecord& ch = doc.Channel(1);
    ch.m_dRxFreq = 150.0125;  // on 6.25 kHz, not on 5 kHz
    ch.m_dTxFreq = 150.025;   // on both
    ch.m_nStepCode = kStep2500;
    CKM42Doc same = doc;
    same.Channel(1).m_nStepCode = kStep6250;
    EXPECT_EQ(Encoded(doc), Encoded(same));

    ch.m_dRxFreq = 150.005;  // on 5 kHz only
    same = doc;
    same.Channel(1).m_nStepCode = kStep5000;
    EXPECT_EQ(Encoded(doc), Encoded(same));

    ch.m_nStepCode = 0;  // unset or damaged codes are treated alike
    EXPECT_EQ(Encoded(doc), Encoded(same));
}

}  // namespace
