// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/ChannelRules.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace {

constexpr std::int32_t kVhf1 = 0, kVhf2 = 1, kUhf2 = 4, kUhf4 = 6, kUhf6 = 8;
// Receive frequencies by the rasters they lie on, for the transmit check.
constexpr double kRxFineOnly = 450.0125, kRxCoarseOnly = 450.005, kRxBoth = 450.0;

// The channel editor's limits, written out independently of the band table.
struct BandBounds {
    std::int32_t band;
    const char* low;
    const char* belowLow;  // one 12.5 kHz step below
    const char* high;
    const char* aboveHigh;
    bool highAccepted;
    bool rxEmptyAccepted;
    const char* message;
};
const BandBounds kBounds[] = {
    {0, "136", "135.9875", "158", "158.0125", false, false, "Valid Settings 136Mhz to 158Mhz"},
    {1, "146", "145.9875", "174", "174.0125", true, true, "Valid Settings 146Mhz to 174Mhz"},
    {2, "216", "215.9875", "223", "223.0125", true, false, "Valid Settings 216Mhz to 223Mhz"},
    {3, "400", "399.9875", "440", "440.0125", true, false, "Valid Settings 400Mhz to 440Mhz"},
    {4, "440", "439.9875", "470", "470.0125", true, true, "Valid Settings 440Mhz to 470Mhz"},
    {5, "470", "469.9875", "490", "490.0125", true, false, "Valid Settings 470Mhz to 490Mhz"},
    {6, "490", "489.9875", "520", "520.0125", true, false, "Valid Settings 490Mhz to 520Mhz"},
    {7, "420", "419.9875", "450", "450.0125", true, false, "Valid Settings 420Mhz to 450Mhz"},
};

TEST(RxCheckRaster, ValuesOnTheRasterStayAndGiveTheirStepCode) {
    FrequencyCheck c = CheckRxFrequency("450.0125", kUhf2);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.mhz, 450.0125);
    EXPECT_EQ(c.stepCode, kStep6250);
    EXPECT_FALSE(c.moved);
    EXPECT_EQ(c.shownText, "450.0125");

    c = CheckRxFrequency("450.005", kUhf2);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.mhz, 450.005);
    EXPECT_EQ(c.stepCode, kStep5000);
    EXPECT_EQ(c.shownText, "450.0050");

    EXPECT_FALSE(CheckRxFrequency("512.0125", kUhf4).moved);

    // On both rasters: the 6.25 kHz one wins.
    EXPECT_EQ(CheckRxFrequency("450.025", kUhf2).stepCode, kStep6250);
}

TEST(RxCheckRaster, OffRasterValuesMoveToTheTwelvePointFiveKilohertzRaster) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"450.003", "450.0000"}, Case{"450.007", "450.0125"},
                          Case{"450.0063", "450.0125"}, Case{"450.0124", "450.0125"},
                          Case{"450.0126", "450.0125"}, Case{"450.0188", "450.0250"}}) {
        const FrequencyCheck check = CheckRxFrequency(c.typed, kUhf2);
        EXPECT_TRUE(check.accepted) << c.typed;
        EXPECT_TRUE(check.moved) << c.typed;
        EXPECT_EQ(check.stepCode, kStep6250) << c.typed;
        EXPECT_EQ(check.shownText, c.shown) << c.typed;
        EXPECT_EQ(FrequencyText(check.mhz), c.shown) << c.typed;
    }
}

TEST(RxCheckRaster, VhfTwoPointFiveKilohertzValuesMoveLikeAnyOther) {
    // The image carries only 6.25 and 5 kHz steps.
    FrequencyCheck c = CheckRxFrequency("146.0025", kVhf2);
    EXPECT_TRUE(c.moved);
    EXPECT_EQ(c.shownText, "146.0000");
    EXPECT_EQ(c.stepCode, kStep6250);
    c = CheckRxFrequency("146.0075", kVhf1);
    EXPECT_EQ(c.shownText, "146.0125");
    EXPECT_EQ(c.stepCode, kStep6250);
}

