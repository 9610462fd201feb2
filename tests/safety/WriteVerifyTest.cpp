// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison after a write: what was sent against what the radio gives back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../support/RandomPlan.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
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
    const Outcome verdict = verify::VerdictOf(comparison, 8);
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
    const Outcome verdict = verify::VerdictOf(comparison, 3);
    EXPECT_THAT(
        verdict.detail,
        HasSubstr("... and " + std::to_string(comparison.differences.size() - 3) + " more"));
}

// `diff` and a verified write compare alike: the same plan exactly when the radio would hold
// the same bytes and every stored field that reaches it agrees. Mutations of data files and
// of images stand for damaged files, hand edits and radios that answer differently.
TEST(PlanComparison, NoDifferenceInTheRadiosBytesGoesUnnamed) {
    PlanMaker maker(20);
    std::mt19937 random(20);
    int encodedDifferently = 0;
    for (int i = 0; i < 1500; ++i) {
        const CKM42Doc a = maker.Plan();
        std::vector<std::uint8_t> bytes = datafile::SerializeDocument(a);
        bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
        CKM42Doc b = a;
        if (!datafile::DeserializeDocument(bytes.data(), bytes.size(), b)) continue;  // cut short
        const verify::PlanImage planA = verify::FromPlan(a), planB = verify::FromPlan(b);
        const bool sameBytes =
            std::ranges::equal(image::LineBytes(planA.image), image::LineBytes(planB.image));
        encodedDifferently += sameBytes ? 0 : 1;
        ASSERT_TRUE(sameBytes || !verify::ComparePlans(planA, planB).same) << i;
        // A plan the encoder takes reads back from the radio as the same plan, but for what
        // the radio shop's reader has always made of it: the band from the frequencies, step
        // code 3 as the raster it was stored on, band 2's receive polarity in the VHF sense.
        if (CheckEncodable(b) || b.m_nBand == 2) continue;
        const verify::PlanImage back = verify::FromImage(planB.image);
        CKM42Doc expected = b;
        expected.m_nBand = back.plan.m_nBand;
        for (int n = 1; n <= b.ChannelCount(); ++n)
            if (b.Channel(n).InUse())
                expected.Channel(n).m_nStepCode = back.plan.Channel(n).m_nStepCode;
        const std::vector<plandiff::DiffLine> lines = plandiff::DiffPlans(expected, back.plan);
        EXPECT_TRUE(lines.empty()) << i << ": " << plandiff::DiffLineSentence(lines.front());
    }
    EXPECT_GT(encodedDifferently, 250);  // the mutations do reach the radio

    // Every byte that travels counts, whether a field reads it or not.
    const RadioImage sent = ImageOf(maker.Plan());
    for (std::size_t at = 0; at < image::kLineSize; ++at) {
        RadioImage other = sent;
        other[at] ^= 0x5A;
        const verify::Comparison comparison =
            verify::ComparePlans(verify::FromImage(sent), verify::FromImage(other));
        ASSERT_FALSE(comparison.same) << at;
        if (comparison.fields.empty()) {
            ASSERT_THAT(comparison.bytes, ElementsAre(HasSubstr(FormatText("byte %zu:", at))));
        }
    }
}

}  // namespace
