// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvExport.h"

#include <cmath>

#include "interchange/CsvText.h"
#include "model/ChannelRules.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace csv {
namespace {

constexpr const char* kFileLineEnd = "\r\n";
constexpr const char* kClipboardLineEnd = "\n";
constexpr char kFileSeparator = ',';
constexpr char kClipboardSeparator = '\t';
// Beyond every band, inside 64-bit hertz.
constexpr double kLargestMHz = 1e9;

std::int64_t HzOf(double mhz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestMHz) return 0;
    return std::llround(mhz * 1e6);
}

CsvSide SideOf(const SignalSide& side) {
    CsvSide csv;
    // The flag stays with the channel whatever its signalling, as the editor keeps it.
    csv.inverted = side.dcsInvert != 0;
    switch (side.squelch) {
        case kSquelchCtcss:
            csv.kind = SignalKind::kTone;
            csv.toneHz = CtcssTone(side.ctcss);
            break;
        case kSquelchDcs:
            csv.kind = SignalKind::kDcs;
            csv.dcsCode = DcsCode(side.dcs);
            break;
        case kSquelchNsc1:
        case kSquelchNsc2:
            csv.kind = SignalKind::kTone;
            csv.nscSlot = side.squelch == kSquelchNsc1 ? 1 : 2;
            csv.toneHz = csv.nscSlot == 1 ? side.nsc1 : side.nsc2;
            break;
        default:  // CSQ, or a type a damaged file holds: no signalling
            break;
    }
    return csv;
}

Record RecordOf(const RowTexts& row) {
    Record record;
    for (const std::optional<std::string>& text : row) record.push_back(text.value_or(""));
    return record;
}

std::string Header(char separator, const char* lineEnd) {
    return WriteRecord(Record(kColumnNames.begin(), kColumnNames.end()), separator) + lineEnd;
}

}  // namespace

CsvChannel CsvChannelOf(const CKM42Doc& doc, int n) {
    const ChannelRecord& ch = doc.Channel(n);
    CsvChannel csv;
    csv.location = n;
    csv.rxHz = HzOf(ch.m_dRxFreq);
    const std::int64_t txHz = HzOf(ch.m_dTxFreq);
    if (txHz == 0) {
        csv.duplex = Duplex::kOff;
    } else if (txHz != csv.rxHz) {
        csv.duplex = txHz > csv.rxHz ? Duplex::kPlus : Duplex::kMinus;
        csv.offsetHz = txHz > csv.rxHz ? txHz - csv.rxHz : csv.rxHz - txHz;
    }
    csv.tx = SideOf(TxSide(ch));
    csv.rx = SideOf(RxSide(ch));
    const bool knownStep = ch.m_nStepCode == kStep6250 || ch.m_nStepCode == kStep5000;
    csv.stepCode = knownStep ? ch.m_nStepCode : RasterStepCode(ch.m_dRxFreq);
    csv.standardSpacing = ch.m_bStdSpacing != 0;
    csv.scan = ch.m_bScan != 0;
    csv.highPower = ch.m_bHighPower != 0;
    csv.priority = ch.m_bPriority != 0;
    return csv;
}

std::string ExportCsv(const CKM42Doc& doc) {
    std::string text = Header(kFileSeparator, kFileLineEnd);
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        if (!doc.Channel(n).InUse()) continue;
        text += WriteRecord(RecordOf(WriteRow(CsvChannelOf(doc, n))), kFileSeparator);
        text += kFileLineEnd;
    }
    return text;
}

std::string CopyRows(const CKM42Doc& doc, std::span<const int> channels) {
    std::string text = Header(kClipboardSeparator, kClipboardLineEnd);
    for (const int n : channels) {
        if (!IsPlanChannel(doc, n)) continue;
        RowTexts row;
        if (doc.Channel(n).InUse()) {
            row = WriteRow(CsvChannelOf(doc, n));
        } else {
            for (std::optional<std::string>& cell : row) cell = std::string();
            At(row, Column::kLocation) = std::to_string(n);
        }
        text += WriteRecord(RecordOf(row), kClipboardSeparator) + kClipboardLineEnd;
    }
    return text;
}

}  // namespace csv
