// Every plan the editors can make must come back from the radio exactly as it was written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "CodecTestSupport.h"
#include "model/BandTable.h"
#include "model/SignalLists.h"

namespace {

using ::testing::IsEmpty;

class PlanMaker {
public:
    explicit PlanMaker(unsigned seed) : m_random(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }

    // Channel limits in hertz; the unlimited band takes its model-list range.
    static std::pair<long long, long long> LimitsHz(int band) {
        const BandInfo& info = BandTable[static_cast<std::size_t>(band)];
        if (!info.limits.limited)
            return {info.listLowMHz * 1'000'000LL, info.listHighMHz * 1'000'000LL};
        const long long high = static_cast<long long>(info.limits.highMHz * 1e6);
        return {static_cast<long long>(info.limits.lowMHz * 1e6),
                info.limits.highExclusive ? high - 1 : high};
    }

    double FrequencyOnRaster(int band, long long stepHz) {
        const auto [low, high] = LimitsHz(band);
        const long long first = (low + stepHz - 1) / stepHz;
        const long long last = high / stepHz;
        const long long k = std::uniform_int_distribution<long long>(first, last)(m_random);
        return static_cast<double>(k * stepHz) / 1e6;
    }

    void FillSide(std::int32_t& type, std::int32_t& ctcss, std::int32_t& dcs) {
        type = Int(0, 4);
        if (type == kSquelchCtcss) ctcss = Int(0, kCtcssCount - 1);
        if (type == kSquelchDcs) dcs = Int(0, kDcsCount - 1);
    }

    // A channel in use as the channel editor leaves it. Indexes of types not in force stay 0,
    // since decoding onto a fresh document cannot know them.
    void FillChannel(ChannelRecord& ch, int band) {
        const bool fine = Chance(50);
        ch.m_nStepCode = fine ? kStep6250 : kStep5000;
        const long long step = fine ? 6250 : 5000;
        ch.m_dRxFreq = FrequencyOnRaster(band, step);
        ch.m_dTxFreq = Chance(80) ? FrequencyOnRaster(band, step) : 0.0;
        FillSide(ch.m_nRxSquelch, ch.m_nRxCtcss, ch.m_nRxDcs);
        FillSide(ch.m_nTxSquelch, ch.m_nTxCtcss, ch.m_nTxDcs);
        ch.m_bRxDcsInvert = Int(0, 1);
        ch.m_bTxDcsInvert = Int(0, 1);
        ch.m_bStdSpacing = Int(0, 1);
        ch.m_bHighPower = Int(0, 1);
    }

    void FillOptions(CKM42Doc& doc) {
        doc.m_bPowerSave = Int(0, 1);
        doc.m_nTxTimeOut = Chance(20) ? 0 : 10 * Int(1, 99);
        doc.m_nTxInhibit = Chance(20) ? 0 : 5 * Int(1, 15);
        doc.m_dScanSpeed = Int(5, 200) / 100.0;
        doc.m_nScanDelay = Int(0, 15);
        doc.m_dRxOnTime = Int(5, 20) / 100.0;
        doc.m_dRxOffTime = Int(1, 40) / 10.0;
        doc.m_nPowerSaveDelay = Int(0, 7);
        doc.m_nLookbackTime = Int(0, 7);
        for (std::int32_t* flag :
             {&doc.m_bTxTimeOut, &doc.m_bTxDelay, &doc.m_bScanIndicatorOff, &doc.m_nScanTx,
              &doc.m_bMonitor, &doc.m_bMarkedIdle, &doc.m_bCarrierToneOff, &doc.m_bBusyLockout,
              &doc.m_bBeepOff, &doc.m_nCompander, &doc.m_bPowerOnUsed})
            *flag = Int(0, 1);
    }

