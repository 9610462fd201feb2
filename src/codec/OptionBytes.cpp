// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/OptionBytes.h"

#include <array>
#include <cmath>

namespace options {
namespace {

using image::Get;
namespace opt = image::option;

// Far beyond every field, far inside long long.
constexpr double kLargestScaled = 1.0e12;

std::optional<long long> Flag(std::int32_t value) {
    return value != 0 ? 1 : 0;
}

// seconds x scale - offset, rounded to the nearest integer.
std::optional<long long> Scaled(double seconds, double scale, double offset) {
    const double value = seconds * scale - offset;
    if (!std::isfinite(value) || std::fabs(value) > kLargestScaled) return std::nullopt;
    return std::llround(value);
}

double Unscaled(unsigned stored, double offset, double scale) {
    return (static_cast<double>(stored) + offset) / scale;
}

constexpr double kHundredths = 100.0;
constexpr double kTenths = 10.0;
constexpr double kScanSpeedOffset = 1.0;  // 0.01 s stores as 0
constexpr double kRxOnOffset = 5.0;       // 0.05 s stores as 0
constexpr double kRxOffOffset = 1.0;      // 0.1 s stores as 0
constexpr int kTimeOutUnit = 10;          // seconds per count of byte 1
constexpr int kInhibitUnit = 5;           // seconds per count of byte 3's low nibble

double Zero(const CKM42Doc&) {
    return 0.0;
}

const std::array<OptionRule, 23> kRules = {{
    {"Beep", opt::kBeepOff, [](const CKM42Doc& d) { return Flag(d.m_bBeepOff); }, Zero},
    {"Busy Ch Lockout", opt::kBusyLockout, [](const CKM42Doc& d) { return Flag(d.m_bBusyLockout); },
     Zero},
    {"Tx Time Out", opt::kTxTimeOut, [](const CKM42Doc& d) { return Flag(d.m_bTxTimeOut); }, Zero},
    {"Tx Delay", opt::kTxDelay, [](const CKM42Doc& d) { return Flag(d.m_bTxDelay); }, Zero},
    {"Monitor", opt::kMonitor, [](const CKM42Doc& d) { return Flag(d.m_bMonitor); }, Zero},
    {"Marked Idle", opt::kMarkedIdle, [](const CKM42Doc& d) { return Flag(d.m_bMarkedIdle); },
     Zero},
    {"Channels", opt::k16Channel, [](const CKM42Doc& d) { return Flag(d.m_b16Channel); }, Zero},
    {"Tx Inhibit", opt::kTxInhibitOn, [](const CKM42Doc& d) { return Flag(d.m_nTxInhibit); }, Zero},
    {"Tx Time Out Time", opt::kTxTimeOutTens,
     [](const CKM42Doc& d) -> std::optional<long long> { return d.m_nTxTimeOut / kTimeOutUnit; },
     [](const CKM42Doc& d) { return static_cast<double>(d.m_nTxTimeOut); }},
    {"Audio Compander", opt::kCompanderOff, [](const CKM42Doc& d) { return Flag(d.m_nCompander); },
     Zero},
    {"Priority", opt::kNoPriority,
     [](const CKM42Doc& d) { return Flag(d.m_bPriorityUsed == 0 ? 1 : 0); }, Zero},
    {"Tx Option", opt::kScanTxNormal,
     [](const CKM42Doc& d) { return Flag(d.m_nScanTx == 0 ? 1 : 0); }, Zero},
    {"Scan Indicator", opt::kScanIndicatorOff,
     [](const CKM42Doc& d) { return Flag(d.m_bScanIndicatorOff); }, Zero},
    {"", opt::kAlwaysSet, [](const CKM42Doc&) { return Flag(1); }, Zero},
    {"Carrier + Tone", opt::kCarrierToneOff,
     [](const CKM42Doc& d) { return Flag(d.m_bCarrierToneOff); }, Zero},
    {"Tx Inhibit Time", opt::kTxInhibitFives,
     [](const CKM42Doc& d) -> std::optional<long long> { return d.m_nTxInhibit / kInhibitUnit; },
     [](const CKM42Doc& d) { return static_cast<double>(d.m_nTxInhibit); }},
    {"Scan Delay", opt::kScanDelay,
     [](const CKM42Doc& d) -> std::optional<long long> { return d.m_nScanDelay; },
     [](const CKM42Doc& d) { return static_cast<double>(d.m_nScanDelay); }},
    {"Pr Lookback Time", opt::kLookbackTime,
     [](const CKM42Doc& d) -> std::optional<long long> { return d.m_nLookbackTime; },
     [](const CKM42Doc& d) { return static_cast<double>(d.m_nLookbackTime); }},
    {"Scan Speed", opt::kScanSpeed,
     [](const CKM42Doc& d) { return Scaled(d.m_dScanSpeed, kHundredths, kScanSpeedOffset); },
     [](const CKM42Doc& d) { return d.m_dScanSpeed; }},
    {"Power Save", opt::kPowerSave, [](const CKM42Doc& d) { return Flag(d.m_bPowerSave); }, Zero},
    {"Power Save Delay", opt::kPowerSaveDelay,
     [](const CKM42Doc& d) -> std::optional<long long> { return d.m_nPowerSaveDelay; },
     [](const CKM42Doc& d) { return static_cast<double>(d.m_nPowerSaveDelay); }},
    {"Rx On Time", opt::kRxOnTime,
     [](const CKM42Doc& d) { return Scaled(d.m_dRxOnTime, kHundredths, kRxOnOffset); },
     [](const CKM42Doc& d) { return d.m_dRxOnTime; }},
    {"Rx Off Time", opt::kRxOffTime,
     [](const CKM42Doc& d) { return Scaled(d.m_dRxOffTime, kTenths, kRxOffOffset); },
     [](const CKM42Doc& d) { return d.m_dRxOffTime; }},
}};

bool Fits(const OptionRule& rule, const CKM42Doc& doc) {
    const std::optional<long long> value = rule.stored(doc);
    return value && *value >= 0 && *value <= static_cast<long long>(rule.field.Max());
}

std::int32_t Field(const RadioImage& image, image::BitField field) {
    return static_cast<std::int32_t>(Get(image, field));
}

}  // namespace

std::span<const OptionRule> OptionRules() {
    return kRules;
}

void EncodeOptions(const CKM42Doc& doc, RadioImage& image) {
    for (const OptionRule& rule : kRules) {
        const long long value = rule.stored(doc).value_or(0);
        image::Put(image, rule.field, static_cast<unsigned>(value & rule.field.Max()));
    }
}

void DecodeOptions(const RadioImage& image, CKM42Doc& doc) {
    doc.m_bBeepOff = Field(image, opt::kBeepOff);
    doc.m_bBusyLockout = Field(image, opt::kBusyLockout);
    doc.m_bTxTimeOut = Field(image, opt::kTxTimeOut);
    doc.m_bTxDelay = Field(image, opt::kTxDelay);
    doc.m_bMonitor = Field(image, opt::kMonitor);
    doc.m_bMarkedIdle = Field(image, opt::kMarkedIdle);
    doc.m_b16Channel = Field(image, opt::k16Channel);
    doc.m_nTxTimeOut = Field(image, opt::kTxTimeOutTens) * kTimeOutUnit;
    doc.m_nCompander = Field(image, opt::kCompanderOff);
    doc.m_nScanTx = Field(image, opt::kScanTxNormal) != 0 ? 0 : 1;
    doc.m_bScanIndicatorOff = Field(image, opt::kScanIndicatorOff);
    doc.m_bCarrierToneOff = Field(image, opt::kCarrierToneOff);
    doc.m_nTxInhibit = Field(image, opt::kTxInhibitFives) * kInhibitUnit;
    doc.m_nScanDelay = Field(image, opt::kScanDelay);
    doc.m_nLookbackTime = Field(image, opt::kLookbackTime);
    doc.m_dScanSpeed = Unscaled(Get(image, opt::kScanSpeed), kScanSpeedOffset, kHundredths);
    doc.m_nPowerSaveDelay = Field(image, opt::kPowerSaveDelay);
    doc.m_dRxOnTime = Unscaled(Get(image, opt::kRxOnTime), kRxOnOffset, kHundredths);
    doc.m_bPowerSave = Field(image, opt::kPowerSave);
    doc.m_dRxOffTime = Unscaled(Get(image, opt::kRxOffTime), kRxOffOffset, kTenths);
}

const OptionRule* FindMisfit(const CKM42Doc& doc) {
    for (const OptionRule& rule : kRules)
        if (!Fits(rule, doc)) return &rule;
    return nullptr;
}

// The editors store a time as its count of steps divided by the steps a second, which is the
// very value decoding gives back; anything else would read back as another number.
Inexact FindInexact(const CKM42Doc& doc) {
    RadioImage image{};
    EncodeOptions(doc, image);
    CKM42Doc back = doc;
    DecodeOptions(image, back);
    for (const OptionRule& rule : kRules) {
        if (rule.shown == Zero) continue;
        const double readBack = rule.shown(back);
        if (readBack != rule.shown(doc)) return {&rule, readBack};
    }
    return {};
}

}  // namespace options