TEST(RxCheckRaster, EveryRasterValueOfEveryBandIsRecognisedExactly) {
    // Typed as a user would (no trailing zeros). In binary, 512.0125 * 1e6 is not a whole
    // number, so only exact arithmetic keeps such values where they are.
    int checked = 0;
    for (const BandBounds& b : kBounds) {
        const long long low = std::stoll(b.low) * 1'000'000;
        const long long high = std::stoll(b.high) * 1'000'000;
        for (long long hz = low; hz < high; hz += 1250) {
            const bool on6250 = hz % 6250 == 0;
            const bool on5000 = hz % 5000 == 0;
            if (!on6250 && !on5000) continue;
            std::string typed = FormatText("%.5f", static_cast<double>(hz) / 1e6);
            typed.erase(typed.find_last_not_of('0') + 1);
            if (typed.size() > 8) continue;  // cannot be typed into the box
            const FrequencyCheck c = CheckRxFrequency(typed, b.band);
            ASSERT_TRUE(c.accepted && !c.moved) << typed << " band " << b.band;
            ASSERT_EQ(c.stepCode, on6250 ? kStep6250 : kStep5000) << typed;
            ASSERT_EQ(c.mhz, ParseTypedNumber(typed)) << typed;
            ++checked;
        }
    }
    EXPECT_GT(checked, 30000);
}

TEST(RxCheckRange, EveryBandsBoundsWithTheirMessage) {
    for (const BandBounds& b : kBounds) {
        SCOPED_TRACE(b.band);
        EXPECT_TRUE(CheckRxFrequency(b.low, b.band).accepted);
        const FrequencyCheck below = CheckRxFrequency(b.belowLow, b.band);
        EXPECT_FALSE(below.accepted);
        EXPECT_EQ(below.message, b.message);
        EXPECT_EQ(below.shownText, "");
        EXPECT_EQ(CheckRxFrequency(b.high, b.band).accepted, b.highAccepted);
        const FrequencyCheck above = CheckRxFrequency(b.aboveHigh, b.band);
        EXPECT_FALSE(above.accepted);
        EXPECT_EQ(above.message, b.message);
    }
    EXPECT_TRUE(CheckRxFrequency("157.9875", kVhf1).accepted);
}

TEST(RxCheckRange, BoundsApplyToTheValueAsMoved) {
    EXPECT_TRUE(CheckRxFrequency("174.003", kVhf2).accepted);    // moved to 174.0000
    EXPECT_FALSE(CheckRxFrequency("174.007", kVhf2).accepted);   // moved to 174.0125
    EXPECT_FALSE(CheckRxFrequency("157.9999", kVhf1).accepted);  // moved to 158.0000
}

TEST(RxCheckRange, EmptyBoxIsAcceptedOnlyWhereTheBandAllowsIt) {
    for (const BandBounds& b : kBounds) {
        const FrequencyCheck c = CheckRxFrequency("", b.band);
        EXPECT_EQ(c.accepted, b.rxEmptyAccepted) << b.band;
        if (c.accepted) {
            EXPECT_EQ(c.mhz, 0.0);
            EXPECT_EQ(c.shownText, "");
        } else {
            EXPECT_EQ(c.message, b.message);
        }
    }
    EXPECT_TRUE(CheckRxFrequency("  ", kUhf2).accepted);
    EXPECT_TRUE(CheckRxFrequency("", kUhf6).accepted);
}

TEST(RxCheckRange, NegativeValuesAreRefused) {
    FrequencyCheck c = CheckRxFrequency("-450", kUhf2);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Valid Settings 440Mhz to 470Mhz");
    c = CheckRxFrequency("-0.0125", kUhf6);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Input Valid RX Frequency!");
    EXPECT_FALSE(CheckTxFrequency("-5", kStep6250, kRxFineOnly, kUhf6).accepted);
    EXPECT_EQ(CheckTxFrequency("-5", kStep6250, kRxFineOnly, kUhf6).message,
              "Input Valid TX Frequency!");
}

TEST(RxCheckRange, UnlimitedBandAndStrayBandIndices) {
    EXPECT_TRUE(CheckRxFrequency("1.0125", kUhf6).accepted);
    EXPECT_TRUE(CheckRxFrequency("99999999", kUhf6).accepted);
    // Bands outside the table check as VHF 2, as they show.
    EXPECT_EQ(CheckRxFrequency("440", 9).message, "Valid Settings 146Mhz to 174Mhz");
    EXPECT_TRUE(CheckRxFrequency("150", -3).accepted);
}

