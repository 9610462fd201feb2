// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstring>
#include <string>
#include <vector>

#include "../support/RandomPlan.h"
#include "codec/ImageCodec.h"
#include "codec/RadioImage.h"
#include "model/KM42Doc.h"
#include "model/PlanText.h"

inline RadioImage Encoded(const CKM42Doc& doc) {
    RadioImage image;
    image.fill(0xEE);  // encoding must not depend on what the buffer held
    EncodeImage(doc, image);
    return image;
}

// The names of the fields in which two documents differ (empty when equal bit for bit, so
// that -0.0 and 0.0 or two NaNs are not mistaken for each other).
inline std::vector<std::string> DocDifferences(const CKM42Doc& a, const CKM42Doc& b) {
    std::vector<std::string> out;
    auto same = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; };
#define PRG715_FIELD(f) \
    if (!same(a.f, b.f)) out.push_back(#f);
    PRG715_FIELD(m_nComPort)
    PRG715_FIELD(m_dRadioNsc1)
    PRG715_FIELD(m_b16Channel)
    PRG715_FIELD(m_bPriorityUsed)
    PRG715_FIELD(m_bPowerOnUsed)
    PRG715_FIELD(m_bPowerSave)
    PRG715_FIELD(m_nBand)
    PRG715_FIELD(m_nTxTimeOut)
    PRG715_FIELD(m_nTxInhibit)
    PRG715_FIELD(m_dScanSpeed)
    PRG715_FIELD(m_nScanDelay)
    PRG715_FIELD(m_dRxOnTime)
    PRG715_FIELD(m_dRxOffTime)
    PRG715_FIELD(m_nPowerSaveDelay)
    PRG715_FIELD(m_nLookbackTime)
    PRG715_FIELD(m_bTxTimeOut)
    PRG715_FIELD(m_bTxDelay)
    PRG715_FIELD(m_bScanIndicatorOff)
    PRG715_FIELD(m_nScanTx)
    PRG715_FIELD(m_bMonitor)
    PRG715_FIELD(m_bMarkedIdle)
    PRG715_FIELD(m_bCarrierToneOff)
    PRG715_FIELD(m_bBusyLockout)
    PRG715_FIELD(m_bBeepOff)
    PRG715_FIELD(m_nCompander)
#undef PRG715_FIELD
    for (int n = 1; n <= kMaxChannels; ++n) {
        const ChannelRecord& x = a.Channel(n);
        const ChannelRecord& y = b.Channel(n);
        const std::string at = " of channel " + std::to_string(n);
#define PRG715_FIELD(f) \
    if (!same(x.f, y.f)) out.push_back(#f + at);
        PRG715_FIELD(m_bRxDcsInvert)
        PRG715_FIELD(m_bTxDcsInvert)
        PRG715_FIELD(m_bScan)
        PRG715_FIELD(m_bStdSpacing)
        PRG715_FIELD(m_bPriority)
        PRG715_FIELD(m_bHighPower)
        PRG715_FIELD(m_bPowerOn)
        PRG715_FIELD(m_nRxCtcss)
        PRG715_FIELD(m_nTxCtcss)
        PRG715_FIELD(m_nRxDcs)
        PRG715_FIELD(m_nTxDcs)
        PRG715_FIELD(m_dRxNsc1)
        PRG715_FIELD(m_dRxNsc2)
        PRG715_FIELD(m_dTxNsc1)
        PRG715_FIELD(m_dTxNsc2)
        PRG715_FIELD(m_dRxFreq)
        PRG715_FIELD(m_dTxFreq)
        PRG715_FIELD(m_nRxSquelch)
        PRG715_FIELD(m_nTxSquelch)
        PRG715_FIELD(m_nStepCode)
#undef PRG715_FIELD
    }
    return out;
}

// "offset: got XX, want YY" for every byte that differs.
inline std::vector<std::string> ByteDifferences(const RadioImage& got, const RadioImage& want) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (got[i] != want[i])
            out.push_back(FormatText("%zu: got %02X, want %02X", i, got[i], want[i]));
    }
    return out;
}
