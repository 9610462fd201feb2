// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/ChannelRules.h"
#include "model/DataFile.h"
#include "model/PlanCheck.h"

namespace {

// A KM162 plan with a channel of every signalling type, as the editors leave it.
CKM42Doc SoundPlan() {
    CKM42Doc doc;
    doc.m_nBand = 4;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    SetNonStandardTones(doc, 123.4, 88.8);
    const std::int32_t types[] = {kSquelchCsq, kSquelchCtcss, kSquelchDcs, kSquelchNsc1,
                                  kSquelchNsc2};
    for (int n = 1; n <= 5; ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxFreq = 450.0 + 0.0125 * n;
        ch.m_dTxFreq = n == 5 ? 0.0 : 455.0 + 0.0125 * n;
        ch.m_nStepCode = kStep6250;
        ch.m_nRxSquelch = ch.m_nTxSquelch = types[n - 1];
        ch.m_nRxCtcss = ch.m_nTxCtcss = 38;
        ch.m_nRxDcs = ch.m_nTxDcs = 82;
    }
    doc.m_nTxTimeOut = 990;
    doc.m_nTxInhibit = 75;
    doc.m_dScanSpeed = 2.0;
    doc.m_dRxOnTime = 0.05;
    doc.m_dRxOffTime = 4.0;
    return doc;
}

TEST(PlanCheck, SoundPlansHoldNothingOutOfRange) {
    EXPECT_TRUE(FindOutOfRangeValues(SoundPlan()).empty());
    for (const std::int32_t band : {1, 4}) {
        for (const std::int32_t sixteen : {0, 1}) {
            CKM42Doc doc;
            doc.m_nBand = band;
            doc.m_b16Channel = sixteen;
            doc.SetDefaults();
            EXPECT_TRUE(FindOutOfRangeValues(doc).empty()) << band << " " << sixteen;
        }
    }
}

TEST(PlanCheck, EachValueOutsideItsRangeIsNamedOnce) {
    struct Damage {
        std::function<void(CKM42Doc&)> apply;
        const char* line;
    };
    const std::vector<Damage> damages = {
        {[](CKM42Doc& d) { d.m_nBand = -1; }, "Band -1 is not one of the radio's bands (0 to 8)"},
        {[](CKM42Doc& d) { d.m_bBeepOff = 2; }, "Beep Off is 2, not 0 or 1"},
        {[](CKM42Doc& d) { d.m_nCompander = -7; }, "Audio Compander is -7, not 0 or 1"},
        {[](CKM42Doc& d) { d.Channel(16).m_bScan = 9; }, "Channel 16: scan flag is 9, not 0 or 1"},
        {[](CKM42Doc& d) { d.Channel(9).m_bPowerOn = d.Channel(12).m_bPowerOn = 1; },
         "Channels 9 and 12 are both marked power-on; the radio keeps one"},
        {[](CKM42Doc& d) { d.Channel(2).m_nRxCtcss = 39; },
         "Channel 2: RX CTCSS tone number 39 is outside the tone list (0 to 38)"},
        {[](CKM42Doc& d) { d.Channel(3).m_nTxDcs = -1; },
         "Channel 3: TX DCS code number -1 is outside the code list (0 to 82)"},
        {[](CKM42Doc& d) { d.Channel(1).m_nTxSquelch = 5; },
         "Channel 1: TX signalling type 5 is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2"},
        {[](CKM42Doc& d) { d.Channel(4).m_dRxNsc1 = 49.9; },
         "Channel 4: RX NSC-1 tone 49.9 Hz is outside 50.0 to 300.0 Hz"},
        {[](CKM42Doc& d) { d.Channel(1).m_dRxFreq = 150.0; },
         "Channel 1: RX 150.0000 MHz is outside the band (Valid Settings 440Mhz to 470Mhz)"},
        {[](CKM42Doc& d) { d.Channel(2).m_dTxFreq = 470.0125; },
         "Channel 2: TX 470.0125 MHz is outside the band (Valid Settings 440Mhz to 470Mhz)"},
        {[](CKM42Doc& d) { d.m_nTxTimeOut = 1000; }, "Tx Time Out Time is 1000, outside 0 to 990"},
        {[](CKM42Doc& d) { d.m_nPowerSaveDelay = 8; },
         "Power Save Delay list index is 8, outside 0 to 7"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = 0.04; }, "Scan Speed is 0.04 s, outside 0.05 to 2.0 s"},
        {[](CKM42Doc& d) { d.m_dRxOffTime = std::nan(""); },
         "Rx Off is nan s, outside 0.1 to 4.0 s"},
    };
    for (const Damage& damage : damages) {
        CKM42Doc doc = SoundPlan();
        damage.apply(doc);
        EXPECT_EQ(FindOutOfRangeValues(doc), std::vector<std::string>{damage.line});
    }
    // What is not in force or not in the plan is not the radio's business.
    CKM42Doc doc = SoundPlan();
    doc.Channel(1).m_nRxCtcss = 99;   // CSQ
    doc.Channel(6).m_nRxSquelch = 9;  // empty channel
    doc.Channel(6).m_dTxFreq = 1.0;
    doc.m_b16Channel = 0;
    doc.Channel(16).m_bScan = 9;     // beyond a 4-channel plan
    doc.Channel(2).m_nStepCode = 0;  // encoding takes the raster both frequencies share
    EXPECT_TRUE(FindOutOfRangeValues(doc).empty());
}

TEST(PlanCheck, ADamagedFileIsListedAndTheListIsCut) {
    std::mt19937 random(715);
    std::vector<std::uint8_t> bytes(1768);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    // 16 channels, so that the whole file is read.
    CKM42Doc four, sixteen;
    sixteen.m_b16Channel = 1;
    const std::vector<std::uint8_t> a = datafile::SerializeDocument(four);
    const std::vector<std::uint8_t> b = datafile::SerializeDocument(sixteen);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) bytes[i] = b[i];
    CKM42Doc doc;
    ASSERT_TRUE(datafile::DeserializeDocument(bytes.data(), bytes.size(), doc));
    const std::vector<std::string> findings = FindOutOfRangeValues(doc);
    EXPECT_GT(findings.size(), kFindingsShown);

    const std::string text = FindingsText(findings, kFindingsShown);
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    ASSERT_EQ(lines.size(), kFindingsShown + 1);
    for (std::size_t i = 0; i < kFindingsShown; ++i) EXPECT_EQ(lines[i], findings[i]);
    EXPECT_EQ(lines.back(),
              "... and " + std::to_string(findings.size() - kFindingsShown) + " more");
    EXPECT_EQ(FindingsText({"one"}, kFindingsShown), "one\n");
}

}  // namespace
