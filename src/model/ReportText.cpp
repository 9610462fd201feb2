// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ReportText.h"

#include "model/BandTable.h"
#include "model/PlanText.h"

namespace {
std::string OnOff(bool on) { return on ? ": On" : ": Off"; }
std::string Seconds(long long value) { return FormatText(": %lld s", value); }
std::string DecimalSeconds(double value) { return FormatText(": %4.2f s", value); }
}  // namespace

std::string ReportModelText(const CKM42Doc& doc) {
    const bool vhf = doc.m_nBand == kBandVhf2;
    if (doc.m_b16Channel != 0)
        return vhf ? "KM161 VHF2 (146 - 174 MHz)" : "KM162 UHF2 (440 - 470 MHz)";
    return vhf ? "KM41 VHF2 (146 - 174 MHz)" : "KM42 UHF2 (440 - 470 MHz)";
}

OptionTexts ReportOptionTexts(const CKM42Doc& d, OptionValues values) {
    const bool stored = values == OptionValues::kStored;
    const bool timeOut = stored || d.m_bTxTimeOut != 0;
    const bool powerSave = stored || d.m_bPowerSave != 0;
    return {
        {{
            {"  Tx Time Out", OnOff(d.m_bTxTimeOut != 0)},
            {"  Tx Time Out Time", timeOut ? Seconds(d.m_nTxTimeOut) : ": 0 s"},
            {"  Tx Inhibit Time", timeOut ? Seconds(d.m_nTxInhibit) : ": 0 s"},
            {"  Tx Delay", OnOff(d.m_bTxDelay != 0)},
            {"  Busy Ch Lockout", OnOff(d.m_bBusyLockout != 0)},
            {"  Marked Idle", OnOff(d.m_bMarkedIdle != 0)},
            {"  Monitor", OnOff(d.m_bMonitor != 0)},
            {"  Scan Indicator", OnOff(d.m_bScanIndicatorOff == 0)},
            {"  Beep", OnOff(d.m_bBeepOff == 0)},
            {"  Pr Lookback Time", Seconds(d.m_nLookbackTime)},
        }},
        {{
            {"  Delay", Seconds(d.m_nScanDelay)},
            {"  Speed", DecimalSeconds(d.m_dScanSpeed)},
            {"  Carrier + Tone", OnOff(d.m_bCarrierToneOff == 0)},
            {"  Tx Option", std::string(": ") + ScanTxText(d.m_bPriorityUsed, d.m_nScanTx)},
        }},
        {{
            {"  Power Save", OnOff(d.m_bPowerSave != 0)},
            {"  Rx On Time", powerSave ? DecimalSeconds(d.m_dRxOnTime) : ": 0 s"},
            {"  Rx Off Time", powerSave ? DecimalSeconds(d.m_dRxOffTime) : ": 0 s"},
            {"  Delay",
             powerSave ? Seconds(static_cast<long long>(d.m_nPowerSaveDelay) + 1) : ": 0 s"},
        }},
    };
}

OptionText CompanderText(const CKM42Doc& doc) {
    return {"  Audio Compander", doc.m_nCompander != 0 ? ": Disable" : ": Enable"};
}
