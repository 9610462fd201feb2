// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/ChannelRules.h"
#include "model/OptionRules.h"
#include "model/TypedNumber.h"

namespace {

TEST(TypedNumber, ReadsTheNumberAtTheStartLikeTheBoxesAlwaysHave) {
    EXPECT_EQ(ParseTypedNumber("450.0125"), 450.0125);
    EXPECT_EQ(ParseTypedNumber("  146.5MHz"), 146.5);
    EXPECT_EQ(ParseTypedNumber("\t-12.5"), -12.5);
    EXPECT_EQ(ParseTypedNumber("+.5"), 0.5);
    EXPECT_EQ(ParseTypedNumber("7."), 7.0);
    EXPECT_EQ(ParseTypedNumber("450,0125"), 450.0125);  // a comma is a decimal point too
    EXPECT_EQ(TypedNumber::Read("0,29").Truncated(2), 29);
    EXPECT_EQ(ParseTypedNumber("1.2.3"), 1.2);
}

TEST(TypedNumber, EmptyOrNonNumericTextReadsAsZero) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", " x1", "+-1"}) {
        EXPECT_EQ(ParseTypedNumber(text), 0.0) << text;
        EXPECT_FALSE(TypedNumber::Read(text).HasDigits()) << text;
    }
    EXPECT_FALSE(std::signbit(ParseTypedNumber("-0.000")));
}

TEST(TypedNumber, ABoxIsEmptyANumberOrJunkAsAWhole) {
    using Form = TypedNumber::Form;
    for (const char* text : {"", " ", "\t  "}) EXPECT_EQ(TypedNumber::FormOf(text), Form::kEmpty);
    for (const char* text : {"450.0125", "450,0125", " 146.5 ", "-12", "+.5", "7.", ",5", "0"})
        EXPECT_EQ(TypedNumber::FormOf(text), Form::kNumber) << text;
    for (const char* text : {"abc", "146.5MHz", "1.2.3", "4.5e2", "0x1A", "inf", "-", ".", "1 2",
                             "12x", "450.,5", "+-1"}) {
        EXPECT_EQ(TypedNumber::FormOf(text), Form::kJunk) << text;
        EXPECT_TRUE(IsTypedJunk(text)) << text;
    }
    EXPECT_EQ(TypedNumber::Read("450,0125").Rounded(6), 450012500);
}

TEST(TypedNumber, ExponentHexAndSpecialWordsAreNotNumbers) {
    EXPECT_EQ(ParseTypedNumber("4.5e2"), 4.5);
    EXPECT_EQ(ParseTypedNumber("0x1A"), 0.0);
    EXPECT_EQ(ParseTypedNumber("inf"), 0.0);
    EXPECT_EQ(ParseTypedNumber("nan"), 0.0);
}

TEST(TypedNumber, OnlyTheFirstNineCharactersCount) {
    EXPECT_EQ(ParseTypedNumber("450.01256789"), 450.01256);
    EXPECT_EQ(ParseTypedNumber("    450.0125"), 450.0);  // blanks count too
    EXPECT_EQ(ParseTypedNumber("1234567890"), 123456789.0);
    EXPECT_EQ(ParseTypedInteger("9999999999"), 999999999);
    EXPECT_EQ(TypedNumber::Read("450.01256789", TypedNumber::kWholeText).Rounded(8), 45001256789);
}

TEST(TypedNumber, IntegerReadingStopsAtThePointAndTruncatesTowardZero) {
    EXPECT_EQ(ParseTypedInteger("125"), 125);
    EXPECT_EQ(ParseTypedInteger(" 12.9"), 12);
    EXPECT_EQ(ParseTypedInteger("-12.9"), -12);
    EXPECT_EQ(ParseTypedInteger("1e2"), 1);
    EXPECT_EQ(ParseTypedInteger("x"), 0);
}

TEST(TypedNumber, ScalingIsExactWhereBinaryFloatingPointIsNot) {
    // 0.29 * 100 and 0.57 * 100 fall just below the integer in binary.
    EXPECT_EQ(TypedNumber::Read("0.29").Truncated(2), 29);
    EXPECT_EQ(TypedNumber::Read("0.57").Truncated(2), 57);
    EXPECT_EQ(TypedNumber::Read("1.15").Truncated(2), 115);
    EXPECT_EQ(TypedNumber::Read("512.0125").Rounded(6), 512012500);
    EXPECT_EQ(TypedNumber::Read(".057").Truncated(2), 5);
    EXPECT_EQ(TypedNumber::Read("-0.379").Truncated(1), -3);
}

TEST(TypedNumber, RoundingTakesHalvesAwayFromZero) {
    EXPECT_EQ(TypedNumber::Read("0.0000005").Rounded(6), 1);
    EXPECT_EQ(TypedNumber::Read("0.0000004").Rounded(6), 0);
    EXPECT_EQ(TypedNumber::Read("-2.25").Rounded(1), -23);
}

