// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <random>
#include <utility>

#include "model/BandTable.h"
#include "model/KM42Doc.h"
#include "model/SignalLists.h"

// A plan as New makes it: model band and channel count, then the new-plan defaults.
inline CKM42Doc NewPlan(int band, bool sixteen) {
    CKM42Doc doc;
    doc.m_nBand = band;
    doc.m_b16Channel = sixteen ? 1 : 0;
    doc.SetDefaults();
    return doc;
}

// Random plans as the editors can make them, for the round-trip tests: channels on the
// band's raster and limits, every signalling type, options within their ranges.
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
