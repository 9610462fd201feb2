// prg715-cli diff: two plans, each a data file or a radio image, field by field. Exit status
// 0 when they are the same plan, 1 when they differ, 2 when they cannot be compared (bad
// usage, a file that cannot be read), as diff(1) does.
#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "interchange/PlanDiff.h"
#include "model/FileAccess.h"

namespace cli {
namespace {

// Images and data files never have the same size.
CKM42Doc LoadPlanOrImage(const std::string& path) {
    std::vector<std::uint8_t> none;
    std::uintmax_t size = 0;
    const bool image = !fileio::ReadFileStart(path, 0, none, &size) &&
                       !image::CheckImageSize(static_cast<std::size_t>(size));
    if (!image) return LoadPlan(path);
    CKM42Doc doc;
    DecodeImage(image::ImageFromBytes(ReadImageFile(path)), doc);
    return doc;
}

int RunDiff(const std::vector<std::string>& files) {
    CKM42Doc a, b;
    try {
        a = LoadPlanOrImage(files[0]);
        b = LoadPlanOrImage(files[1]);
    } catch (const Failure& e) {
        std::fprintf(stderr, "prg715-cli diff: %s\n", e.what());
        return kExitUsage;
    }
    const std::vector<plandiff::DiffLine> lines = plandiff::DiffPlans(a, b);
    for (const plandiff::DiffLine& line : lines)
        std::printf("%s\n", plandiff::DiffLineText(line).c_str());
    return lines.empty() ? kExitOk : kExitFailure;
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
        "Exit status: 0 the same plan, 1 they differ, 2 bad usage or a file that cannot be "
        "read.");
}

}  // namespace cli