TEST(TypedNumber, SameValueIgnoresZerosThatChangeNothing) {
    const TypedNumber a = TypedNumber::Read("450.0125");
    EXPECT_TRUE(a.SameValue(TypedNumber::Read("0450.012500", TypedNumber::kWholeText)));
    EXPECT_FALSE(a.SameValue(TypedNumber::Read("450.01250001", TypedNumber::kWholeText)));
    EXPECT_FALSE(a.SameValue(TypedNumber::Read("-450.0125")));
    EXPECT_TRUE(TypedNumber::Read("-0").SameValue(TypedNumber::Read("0.0")));
}

TEST(TypedNumber, HugeTextsSaturateInsteadOfOverflowing) {
    const std::string digits(40, '9');
    const TypedNumber n = TypedNumber::Read(digits, TypedNumber::kWholeText);
    EXPECT_GT(n.Rounded(6), 0);
    EXPECT_GT(n.Value(), 1e39);
}

// Every checked box reads a comma as the point and refuses junk with its own message.
struct BoxRule {
    const char* name;
    const char* valid;                                                    // written with '.'
    std::function<std::pair<bool, std::string>(std::string_view)> check;  // accepted, message
    std::function<double(std::string_view)> value;
    const char* message;
};

std::vector<BoxRule> BoxRules() {
    constexpr std::int32_t uhf2 = 4;
    const auto frequency = [](const FrequencyCheck& c) { return std::pair{c.accepted, c.message}; };
    const auto seconds = [](const SecondsCheck& c) { return std::pair{c.accepted, c.message}; };
    const auto time = [](const TimeCheck& c) { return std::pair{c.accepted, c.message}; };
    return {
        {"rx", "450.0125", [=](auto t) { return frequency(CheckRxFrequency(t, uhf2)); },
         [=](auto t) { return CheckRxFrequency(t, uhf2).mhz; }, "Valid Settings 440Mhz to 470Mhz"},
        {"tx", "455.0125",
         [=](auto t) { return frequency(CheckTxFrequency(t, kStep6250, 450.0125, uhf2)); },
         [=](auto t) { return CheckTxFrequency(t, kStep6250, 450.0125, uhf2).mhz; },
         "Valid Settings 440Mhz to 470Mhz"},
        {"tone", "131.5",
         [](auto t) {
             const ToneCheck c = CheckTone(t);
             return std::pair{c.accepted, c.message};
         },
         [](auto t) { return CheckTone(t).hz; }, "Valid Settings 50.0 to 300.0"},
        {"time-out", "120.5", [=](auto t) { return seconds(CheckTxTimeOut(t)); },
         [](auto t) { return static_cast<double>(CheckTxTimeOut(t).seconds); },
         "Valid Settings 10 to 990"},
        {"inhibit", "20.0", [=](auto t) { return seconds(CheckTxInhibit(t)); },
         [](auto t) { return static_cast<double>(CheckTxInhibit(t).seconds); },
         "Valid Settings 5 to 75"},
        {"scan speed", "0.57", [=](auto t) { return time(CheckScanSpeed(t)); },
         [](auto t) { return CheckScanSpeed(t).seconds; }, "Valid Settings 0.05 to 2.0"},
        {"rx on", "0.15", [=](auto t) { return time(CheckRxOnTime(t)); },
         [](auto t) { return CheckRxOnTime(t).seconds; }, "Valid Settings 0.05 to 0.2"},
        {"rx off", "2.5", [=](auto t) { return time(CheckRxOffTime(t)); },
         [](auto t) { return CheckRxOffTime(t).seconds; }, "Valid Settings 0.10 to 4.0"},
    };
}

TEST(TypedBoxes, EveryBoxReadsACommaAsThePoint) {
    for (const BoxRule& box : BoxRules()) {
        std::string comma = box.valid;
        comma[comma.find('.')] = ',';
        ASSERT_TRUE(box.check(box.valid).first) << box.name;
        EXPECT_TRUE(box.check(comma).first) << box.name << " " << comma;
        EXPECT_EQ(box.value(comma), box.value(box.valid)) << box.name << " " << comma;
    }
}

TEST(TypedBoxes, EveryBoxRefusesJunkWithItsOwnMessage) {
    for (const BoxRule& box : BoxRules()) {
        for (const std::string& junk :
             {std::string("abc"), std::string(box.valid) + "x", std::string(box.valid) + " 1",
              std::string("-"), std::string(box.valid) + "."}) {
            const auto [accepted, message] = box.check(junk);
            EXPECT_FALSE(accepted) << box.name << " '" << junk << "'";
            EXPECT_EQ(message, box.message) << box.name << " '" << junk << "'";
        }
        const std::string padded = std::string(" ") + box.valid + " ";
        EXPECT_TRUE(box.check(padded).first) << box.name << " blanks around a number";
    }
}

}  // namespace
