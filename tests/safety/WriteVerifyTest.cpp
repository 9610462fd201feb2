// The comparison after a write: what was sent against what the radio gives back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/RandomPlan.h"
#include "codec/ImageCodec.h"
#include "model/Messages.h"
#include "safety/WriteVerify.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

RadioImage ImageOf(const CKM42Doc& plan) {
    RadioImage image{};
    EncodeImage(plan, image);
    return image;
}

TEST(WriteVerify, AnyPlanReadBackUnchangedIsVerified) {
    PlanMaker maker(3);
    for (int i = 0; i < 100; ++i) {
        const RadioImage sent = ImageOf(maker.Plan());
        RadioImage readBack = sent;
        readBack[image::kLineSize] = 0x06;  // beyond what travels: the last block end byte
        const verify::Comparison comparison = verify::CompareReadBack(sent, readBack);
        ASSERT_TRUE(comparison.same);
        EXPECT_TRUE(comparison.differences.empty());
        EXPECT_EQ(verify::VerdictOf(comparison, 8).text, std::string(msg::kVerified));
    }
}

TEST(WriteVerify, AChangedChannelOrOptionIsNamedInTheGridsWords) {
    CKM42Doc plan = NewPlan(kBandUhf2, true);
    plan.Channel(3).m_dRxFreq = 450.0125;
    plan.Channel(3).m_nStepCode = kStep6250;
    const RadioImage sent = ImageOf(plan);

    CKM42Doc held = plan;
    held.Channel(3).m_dRxFreq = 450.025;
    held.m_bBeepOff = 1;
    const verify::Comparison comparison = verify::CompareReadBack(sent, ImageOf(held));
    EXPECT_FALSE(comparison.same);
    EXPECT_THAT(comparison.differences,
                ElementsAre("option: Beep On -> Off", "channel 3: Rx Freq 450.0125 -> 450.0250"));
    const verify::Verdict verdict = verify::VerdictOf(comparison, 8);
    EXPECT_EQ(verdict.text, std::string(msg::kNotVerified));
    EXPECT_EQ(verdict.detail, "option: Beep On -> Off\nchannel 3: Rx Freq 450.0125 -> 450.0250\n");
}

TEST(WriteVerify, BytesNoFieldReadsAreNamedByTheirPlaceAndLongListsAreCut) {
    const RadioImage sent = ImageOf(NewPlan(kBandVhf2, false));
    RadioImage readBack = sent;
    readBack[image::kFormatMarker] = 0x00;
    verify::Comparison comparison = verify::CompareReadBack(sent, readBack);
    EXPECT_FALSE(comparison.same);
    EXPECT_THAT(comparison.differences, ElementsAre("memory byte 154: 0x77 -> 0x00"));

    readBack.fill(0xFF);  // an erased memory
    comparison = verify::CompareReadBack(sent, readBack);
    EXPECT_FALSE(comparison.same);
    ASSERT_GT(comparison.differences.size(), 3u);
    const verify::Verdict verdict = verify::VerdictOf(comparison, 3);
    EXPECT_THAT(
        verdict.detail,
        HasSubstr("... and " + std::to_string(comparison.differences.size() - 3) + " more"));
}

}  // namespace
