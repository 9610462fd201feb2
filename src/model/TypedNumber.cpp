// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TypedNumber.h"

#include <charconv>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// The blanks C's number readers skip, independent of the locale.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDecimalPoint(char c) {
    return c == '.' || c == ',';
}

std::string_view TrimLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

std::string_view TrimTrailingZeros(std::string_view digits) {
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view() : digits.substr(0, last + 1);
}

// Far beyond anything nine characters can hold; keeps the arithmetic inside 64 bits.
constexpr std::int64_t kSaturation = 1'000'000'000'000'000'000;

}  // namespace

TypedNumber TypedNumber::Read(std::string_view text, std::size_t limit) {
    const std::string_view s = text.substr(0, limit);
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    TypedNumber number;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t intStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    number.m_int = std::string(s.substr(intStart, i - intStart));
    if (i < s.size() && IsDecimalPoint(s[i])) {
        const std::size_t fracStart = ++i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        number.m_frac = std::string(s.substr(fracStart, i - fracStart));
    }
    if (!number.HasDigits()) return TypedNumber{};  // "", "-", "." and words read as 0
    number.m_negative = negative;
    number.m_consumed = i;
    return number;
}

TypedNumber::Form TypedNumber::FormOf(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    if (end == 0) return Form::kEmpty;
    const TypedNumber number = Read(text.substr(0, end), kWholeText);
    return number.HasDigits() && number.Consumed() == end ? Form::kNumber : Form::kJunk;
}

double TypedNumber::Value() const {
    if (!HasDigits()) return 0.0;
    std::string text = m_int.empty() ? "0" : m_int;
    if (!m_frac.empty()) text += "." + m_frac;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::max();
    if (value == 0.0) return 0.0;  // no "-0"
    return m_negative ? -value : value;
}

std::int64_t TypedNumber::Scaled(int decimals, bool roundHalfUp) const {
    std::int64_t result = 0;
    auto push = [&result](char digit) {
        if (result >= kSaturation / 10) {
            result = kSaturation;
            return;
        }
        result = result * 10 + (digit - '0');
    };
    for (char c : m_int) push(c);
    for (int k = 0; k < decimals; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        push(at < m_frac.size() ? m_frac[at] : '0');
    }
    const std::size_t next = static_cast<std::size_t>(decimals);
    if (roundHalfUp && next < m_frac.size() && m_frac[next] >= '5' && result < kSaturation)
        ++result;
    return m_negative ? -result : result;
}

std::int64_t TypedNumber::Truncated(int decimals) const {
    return Scaled(decimals, false);
}

std::int64_t TypedNumber::Rounded(int decimals) const {
    return Scaled(decimals, true);
}

bool TypedNumber::SameValue(const TypedNumber& other) const {
    const std::string_view a = TrimLeadingZeros(m_int), b = TrimLeadingZeros(other.m_int);
    const std::string_view fa = TrimTrailingZeros(m_frac), fb = TrimTrailingZeros(other.m_frac);
    if (a != b || fa != fb) return false;
    const bool zero = a.empty() && fa.empty();
    return zero || m_negative == other.m_negative;
}

double ParseTypedNumber(std::string_view text) {
    return TypedNumber::Read(text).Value();
}

bool IsTypedJunk(std::string_view text) {
    return TypedNumber::FormOf(text) == TypedNumber::Form::kJunk;
}

std::int32_t ParseTypedInteger(std::string_view text) {
    // Nine characters hold at most nine digits, which fit an int32.
    return static_cast<std::int32_t>(TypedNumber::Read(text).Truncated(0));
}
