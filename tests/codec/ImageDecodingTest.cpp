// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "CodecTestSupport.h"

namespace {

using ::testing::IsEmpty;

// A UHF block in use: 450.0 MHz receive (V = 64784 at 6.25 kHz), no transmit, CSQ.
void PutUhfBlock(RadioImage& image, int n) {
    const std::array<std::uint8_t, 4> rx = {0x43, 0xF4, 0x00, 0x10};  // step flag, Q = 0x3F4
    std::copy(rx.begin(), rx.end(), image.begin() + 9 * n);
    image[154] = 'w';
}

// A VHF block in use: 150.0 MHz receive at 5 kHz (V = 39020).
void PutVhfBlock(RadioImage& image, int n) {
    const std::array<std::uint8_t, 4> rx = {0x12, 0x61, 0x00, 0x2C};
    std::copy(rx.begin(), rx.end(), image.begin() + 9 * n);
    image[154] = 'w';
}

CKM42Doc Decoded(const RadioImage& image, CKM42Doc doc = {}) {
    DecodeImage(image, doc);
    return doc;
}

TEST(ImageDecoding, AllZeroImageGivesAnEmptyFourChannelPlan) {
    RadioImage image{};
    CKM42Doc doc = NewPlan(4, true);
    for (int n = 1; n <= 16; ++n) doc.Channel(n).m_dRxFreq = 450.0;
    DecodeImage(image, doc);
    EXPECT_EQ(doc.m_b16Channel, 0);
    EXPECT_EQ(doc.m_nBand, 0);
    EXPECT_EQ(doc.m_nScanTx, 1);
    EXPECT_EQ(doc.m_dScanSpeed, 0.01);
    EXPECT_EQ(doc.m_dRxOnTime, 0.05);
    EXPECT_EQ(doc.m_dRxOffTime, 0.1);
    for (int n = 1; n <= 4; ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        EXPECT_EQ(ch.m_dRxFreq, 0.0);
        EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
        EXPECT_EQ(ch.m_nTxSquelch, kSquelchCsq);
        EXPECT_EQ(ch.m_bHighPower, 1);
        for (double tone : {ch.m_dRxNsc1, ch.m_dRxNsc2, ch.m_dTxNsc1, ch.m_dTxNsc2})
            EXPECT_EQ(tone, 0.0);
    }
}

TEST(ImageDecoding, OptionBytesReadBackIntoTheirFields) {
    RadioImage image{};
    const std::array<std::uint8_t, 8> options = {0xFE, 99, 0x80, 0xAF, 0x57, 199, 0xF5, 39};
    std::copy(options.begin(), options.end(), image.begin());
    const CKM42Doc doc = Decoded(image);
    EXPECT_EQ(doc.m_bBeepOff, 1);
    EXPECT_EQ(doc.m_bBusyLockout, 1);
    EXPECT_EQ(doc.m_bTxTimeOut, 1);
    EXPECT_EQ(doc.m_bTxDelay, 1);
    EXPECT_EQ(doc.m_bMonitor, 1);
    EXPECT_EQ(doc.m_bMarkedIdle, 1);
    EXPECT_EQ(doc.m_b16Channel, 1);
    EXPECT_EQ(doc.m_nTxTimeOut, 990);
    EXPECT_EQ(doc.m_nCompander, 1);
    EXPECT_EQ(doc.m_nScanTx, 1);  // b1 clear
    EXPECT_EQ(doc.m_bScanIndicatorOff, 1);
    EXPECT_EQ(doc.m_bCarrierToneOff, 1);
    EXPECT_EQ(doc.m_nTxInhibit, 75);
    EXPECT_EQ(doc.m_nScanDelay, 5);
    EXPECT_EQ(doc.m_nLookbackTime, 7);
    EXPECT_EQ(doc.m_dScanSpeed, 2.0);
    EXPECT_EQ(doc.m_bPowerSave, 1);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 7);
    EXPECT_EQ(doc.m_dRxOnTime, 0.1);
    EXPECT_EQ(doc.m_dRxOffTime, 4.0);
}

