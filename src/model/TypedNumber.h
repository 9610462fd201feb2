// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A number typed into one of the editors' boxes. The boxes have always been read from the
// start of the text: leading blanks and a sign allowed, reading stops at the first character
// that cannot continue the number, an empty or non-numeric text reads as 0, and only the first
// nine characters count. Only plain decimals are numbers here (no exponent, hex, "inf" or
// "nan"). The decimal point is '.' or ',' whatever the user's locale says: read up to a
// comma, "450,0125" would be 450 MHz, a frequency nobody typed.
//
// The digits are kept as typed, so scaling (MHz to Hz, seconds to hundredths) is exact: a
// typed 450.0125 is exactly 450012500 Hz and a typed 0.29 exactly 29 hundredths, which binary
// floating point cannot promise.
class TypedNumber {
public:
    // What a box holds as a whole: blanks only (the emptied box, which has its own meaning),
    // a number with blanks around it, or anything else, which the checks refuse rather than
    // read as the number it starts with (or as 0).
    enum class Form { kEmpty, kNumber, kJunk };
    static Form FormOf(std::string_view text);

    static constexpr std::size_t kReadChars = 9;
    static constexpr std::size_t kWholeText = std::string_view::npos;

    // Reads the first `limit` characters of text.
    static TypedNumber Read(std::string_view text, std::size_t limit = kReadChars);

    // The nearest double; 0.0 when no number was found.
    double Value() const;
    // Integer part of value x 10^decimals (toward zero). Saturates far beyond any box.
    std::int64_t Truncated(int decimals) const;
    // value x 10^decimals rounded to the nearest integer, halves away from zero.
    std::int64_t Rounded(int decimals) const;

    bool HasDigits() const { return !m_int.empty() || !m_frac.empty(); }
    // Characters of the read text taken by blanks, sign and number.
    std::size_t Consumed() const { return m_consumed; }
    // Same decimal value (trailing fraction zeros, leading zeros and the sign of 0 aside).
    bool SameValue(const TypedNumber& other) const;

private:
    std::int64_t Scaled(int decimals, bool roundHalfUp) const;

    bool m_negative = false;
    std::string m_int;   // digits before the point
    std::string m_frac;  // digits after it
    std::size_t m_consumed = 0;
};

// Decimal value of a box, as the frequency, tone and time boxes read it.
double ParseTypedNumber(std::string_view text);
// A box holding neither blanks only nor a number ("abc", "12x"): refused by every check.
bool IsTypedJunk(std::string_view text);
// Integer value of a box (time-out and inhibit): the decimal value truncated toward zero,
// which is what reading the integer prefix of the text gives.
std::int32_t ParseTypedInteger(std::string_view text);
