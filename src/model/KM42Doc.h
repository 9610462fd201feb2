// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

// One channel of the plan. Flags are 0/1 ints (any non-zero counts as set); frequencies in
// MHz, tones in Hz. Fields stay in the order the data file and the radio tooling know.
struct ChannelRecord {
    std::int32_t m_bRxDcsInvert = 0;
    std::int32_t m_bTxDcsInvert = 0;
    std::int32_t m_bScan = 0;
    std::int32_t m_bStdSpacing = 0;
    std::int32_t m_bPriority = 0;
    std::int32_t m_bHighPower = 0;
    std::int32_t m_bPowerOn = 0;
    std::int32_t m_nRxCtcss = 0;
    std::int32_t m_nTxCtcss = 0;
    std::int32_t m_nRxDcs = 0;
    std::int32_t m_nTxDcs = 0;
    double m_dRxNsc1 = 0.0;
    double m_dRxNsc2 = 0.0;
    double m_dTxNsc1 = 0.0;
    double m_dTxNsc2 = 0.0;
    double m_dRxFreq = 0.0;  // 0.0 = channel empty
    double m_dTxFreq = 0.0;  // 0.0 = no transmit frequency
    std::int32_t m_nRxSquelch = 0;
    std::int32_t m_nTxSquelch = 0;
    std::int32_t m_nStepCode = 0;

    bool InUse() const { return m_dRxFreq != 0.0; }
};

// Signalling types held in m_nRxSquelch / m_nTxSquelch.
enum SquelchType : std::int32_t {
    kSquelchCsq = 0,
    kSquelchCtcss = 1,
    kSquelchDcs = 2,
    kSquelchNsc1 = 3,
    kSquelchNsc2 = 4,
};

// Synthesizer step codes held in m_nStepCode.
enum StepCode : std::int32_t {
    kStep6250 = 1,
    kStep5000 = 2,
    kStep2500 = 3,
};

inline constexpr int kMaxChannels = 16;
inline constexpr double kDefaultNscTone = 67.0;

// The radio document: everything programmed into one radio. Plain data, read and written
// directly by every layer; construction leaves every radio field zero.
struct CKM42Doc {
    std::int32_t m_nComPort = 0;  // 1 = COM1, 0 = COM2; lives in "port.port"
    double m_dRadioNsc1 = 0.0;    // tone #1 as last confirmed in the channel editor
    std::int32_t m_b16Channel = 0;
    std::int32_t m_bPriorityUsed = 0;
    std::int32_t m_bPowerOnUsed = 0;
    std::int32_t m_bPowerSave = 0;
    std::int32_t m_nBand = 0;
    std::int32_t m_nTxTimeOut = 0;
    std::int32_t m_nTxInhibit = 0;
    double m_dScanSpeed = 0.0;
    std::int32_t m_nScanDelay = 0;
    double m_dRxOnTime = 0.0;
    double m_dRxOffTime = 0.0;
    std::int32_t m_nPowerSaveDelay = 0;
    std::int32_t m_nLookbackTime = 0;
    std::int32_t m_bTxTimeOut = 0;
    std::int32_t m_bTxDelay = 0;
    std::int32_t m_bScanIndicatorOff = 0;  // inverted sense: 1 = off
    std::int32_t m_nScanTx = 0;
    std::int32_t m_bMonitor = 0;
    std::int32_t m_bMarkedIdle = 0;
    std::int32_t m_bCarrierToneOff = 0;  // inverted sense: 1 = off
    std::int32_t m_bBusyLockout = 0;
    std::int32_t m_bBeepOff = 0;  // inverted sense: 1 = off
    std::int32_t m_nCompander = 0;  // 0 = enable, 1 = disable
    std::array<ChannelRecord, kMaxChannels> m_Channel{};

    // 16 for a 16-channel plan, else 4. Only these records belong to the plan.
    int ChannelCount() const { return m_b16Channel != 0 ? 16 : 4; }

    // Channel n, 1-based as the grid, report and image number them.
    ChannelRecord& Channel(int n) { return m_Channel.at(static_cast<std::size_t>(n - 1)); }
    const ChannelRecord& Channel(int n) const {
        return m_Channel.at(static_cast<std::size_t>(n - 1));
    }

    // New-plan defaults for the radio-wide fields and the plan's channels. Leaves the port,
    // channel count, band, every step code and the records beyond the plan alone.
    void SetDefaults();
};

// Texts shown for the scan transmit option, which reads differently with a priority channel.
const char* ScanTxText(std::int32_t priorityUsed, std::int32_t scanTx);