TEST(ImageDecoding, EmptyBitmapWinsOverABlockInUse) {
    RadioImage image{};
    PutVhfBlock(image, 3);
    image[9 * 3 + 4] = 0x81;  // TX 150.0 MHz at 5 kHz: V = 30000
    image[9 * 3 + 5] = 0xD4;
    image[9 * 3 + 7] = 48;
    image[9 * 3 + 6] = 13;  // TX CTCSS 100.0
    image[1957] = 0x04;
    image[2029] = 1;
    const CKM42Doc doc = Decoded(image);
    const ChannelRecord& ch = doc.Channel(3);
    EXPECT_EQ(ch.m_dRxFreq, 0.0);
    EXPECT_EQ(ch.m_dTxFreq, 150.0);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchCtcss);
    EXPECT_EQ(ch.m_nTxCtcss, 12);
    EXPECT_EQ(ch.m_nStepCode, kStep5000);
}

TEST(ImageDecoding, BandEndsAsTheGuessOfTheLastChannelInUse) {
    RadioImage image{};
    image[0] = 0x02;  // 16 channels
    image[2029] = 7;
    PutVhfBlock(image, 1);
    PutUhfBlock(image, 2);
    EXPECT_EQ(Decoded(image).m_nBand, 4);
    EXPECT_EQ(Decoded(image).Channel(1).m_dRxFreq, 150.0);
    EXPECT_EQ(Decoded(image).Channel(2).m_dRxFreq, 450.0);

    PutUhfBlock(image, 1);
    PutVhfBlock(image, 14);
    EXPECT_EQ(Decoded(image).m_nBand, 1);
}

TEST(ImageDecoding, BandByteStaysWhenNoChannelIsInUse) {
    RadioImage image{};
    image[2029] = 200;
    EXPECT_EQ(Decoded(image).m_nBand, 200);
}

TEST(ImageDecoding, PriorityByteZeroClearsPriorityUsed) {
    RadioImage image{};
    image[1929] = 0x01;
    CKM42Doc doc = NewPlan(1, false);
    doc.Channel(2).m_bPriority = 1;
    DecodeImage(image, doc);
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    EXPECT_EQ(doc.Channel(2).m_bPriority, 0);
}

TEST(ImageDecoding, PriorityAndPowerOnBytesMarkTheirChannels) {
    RadioImage image{};
    image[0] = 0x02;
    image[1929] = 0x01;
    image[1892] = 0x80;
    image[1898] = 16;
    image[1899] = 1;
    const CKM42Doc doc = Decoded(image);
    EXPECT_EQ(doc.m_bPriorityUsed, 1);
    EXPECT_EQ(doc.m_bPowerOnUsed, 1);
    EXPECT_EQ(doc.Channel(16).m_bPriority, 1);
    EXPECT_EQ(doc.Channel(1).m_bPowerOn, 1);
}

TEST(ImageDecoding, ChannelBytesAboveSixteenNameNoChannel) {
    for (const std::uint8_t value : {17, 100, 255}) {
        RadioImage image{};
        image[0] = 0x02;
        image[1929] = 0x01;
        image[1892] = 0x80;
        image[1898] = value;
        image[1899] = value;
        CKM42Doc doc = NewPlan(1, true);
        doc.Channel(5).m_bPriority = 1;
        doc.Channel(6).m_bPowerOn = 1;
        DecodeImage(image, doc);  // must not throw or touch memory beyond the records
        EXPECT_EQ(doc.m_bPriorityUsed, 0) << int{value};  // no channel is the priority one
        EXPECT_EQ(doc.m_bPowerOnUsed, 1) << int{value};   // byte 1892 alone says so
        for (int n = 1; n <= 16; ++n) {
            EXPECT_EQ(doc.Channel(n).m_bPriority, 0) << n;
            EXPECT_EQ(doc.Channel(n).m_bPowerOn, 0) << n;
        }
    }
}

TEST(ImageDecoding, ScanBitmapSetsAllSixteenRecordsWhateverTheModel) {
    RadioImage image{};  // 4 channels
    image[1931] = 0x11;  // channels 1 and 5
    image[1930] = 0x80;  // channel 16
    CKM42Doc doc;
    doc.Channel(8).m_bScan = 1;
    DecodeImage(image, doc);
    EXPECT_EQ(doc.Channel(1).m_bScan, 1);
    EXPECT_EQ(doc.Channel(5).m_bScan, 1);
    EXPECT_EQ(doc.Channel(16).m_bScan, 1);
    EXPECT_EQ(doc.Channel(8).m_bScan, 0);
}

