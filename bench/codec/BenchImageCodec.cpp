// SPDX-License-Identifier: GPL-3.0-or-later
// How long building and reading a radio image take. The write dialog encodes before the
// first byte goes out and the read dialog decodes after the last; both should be invisible.
#include <benchmark/benchmark.h>

#include "codec/ImageCodec.h"
#include "model/SignalLists.h"

namespace {

// A full 16-channel UHF plan with every kind of signalling, scan and priority in use.
CKM42Doc BusyPlan() {
    CKM42Doc doc;
    doc.m_nBand = 4;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    for (int n = 1; n <= 16; ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxFreq = 440.0 + 0.0125 * n * 37;
        ch.m_dTxFreq = ch.m_dRxFreq + 5.0;
        ch.m_nStepCode = kStep6250;
        ch.m_nRxSquelch = n % 5;
        ch.m_nTxSquelch = (n + 2) % 5;
        ch.m_nRxCtcss = ch.m_nTxCtcss = (n * 7) % kCtcssCount;
        ch.m_nRxDcs = ch.m_nTxDcs = (n * 11) % kDcsCount;
        ch.m_bScan = n % 2;
        ch.m_dRxNsc1 = ch.m_dTxNsc1 = 88.8;
        ch.m_dRxNsc2 = ch.m_dTxNsc2 = 203.5;
    }
    doc.Channel(4).m_bPriority = 1;
    doc.m_bPriorityUsed = 1;
    return doc;
}

void BM_EncodeImage(benchmark::State& state) {
    const CKM42Doc doc = BusyPlan();
    RadioImage image{};
    for (auto _ : state) {
        EncodeImage(doc, image);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncodeImage);

void BM_DecodeImage(benchmark::State& state) {
    RadioImage image{};
    EncodeImage(BusyPlan(), image);
    CKM42Doc doc;
    for (auto _ : state) {
        DecodeImage(image, doc);
        benchmark::DoNotOptimize(&doc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeImage);

void BM_CheckEncodable(benchmark::State& state) {
    const CKM42Doc doc = BusyPlan();
    for (auto _ : state) benchmark::DoNotOptimize(CheckEncodable(doc));
}
BENCHMARK(BM_CheckEncodable);

}  // namespace

BENCHMARK_MAIN();
