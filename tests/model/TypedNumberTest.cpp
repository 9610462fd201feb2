#include <gtest/gtest.h>

#include <cmath>

#include "model/TypedNumber.h"

namespace {

TEST(TypedNumber, ReadsTheNumberAtTheStartLikeTheBoxesAlwaysHave) {
    EXPECT_EQ(ParseTypedNumber("450.0125"), 450.0125);
    EXPECT_EQ(ParseTypedNumber("  146.5MHz"), 146.5);
    EXPECT_EQ(ParseTypedNumber("\t-12.5"), -12.5);
    EXPECT_EQ(ParseTypedNumber("+.5"), 0.5);
    EXPECT_EQ(ParseTypedNumber("7."), 7.0);
    EXPECT_EQ(ParseTypedNumber("450,0125"), 450.0);  // the point is always '.'
    EXPECT_EQ(ParseTypedNumber("1.2.3"), 1.2);
}

TEST(TypedNumber, EmptyOrNonNumericTextReadsAsZero) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", " x1", "+-1"}) {
        EXPECT_EQ(ParseTypedNumber(text), 0.0) << text;
        EXPECT_FALSE(TypedNumber::Read(text).HasDigits()) << text;
    }
    EXPECT_FALSE(std::signbit(ParseTypedNumber("-0.000")));
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

}  // namespace
