#include "safety/WriteVerify.h"

#include <algorithm>

#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "interchange/PlanDiff.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"

namespace verify {

Comparison CompareReadBack(const RadioImage& sent, const RadioImage& readBack) {
    Comparison comparison;
    const auto sentBytes = image::LineBytes(sent);
    const auto readBytes = image::LineBytes(readBack);
    if (std::equal(sentBytes.begin(), sentBytes.end(), readBytes.begin())) return comparison;
    comparison.same = false;
    // Both sides decoded afresh, so that nothing but the two images takes part.
    CKM42Doc written;
    CKM42Doc held;
    DecodeImage(sent, written);
    DecodeImage(readBack, held);
    for (const plandiff::DiffLine& line : plandiff::DiffPlans(written, held))
        comparison.differences.push_back(plandiff::DiffLineSentence(line));
    if (!comparison.differences.empty()) return comparison;
    // Bytes no field of the plan reads (checksums, bookkeeping): named by their place.
    for (std::size_t i = 0; i < sentBytes.size(); ++i)
        if (sentBytes[i] != readBytes[i])
            comparison.differences.push_back(
                FormatText(msg::kVerifyByte, i, sentBytes[i], readBytes[i]));
    return comparison;
}

Verdict VerdictOf(const Comparison& comparison, std::size_t shown) {
    if (comparison.same) return {msg::kVerified, {}};
    return {msg::kNotVerified, FindingsText(comparison.differences, shown)};
}

}  // namespace verify
