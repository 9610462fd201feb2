// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PlanFields.h"

#include <bit>

#include "model/PlanText.h"

namespace fields {

bool SameValue(const Value& a, const Value& b) {
    if (a.index() != b.index()) return false;
    if (const double* x = std::get_if<double>(&a))
        return std::bit_cast<std::uint64_t>(*x) ==
               std::bit_cast<std::uint64_t>(std::get<double>(b));
    return a == b;
}

bool InForce(const ChannelField& field, const ChannelRecord& ch) {
    const std::int32_t type = field.side == kRx ? ch.m_nRxSquelch : ch.m_nTxSquelch;
    switch (field.kind) {
        case kCtcss:
            return type == kSquelchCtcss;
        case kDcs:
        case kInvert:
            return type == kSquelchDcs;
        default:
            return true;
    }
}

bool ReachesRadio(const ChannelField& field, const ChannelRecord& ch, int n) {
    switch (field.reach) {
        case kAlways:
            return true;
        case kInUse:
            return ch.InUse();
        case kInForce:
            return ch.InUse() && InForce(field, ch);
        case kFirstChannel:
            return n == 1;
        case kStoredOnly:
            break;
    }
    return false;
}

std::string DecimalText(std::int32_t units, const Range& range) {
    double seconds = units;
    for (int k = 0; k < range.decimals; ++k) seconds /= 10.0;
    std::string text = FormatText("%.*f", range.decimals, seconds);
    while (range.decimals > 1 && text.ends_with('0') && text[text.size() - 2] != '.')
        text.pop_back();
    return text;
}

}  // namespace fields