TEST(ImageDecoding, FieldsTheImageDoesNotCarryKeepTheirValues) {
    CKM42Doc doc = NewPlan(4, false);
    doc.m_nComPort = 1;
    doc.m_dRadioNsc1 = 123.4;
    doc.Channel(2).m_nStepCode = 3;  // channel 2 is empty in the image
    doc.Channel(2).m_nRxCtcss = 20;
    doc.Channel(2).m_nTxDcs = 30;
    doc.Channel(9).m_dTxFreq = 460.0;  // beyond the 4-channel plan
    doc.Channel(9).m_dRxNsc1 = 88.8;
    doc.Channel(9).m_nRxSquelch = kSquelchDcs;
    RadioImage image{};
    PutUhfBlock(image, 1);
    DecodeImage(image, doc);
    EXPECT_EQ(doc.m_nComPort, 1);
    EXPECT_EQ(doc.m_dRadioNsc1, 123.4);
    EXPECT_EQ(doc.Channel(2).m_nStepCode, 3);
    EXPECT_EQ(doc.Channel(2).m_nRxCtcss, 20);
    EXPECT_EQ(doc.Channel(2).m_nTxDcs, 30);
    EXPECT_EQ(doc.Channel(9).m_dTxFreq, 460.0);
    EXPECT_EQ(doc.Channel(9).m_dRxNsc1, 88.8);
    EXPECT_EQ(doc.Channel(9).m_nRxSquelch, kSquelchDcs);
}

TEST(ImageDecoding, UnusedBlockResetsFlagsAndSignallingButNotIndexes) {
    CKM42Doc doc = NewPlan(4, false);
    ChannelRecord& ch = doc.Channel(1);
    ch.m_bRxDcsInvert = ch.m_bTxDcsInvert = ch.m_bStdSpacing = 1;
    ch.m_bHighPower = 0;
    ch.m_nRxSquelch = kSquelchDcs;
    ch.m_nRxDcs = 40;
    ch.m_nTxSquelch = kSquelchCtcss;
    ch.m_nTxCtcss = 10;
    ch.m_dTxFreq = 450.0;
    RadioImage image{};
    image[9 + 1] = 0x55;  // bytes after +0 do not make a block in use
    DecodeImage(image, doc);
    EXPECT_EQ(ch.m_bRxDcsInvert, 0);
    EXPECT_EQ(ch.m_bTxDcsInvert, 0);
    EXPECT_EQ(ch.m_bStdSpacing, 0);
    EXPECT_EQ(ch.m_bHighPower, 1);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchCsq);
    EXPECT_EQ(ch.m_nRxDcs, 40);
    EXPECT_EQ(ch.m_nTxCtcss, 10);
    EXPECT_EQ(ch.m_dTxFreq, 0.0);
}

TEST(ImageDecoding, FlagsOfABlockInUseAreRead) {
    RadioImage image{};
    image[2029] = 4;
    PutUhfBlock(image, 1);
    image[9] |= 0xB0;     // RX polarity, spacing and power bits
    image[9 + 4] = 0x00;  // TX polarity clear: inverted
    const ChannelRecord ch = Decoded(image).Channel(1);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);  // UHF: set bit = inverted
    EXPECT_EQ(ch.m_bTxDcsInvert, 1);
    EXPECT_EQ(ch.m_bStdSpacing, 1);
    EXPECT_EQ(ch.m_bHighPower, 1);
    EXPECT_EQ(ch.m_nStepCode, kStep6250);
}

TEST(ImageDecoding, DecodingIsRepeatableAndAnyByteDecodesWithoutFault) {
    std::mt19937 random(715);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        RadioImage image;
        for (std::uint8_t& b : image) b = static_cast<std::uint8_t>(byte(random));
        CKM42Doc first;
        CKM42Doc second;
        ASSERT_NO_THROW(DecodeImage(image, first));
        DecodeImage(image, second);
        EXPECT_THAT(DocDifferences(first, second), IsEmpty());
        if (!CheckEncodable(first)) {
            EXPECT_NO_THROW(Encoded(first));
        }
    }
}

}  // namespace