    CKM42Doc Plan() {
        static constexpr int kBands[] = {0, 1, 3, 4, 5, 6, 7, 8};
        const int band = kBands[Int(0, 7)];
        CKM42Doc doc = NewPlan(band, Chance(50));
        FillOptions(doc);
        const int count = doc.ChannelCount();
        for (int n = 1; n <= count; ++n) {
            ChannelRecord& ch = doc.Channel(n);
            if (Chance(70)) FillChannel(ch, band);
            ch.m_bScan = Chance(30) ? 1 : 0;
        }
        // Radio-wide tones: one decimal, or 0 for "no tone".
        const double nsc1 = Chance(10) ? 0.0 : Int(500, 3000) / 10.0;
        const double nsc2 = Chance(10) ? 0.0 : Int(500, 3000) / 10.0;
        for (int n = 1; n <= count; ++n) {
            ChannelRecord& ch = doc.Channel(n);
            ch.m_dRxNsc1 = ch.m_dTxNsc1 = nsc1;
            ch.m_dRxNsc2 = ch.m_dTxNsc2 = nsc2;
        }
        if (Chance(50)) {
            doc.Channel(Int(1, count)).m_bPriority = 1;
            doc.m_bPriorityUsed = 1;
        }
        if (Chance(50)) doc.Channel(Int(1, count)).m_bPowerOn = 1;
        return doc;
    }

private:
    std::mt19937 m_random;
};

// What a radio read gives back: the band becomes VHF 2 or UHF 2 as soon as one channel is in
// use, since the image keeps no finer band than the synthesizer side.
CKM42Doc Expected(const CKM42Doc& plan) {
    CKM42Doc want = plan;
    want.m_dRadioNsc1 = CKM42Doc{}.m_dRadioNsc1;  // the editor's memory is not in the image
    for (int n = plan.ChannelCount(); n >= 1; --n) {
        if (plan.Channel(n).InUse()) {
            want.m_nBand = IsVhfBand(plan.m_nBand) ? kBandVhf2 : kBandUhf2;
            break;
        }
    }
    return want;
}

CKM42Doc ReadBack(const CKM42Doc& plan) {
    CKM42Doc back;
    DecodeImage(Encoded(plan), back);
    return back;
}

TEST(RoundTrip, RandomValidPlansComeBackUnchanged) {
    PlanMaker maker(20240715);
    for (int i = 0; i < 3000; ++i) {
        const CKM42Doc plan = maker.Plan();
        ASSERT_EQ(CheckEncodable(plan), std::nullopt) << "plan " << i;
        ASSERT_THAT(DocDifferences(ReadBack(plan), Expected(plan)), IsEmpty()) << "plan " << i;
    }
}

TEST(RoundTrip, EverySignallingTypeAndIndexInBothDirections) {
    for (int band : {1, 4}) {
        CKM42Doc plan = NewPlan(band, false);
        ChannelRecord& ch = plan.Channel(1);
        ch.m_dRxFreq = band == 1 ? 155.0 : 455.0;
        ch.m_nStepCode = kStep5000;
        auto check = [&](const char* what, int index) {
            ASSERT_THAT(DocDifferences(ReadBack(plan), Expected(plan)), IsEmpty())
                << what << " " << index << " band " << band;
        };
        for (int i = 0; i < kCtcssCount; ++i) {
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCtcss;
            ch.m_nRxCtcss = i;
            ch.m_nTxCtcss = kCtcssCount - 1 - i;
            check("CTCSS", i);
        }
        ch.m_nRxCtcss = ch.m_nTxCtcss = 0;
        for (int i = 0; i < kDcsCount; ++i) {
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchDcs;
            ch.m_nRxDcs = i;
            ch.m_nTxDcs = kDcsCount - 1 - i;
            ch.m_bRxDcsInvert = i % 2;
            ch.m_bTxDcsInvert = (i / 2) % 2;
            check("DCS", i);
        }
        ch.m_nRxDcs = ch.m_nTxDcs = 0;
        for (int type = kSquelchCsq; type <= kSquelchNsc2; ++type) {
            ch.m_nRxSquelch = type;
            ch.m_nTxSquelch = kSquelchNsc2 - type;
            check("type", type);
        }
    }
}

TEST(RoundTrip, StepCodeThreeComesBackAsTheRasterItWasStoredOn) {
    CKM42Doc plan = NewPlan(1, false);
    plan.Channel(1).m_dRxFreq = 150.0125;
    plan.Channel(1).m_nStepCode = kStep2500;
    plan.Channel(2).m_dRxFreq = 150.005;
    plan.Channel(2).m_dTxFreq = 150.01;
    plan.Channel(2).m_nStepCode = kStep2500;
    ASSERT_EQ(CheckEncodable(plan), std::nullopt);
    const CKM42Doc back = ReadBack(plan);
    EXPECT_EQ(back.Channel(1).m_dRxFreq, 150.0125);
    EXPECT_EQ(back.Channel(1).m_nStepCode, kStep6250);
    EXPECT_EQ(back.Channel(2).m_dRxFreq, 150.005);
    EXPECT_EQ(back.Channel(2).m_dTxFreq, 150.01);
    EXPECT_EQ(back.Channel(2).m_nStepCode, kStep5000);
}

TEST(RoundTrip, DecodedImagesReencodeToTheSameTravellingBytes) {
    PlanMaker maker(42);
    for (int i = 0; i < 300; ++i) {
        const RadioImage first = Encoded(maker.Plan());
        CKM42Doc back;
        DecodeImage(first, back);
        ASSERT_EQ(CheckEncodable(back), std::nullopt);
        RadioImage want = first;
        want[2029] = static_cast<std::uint8_t>(back.m_nBand);  // VHF 2 / UHF 2 from the guess
        ASSERT_THAT(ByteDifferences(Encoded(back), want), IsEmpty()) << "plan " << i;
    }
}

}  // namespace
