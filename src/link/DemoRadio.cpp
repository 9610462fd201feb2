// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/DemoRadio.h"

#include <algorithm>
#include <cstdint>

#include "codec/ImageCodec.h"
#include "model/BandTable.h"
#include "model/SignalLists.h"

namespace radiolink {
namespace {

// Frequencies from whole hertz, so they are exactly what reading the radio gives back.
constexpr std::int64_t kVhfBaseHz = 150'000'000;
constexpr std::int64_t kUhfBaseHz = 450'000'000;
constexpr std::int64_t kChannelStepHz = 12'500;  // on the 6.25 kHz raster
constexpr std::int64_t kVhfRepeaterShiftHz = 600'000;
constexpr std::int64_t kUhfRepeaterShiftHz = 5'000'000;
constexpr int kPriorityChannel = 2;
// The radio-wide non-standard tones, and the 16-channel demo's channels that use them.
constexpr double kDemoNsc1Hz = 123.4;
constexpr double kDemoNsc2Hz = 88.8;
constexpr int kNsc1Channel = 15;
constexpr int kNsc2Channel = 16;

double Mhz(std::int64_t hertz) {
    return static_cast<double>(hertz) / 1'000'000.0;
}

void SetSquelch(ChannelRecord& ch, int n) {
    // Rx and Tx alike, cycling through carrier, CTCSS, DCS and inverted DCS.
    switch (n % 4) {
        case 1:
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCsq;
            break;
        case 2:
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCtcss;
            ch.m_nRxCtcss = ch.m_nTxCtcss = (n * 5) % kCtcssCount;
            break;
        case 3:
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchDcs;
            ch.m_nRxDcs = ch.m_nTxDcs = (n * 7) % kDcsCount;
            break;
        default:
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchDcs;
            ch.m_nRxDcs = ch.m_nTxDcs = (n * 3) % kDcsCount;
            ch.m_bRxDcsInvert = ch.m_bTxDcsInvert = 1;
            break;
    }
}

}  // namespace

CKM42Doc DemoPlan(const RadioModel& model) {
    CKM42Doc doc;
    doc.m_nBand = model.band;
    doc.m_b16Channel = model.sixteenChannels ? 1 : 0;
    doc.SetDefaults();
    const bool vhf = IsVhfBand(model.band);
    const std::int64_t base = vhf ? kVhfBaseHz : kUhfBaseHz;
    const std::int64_t shift = vhf ? kVhfRepeaterShiftHz : kUhfRepeaterShiftHz;
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        const std::int64_t rx = base + kChannelStepHz * n;
        ch.m_dRxFreq = Mhz(rx);
        ch.m_dTxFreq = Mhz(n % 4 == 0 ? rx + shift : rx);  // every fourth through a repeater
        ch.m_nStepCode = kStep6250;
        ch.m_bStdSpacing = n % 3 != 0 ? 1 : 0;
        ch.m_bHighPower = n % 5 != 0 ? 1 : 0;
        ch.m_bScan = n % 2 == 1 ? 1 : 0;
        SetSquelch(ch, n);
    }
    for (ChannelRecord& ch : doc.m_Channel) {
        ch.m_dRxNsc1 = ch.m_dTxNsc1 = kDemoNsc1Hz;
        ch.m_dRxNsc2 = ch.m_dTxNsc2 = kDemoNsc2Hz;
    }
    if (doc.ChannelCount() >= kNsc2Channel) {
        ChannelRecord& nsc1 = doc.Channel(kNsc1Channel);
        nsc1.m_nRxSquelch = nsc1.m_nTxSquelch = kSquelchNsc1;
        ChannelRecord& nsc2 = doc.Channel(kNsc2Channel);
        nsc2.m_nRxSquelch = nsc2.m_nTxSquelch = kSquelchNsc2;
    }
    doc.Channel(kPriorityChannel).m_bPriority = 1;
    doc.m_bPriorityUsed = 1;
    return doc;
}

LineImage DemoImage(const RadioModel& model) {
    RadioImage encoded{};
    EncodeImage(DemoPlan(model), encoded);
    LineImage memory{};
    std::copy_n(encoded.begin(), memory.size(), memory.begin());
    return memory;
}

}  // namespace radiolink
