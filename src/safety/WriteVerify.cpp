// SPDX-License-Identifier: GPL-3.0-or-later
#include "safety/WriteVerify.h"

#include <algorithm>

#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "interchange/PlanDiff.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"

namespace verify {

PlanImage FromPlan(const CKM42Doc& plan) {
    PlanImage both{plan, {}};
    EncodeImage(plan, both.image);
    return both;
}

PlanImage FromImage(const RadioImage& image) {
    PlanImage both{{}, image};
    DecodeImage(image, both.plan);
    return both;
}

Comparison ComparePlans(const PlanImage& a, const PlanImage& b) {
    Comparison comparison;
    comparison.fields = plandiff::DiffPlans(a.plan, b.plan);
    for (const plandiff::DiffLine& line : comparison.fields)
        comparison.differences.push_back(plandiff::DiffLineSentence(line));
    // Bytes no field of the plan reads (checksums, bookkeeping): named by their place.
    const auto bytesA = image::LineBytes(a.image);
    const auto bytesB = image::LineBytes(b.image);
    for (std::size_t i = 0; i < bytesA.size() && comparison.fields.empty(); ++i)
        if (bytesA[i] != bytesB[i])
            comparison.bytes.push_back(FormatText(msg::kVerifyByte, i, bytesA[i], bytesB[i]));
    comparison.differences.insert(comparison.differences.end(), comparison.bytes.begin(),
                                  comparison.bytes.end());
    comparison.same = comparison.differences.empty();
    return comparison;
}

Comparison CompareReadBack(const RadioImage& sent, const RadioImage& readBack) {
    const auto sentBytes = image::LineBytes(sent);
    if (std::ranges::equal(sentBytes, image::LineBytes(readBack))) return {};
    // Both sides decoded afresh, so that nothing but the two images takes part.
    return ComparePlans(FromImage(sent), FromImage(readBack));
}

Outcome VerdictOf(const Comparison& comparison, std::size_t shown) {
    if (comparison.same) return Succeeded(msg::kVerified);
    return Failed(msg::kNotVerified, FindingsText(comparison.differences, shown));
}

}  // namespace verify
