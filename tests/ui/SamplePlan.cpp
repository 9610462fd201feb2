// SPDX-License-Identifier: GPL-3.0-or-later
#include "SamplePlan.h"

#include <algorithm>

#include "model/BandTable.h"
#include "model/ChannelRules.h"
#include "model/SignalLists.h"

namespace {

std::int32_t CtcssIndex(double hz) {
    const auto it = std::find(kCtcssTones.begin(), kCtcssTones.end(), hz);
    return static_cast<std::int32_t>(it - kCtcssTones.begin());
}

std::int32_t DcsIndex(int code) {
    const auto it = std::find(kDcsCodes.begin(), kDcsCodes.end(), code);
    return static_cast<std::int32_t>(it - kDcsCodes.begin());
}

ChannelRecord& Simplex(CKM42Doc& doc, int n, double mhz) {
    ChannelRecord& ch = doc.Channel(n);
    ch.m_dRxFreq = ch.m_dTxFreq = mhz;
    return ch;
}

}  // namespace

CKM42Doc SamplePlan16() {
    CKM42Doc doc;
    doc.m_nComPort = 1;
    doc.m_nBand = kBandVhf2;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    // The non-standard tones are radio-wide: every channel carries the same pair.
    for (ChannelRecord& ch : doc.m_Channel) {
        ch.m_dRxNsc1 = ch.m_dTxNsc1 = 123.4;
        ch.m_dRxNsc2 = ch.m_dTxNsc2 = 88.8;
    }

    Simplex(doc, 1, 146.52).m_bScan = 1;
    ChannelRecord& ch2 = Simplex(doc, 2, 147.30);
    ch2.m_dTxFreq = 147.90;
    ch2.m_nRxSquelch = ch2.m_nTxSquelch = kSquelchCtcss;
    ch2.m_nRxCtcss = ch2.m_nTxCtcss = CtcssIndex(100.0);
    ch2.m_bScan = 1;
    ChannelRecord& ch3 = Simplex(doc, 3, 151.625);
    ch3.m_nRxSquelch = ch3.m_nTxSquelch = kSquelchDcs;
    ch3.m_nRxDcs = ch3.m_nTxDcs = DcsIndex(23);
    ChannelRecord& ch4 = Simplex(doc, 4, 154.57);
    ch4.m_nRxSquelch = kSquelchDcs;
    ch4.m_nRxDcs = DcsIndex(754);
    ch4.m_bRxDcsInvert = 1;
    ch4.m_bHighPower = 0;
    ChannelRecord& ch5 = Simplex(doc, 5, 155.34);
    ch5.m_nRxSquelch = ch5.m_nTxSquelch = kSquelchNsc1;
    ch5.m_bPriority = doc.m_bPriorityUsed = 1;
    ChannelRecord& ch6 = Simplex(doc, 6, 158.745);
    ch6.m_nRxSquelch = kSquelchNsc2;
    ch6.m_nTxSquelch = kSquelchCtcss;
    ch6.m_nTxCtcss = CtcssIndex(67.0);
    ch6.m_bStdSpacing = 1;
    Simplex(doc, 7, 162.55).m_dTxFreq = 0.0;  // receive only
    ChannelRecord& ch8 = Simplex(doc, 8, 164.1);
    ch8.m_nRxSquelch = ch8.m_nTxSquelch = kSquelchCtcss;
    ch8.m_nRxCtcss = ch8.m_nTxCtcss = CtcssIndex(250.3);
    ch8.m_bScan = 1;
    ch8.m_bStdSpacing = 1;
    ChannelRecord& ch9 = Simplex(doc, 9, 167.2);
    ch9.m_nRxSquelch = kSquelchNsc1;
    ch9.m_nTxSquelch = kSquelchDcs;
    ch9.m_nTxDcs = DcsIndex(411);
    ch9.m_bTxDcsInvert = 1;
    Simplex(doc, 10, 169.05).m_bHighPower = 0;
    ChannelRecord& ch11 = Simplex(doc, 11, 171.0);
    ch11.m_nRxSquelch = ch11.m_nTxSquelch = kSquelchCtcss;
    ch11.m_nRxCtcss = ch11.m_nTxCtcss = CtcssIndex(151.4);
    Simplex(doc, 12, 173.975).m_bScan = 1;
    // Channels 13 to 16 stay empty. Each channel's step fits both of its frequencies, as the
    // channel editor would have stored it.
    for (ChannelRecord& ch : doc.m_Channel) {
        const bool on6250 = RasterStepCode(ch.m_dRxFreq) == kStep6250 &&
                            RasterStepCode(ch.m_dTxFreq) == kStep6250;
        ch.m_nStepCode = on6250 ? kStep6250 : kStep5000;
    }
    return doc;
}
