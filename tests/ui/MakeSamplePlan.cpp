// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sample KM161 plan (SamplePlan.h) to the file named on the command line, for
// scripts/screenshot.sh.
#include <cstdio>

#include "SamplePlan.h"
#include "model/DataFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.kmd16\n", argv[0]);
        return 2;
    }
    const Outcome outcome = datafile::SaveDocument(SamplePlan16(), argv[1]);
    if (!outcome.ok) {
        std::fprintf(stderr, "%s %s: %s\n", outcome.text.c_str(), argv[1],
                     outcome.detail.c_str());
        return 1;
    }
    return 0;
}