TEST(RxCheckValue, StoredValuesCheckWithoutLosingTheirFifthDecimal) {
    // A value read from a radio on the 6.25 kHz raster needs five decimals.
    const FrequencyCheck c = CheckRxFrequency(450.00625, kUhf2);
    EXPECT_TRUE(c.accepted);
    EXPECT_FALSE(c.moved);
    EXPECT_EQ(c.mhz, 450.00625);
    EXPECT_FALSE(CheckRxFrequency(std::nan(""), kUhf6).accepted);
    EXPECT_FALSE(CheckRxFrequency(1e300, kUhf6).accepted);
}

TEST(FrequencyBoxes, BoxStillShowingTheLoadedValueKeepsItsFifthDecimal) {
    // "%8.4f" shows 450.00625 as 450.0063, which read back would move to 450.0125.
    const std::string shown = FrequencyText(450.00625);
    FrequencyCheck c = CheckRxBox(shown, 450.00625, kUhf2);
    EXPECT_TRUE(c.accepted);
    EXPECT_FALSE(c.moved);
    EXPECT_EQ(c.mhz, 450.00625);
    EXPECT_EQ(c.shownText, shown);
    EXPECT_EQ(CheckTxBox(shown, 450.00625, kStep6250, kRxFineOnly, kUhf2).mhz, 450.00625);
    // Anything else typed is read as typed.
    EXPECT_EQ(CheckRxBox(FrequencyText(146.00625), 146.00625, kVhf2).mhz, 146.00625);
    c = CheckRxBox("450.0064", 450.00625, kUhf2);
    EXPECT_EQ(c.mhz, 450.0125);
    EXPECT_TRUE(c.moved);
    EXPECT_EQ(CheckRxBox("", 450.00625, kUhf2).mhz, 0.0);
    EXPECT_FALSE(CheckTxBox("450.005", 0.0, kStep6250, kRxFineOnly, kUhf2).accepted);
    EXPECT_TRUE(CheckRxBox("", 0.0, kUhf2).accepted);
}

TEST(TxCheck, RasterFollowsTheStepCodeOfTheReceiveCheck) {
    FrequencyCheck c = CheckTxFrequency("450.005", kStep6250, kRxFineOnly, kUhf2);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Input Valid TX Frequency!");
    EXPECT_EQ(c.shownText, "");
    c = CheckTxFrequency("450.0125", kStep5000, kRxCoarseOnly, kUhf2);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Input Valid TX Frequency!");

    c = CheckTxFrequency("450.0125", kStep6250, kRxFineOnly, kUhf2);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.stepCode, kStep6250);
    // Any other step code asks for the 5 kHz raster and becomes 2.
    for (const std::int32_t step : {0, 2, 3, 99}) {
        c = CheckTxFrequency("450.005", step, kRxCoarseOnly, kUhf2);
        EXPECT_TRUE(c.accepted) << step;
        EXPECT_EQ(c.stepCode, kStep5000) << step;
    }
    // The TX check never moves a value.
    EXPECT_FALSE(CheckTxFrequency("450.007", kStep6250, kRxFineOnly, kUhf2).accepted);
}

