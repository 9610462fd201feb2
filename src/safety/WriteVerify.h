#pragma once
#include <string>
#include <vector>

#include "codec/RadioImage.h"

// After a write, the radio is read back and compared with what was sent.
namespace verify {

struct Comparison {
    bool same = true;  // the radio holds exactly the bytes that were sent
    // What differs, as the grid and the report name it ("channel 3: Rx Freq 450.0125 ->
    // 450.0250"); memory bytes where the plans agree but the bytes do not. Written -> read back.
    std::vector<std::string> differences;
};

Comparison CompareReadBack(const RadioImage& sent, const RadioImage& readBack);

// The verdict in words: "Verified: ..." alone, or the heading and the first `shown`
// differences, one a line.
struct Verdict {
    const char* text;
    std::string detail;
};
Verdict VerdictOf(const Comparison& comparison, std::size_t shown);

}  // namespace verify
