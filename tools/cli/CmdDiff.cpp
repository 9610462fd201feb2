// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli diff: two plans, each a data file or a radio image, compared as a write's verify
// compares them: every stored field that reaches the radio, then the memory bytes. Exit
// status 0 when they are the same plan, 1 when they differ, 2 when they cannot be compared
// (bad usage, a file that cannot be read), as diff(1) does.
#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "interchange/PlanDiff.h"
#include "model/FileAccess.h"
#include "safety/WriteVerify.h"

namespace cli {
namespace {

// Images and data files never have the same size. An image is compared by its own bytes,
// a data file by the bytes a write would send.
verify::PlanImage LoadPlanOrImage(const std::string& path) {
    std::vector<std::uint8_t> none;
    std::uintmax_t size = 0;
    const bool image = !fileio::ReadFileStart(path, 0, none, &size) &&
                       !image::CheckImageSize(static_cast<std::size_t>(size));
    if (!image) return verify::FromPlan(LoadPlan(path));
    return verify::FromImage(image::ImageFromBytes(ReadImageFile(path)));
}

int RunDiff(const std::vector<std::string>& files) {
    verify::PlanImage a, b;
    try {
        a = LoadPlanOrImage(files[0]);
        b = LoadPlanOrImage(files[1]);
    } catch (const Failure& e) {
        std::fprintf(stderr, "prg715-cli diff: %s\n", e.what());
        return kExitUsage;
    }
    const verify::Comparison comparison = verify::ComparePlans(a, b);
    for (const plandiff::DiffLine& line : comparison.fields)
        std::printf("%s\n", plandiff::DiffLineText(line).c_str());
    for (const std::string& line : comparison.bytes) std::printf("%s\n", line.c_str());
    return comparison.same ? kExitOk : kExitFailure;
}

}  // namespace

void DeclareDiff(CCommandSet& commands) {
    auto files = std::make_shared<std::vector<std::string>>(2);
    CLI::App& command =
        commands.Add("diff", "compare two plans (data files or radio images) field by field",
                     [files] { return RunDiff(*files); });
    command.add_option("A", files->at(0), "the first plan")->required();
    command.add_option("B", files->at(1), "the second plan")->required();
    command.footer(
        "A and B are data files or radio images, in any mix. One line per field that differs:\n"
        "channel N or option, the field, the value in A, the value in B (tabs between).\n"
        "Every stored field that reaches the radio counts, also those the grid does not show\n"
        "(named \"(hidden)\"); a value the grid shows alike is given as stored. Where all fields\n"
        "agree but the memory bytes do not (an image's own bytes), each such byte is listed as\n"
        "\"memory byte N: A -> B\", as a verified write does.\n"
        "Exit status: 0 the same plan (the radio would hold the same bytes), 1 they differ,\n"
        "2 bad usage or a file that cannot be read.");
}

}  // namespace cli
