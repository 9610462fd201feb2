// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PlanText.h"

#include <cstdarg>
#include <cstdio>

#include "model/SignalLists.h"

std::string FormatText(const char* format, ...) {
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, n);
    // Huge values from a damaged file: format again into a buffer of the right size.
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

std::string FrequencyText(double mhz) { return mhz != 0.0 ? FormatText("%8.4f", mhz) : ""; }

std::string NscToneText(double hz) { return FormatText("%5.1f", hz); }

SignalSide RxSide(const ChannelRecord& ch) {
    return {ch.m_dRxFreq, ch.m_nRxSquelch, ch.m_nRxCtcss, ch.m_nRxDcs,
            ch.m_bRxDcsInvert, ch.m_dRxNsc1, ch.m_dRxNsc2};
}

SignalSide TxSide(const ChannelRecord& ch) {
    return {ch.m_dTxFreq, ch.m_nTxSquelch, ch.m_nTxCtcss, ch.m_nTxDcs,
            ch.m_bTxDcsInvert, ch.m_dTxNsc1, ch.m_dTxNsc2};
}

SignalCells SignalCellsFor(const SignalSide& side) {
    switch (side.squelch) {
        case kSquelchCsq:
            return {side.freq != 0.0 ? "CSQ" : "", std::string()};
        case kSquelchCtcss: {
            const auto tone = CtcssTone(side.ctcss);
            return {"CTCSS", tone ? FormatText("%4.1f", *tone) : kUnknownValueText};
        }
        case kSquelchDcs: {
            const auto code = DcsCode(side.dcs);
            return {side.dcsInvert != 0 ? "I-DCS" : "DCS",
                    code ? FormatText("%03d", *code) : kUnknownValueText};
        }
        case kSquelchNsc1:
            return {"NSC-1", NscToneText(side.nsc1)};
        case kSquelchNsc2:
            return {"NSC-2", NscToneText(side.nsc2)};
        default:
            return {"", std::nullopt};
    }
}

std::string ScanCellText(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_bScan != 0 ? "S" : "";
}

std::string PriorityCellText(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_bPriority != 0 ? "P" : "";
}

std::string PowerCellText(const ChannelRecord& ch) {
    if (!ch.InUse()) return "";
    return ch.m_bHighPower != 0 ? "H" : "L";
}

std::string SpacingCellText(const ChannelRecord& ch) {
    if (!ch.InUse()) return "";
    return ch.m_bStdSpacing != 0 ? "S" : "N";
}

ChannelRowText ChannelRowTexts(const ChannelRecord& ch) {
    ChannelRowText row;
    const SignalCells rx = SignalCellsFor(RxSide(ch));
    const SignalCells tx = SignalCellsFor(TxSide(ch));
    row[kColRxFreq] = FrequencyText(ch.m_dRxFreq);
    row[kColRxSquelch] = rx.squelch;
    row[kColRxValue] = rx.value;
    row[kColTxFreq] = FrequencyText(ch.m_dTxFreq);
    row[kColTxSquelch] = tx.squelch;
    row[kColTxValue] = tx.value;
    row[kColScan] = ScanCellText(ch);
    row[kColPriority] = PriorityCellText(ch);
    row[kColPower] = PowerCellText(ch);
    row[kColSpacing] = SpacingCellText(ch);
    return row;
}