TEST(TxCheck, TakesTheRasterTheTxSharesWithTheRx) {
    // RX and TX in 1.25 kHz steps: the TX is taken exactly when a raster holds both, with the
    // step code of a raster that does, whatever the RX check chose for a 25 kHz RX.
    const auto rasters = [](std::int64_t hz) { return std::pair{hz % 6250 == 0, hz % 5000 == 0}; };
    for (std::int64_t rxHz = 450'000'000; rxHz <= 450'050'000; rxHz += 1250) {
        const FrequencyCheck rx = CheckRxFrequency(static_cast<double>(rxHz) / 1e6, kUhf2);
        if (rx.moved) continue;
        for (std::int64_t txHz = 455'000'000; txHz <= 455'050'000; txHz += 1250) {
            const auto [rxFine, rxCoarse] = rasters(rxHz);
            const auto [txFine, txCoarse] = rasters(txHz);
            const FrequencyCheck tx =
                CheckTxFrequency(static_cast<double>(txHz) / 1e6, rx.stepCode, rx.mhz, kUhf2);
            const bool shared = (rxFine && txFine) || (rxCoarse && txCoarse);
            EXPECT_EQ(tx.accepted, shared) << rxHz << " " << txHz;
            if (!tx.accepted) {
                EXPECT_EQ(tx.message, "Input Valid TX Frequency!");
                continue;
            }
            const std::int64_t raster = tx.stepCode == kStep6250 ? 6250 : 5000;
            EXPECT_EQ(rxHz % raster, 0) << rxHz << " " << txHz;
            EXPECT_EQ(txHz % raster, 0) << rxHz << " " << txHz;
        }
    }
    EXPECT_EQ(CheckTxFrequency("450.005", kStep6250, kRxBoth, kUhf2).stepCode, kStep5000);
    EXPECT_EQ(CheckTxFrequency("450.0125", kStep5000, kRxBoth, kUhf2).stepCode, kStep6250);
}

TEST(TxCheck, EmptyBoxPassesOnEveryBand) {
    for (std::int32_t band = 0; band <= 8; ++band) {
        const FrequencyCheck c = CheckTxFrequency("", kStep6250, kRxFineOnly, band);
        EXPECT_TRUE(c.accepted) << band;
        EXPECT_EQ(c.mhz, 0.0);
        EXPECT_EQ(c.shownText, "");
        EXPECT_TRUE(CheckTxFrequency("0", kStep5000, kRxCoarseOnly, band).accepted) << band;
    }
}

TEST(TxCheck, EveryBandsBoundsWithTheirMessage) {
    for (const BandBounds& b : kBounds) {
        SCOPED_TRACE(b.band);
        EXPECT_TRUE(CheckTxFrequency(b.low, kStep6250, kRxFineOnly, b.band).accepted);
        EXPECT_EQ(CheckTxFrequency(b.belowLow, kStep6250, kRxFineOnly, b.band).message, b.message);
        EXPECT_EQ(CheckTxFrequency(b.high, kStep6250, kRxFineOnly, b.band).accepted,
                  b.highAccepted);
        EXPECT_EQ(CheckTxFrequency(b.aboveHigh, kStep6250, kRxFineOnly, b.band).message, b.message);
    }
}

TEST(ToneCheck, ValueIsRoundedByPrintingWithOneDecimal) {
    ToneCheck c = CheckTone("100");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.hz, 100.0);
    EXPECT_EQ(c.shownText, "100.0");
    EXPECT_EQ(CheckTone("67").shownText, " 67.0");
    EXPECT_EQ(CheckTone("123.456").hz, 123.5);
    // 49.95 is just above the half in binary, 300.05 too.
    EXPECT_EQ(CheckTone("49.95").hz, 50.0);
    EXPECT_TRUE(CheckTone("300.04").accepted);
    EXPECT_FALSE(CheckTone("300.05").accepted);
    EXPECT_TRUE(CheckTone("50").accepted);
    EXPECT_TRUE(CheckTone("300").accepted);
}

TEST(ToneCheck, OutOfRangeAndNonNumericAreRefused) {
    for (const char* typed : {"45", "49.94", "300.1", "", "abc", "-100", "1000000050"}) {
        const ToneCheck c = CheckTone(typed);
        EXPECT_FALSE(c.accepted) << typed;
        EXPECT_EQ(c.message, "Valid Settings 50.0 to 300.0") << typed;
        EXPECT_EQ(c.shownText, "") << typed;
    }
    EXPECT_TRUE(CheckTone("100.00009").accepted);  // nine characters read
}

TEST(RasterStep, StepOfAStoredFrequency) {
    EXPECT_EQ(RasterStepCode(0.0), kStep6250);
    EXPECT_EQ(RasterStepCode(450.0125), kStep6250);
    EXPECT_EQ(RasterStepCode(512.0125), kStep6250);
    EXPECT_EQ(RasterStepCode(450.005), kStep5000);
    EXPECT_EQ(RasterStepCode(146.0025), 0);
    EXPECT_EQ(RasterStepCode(-450.0), 0);
}

}  // namespace
