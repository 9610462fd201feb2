// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KM42Doc.h"

void CKM42Doc::SetDefaults() {
    m_dRadioNsc1 = kDefaultNscTone;
    m_bPriorityUsed = 0;
    m_bPowerOnUsed = 0;
    m_bPowerSave = 0;
    m_nTxTimeOut = 0;
    m_nTxInhibit = 0;
    m_dScanSpeed = 0.1;
    m_nScanDelay = 4;
    m_dRxOnTime = 0.15;
    m_dRxOffTime = 0.4;
    m_nPowerSaveDelay = 4;
    m_nLookbackTime = 0;
    m_bTxTimeOut = 0;
    m_bTxDelay = 1;
    m_bScanIndicatorOff = 0;
    m_nScanTx = 0;
    m_bMonitor = 1;
    m_bMarkedIdle = 0;
    m_bCarrierToneOff = 0;
    m_bBusyLockout = 0;
    m_bBeepOff = 0;
    m_nCompander = 1;

    for (int n = 1; n <= ChannelCount(); ++n) {
        ChannelRecord& ch = Channel(n);
        const std::int32_t keptStep = ch.m_nStepCode;
        ch = ChannelRecord{};
        ch.m_bHighPower = 1;
        ch.m_dRxNsc1 = ch.m_dRxNsc2 = ch.m_dTxNsc1 = ch.m_dTxNsc2 = kDefaultNscTone;
        ch.m_nStepCode = keptStep;
    }
}

const char* ScanTxText(std::int32_t priorityUsed, std::int32_t scanTx) {
    if (priorityUsed != 0) return scanTx != 0 ? "Priority Only Tx" : "Priority Scan Tx";
    return scanTx != 0 ? "Rx Only - No Tx" : "Normal Scan Tx";
}
