// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "PlanPaths.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"

namespace cli {
namespace {

struct DecodeArgs {
    std::string image;
    std::optional<std::string> output;
};

// What Read from Radio would make of the image, saved as a data file.
int RunDecode(const DecodeArgs& a) {
    const std::string& path = a.image;
    const RadioImage image = image::ImageFromBytes(ReadImageFile(path));
    CKM42Doc doc;
    DecodeImage(image, doc);
    const std::string planPath = WithPlanExtension(*a.output, doc);
    RefuseSameFile(path, planPath);
    SavePlan(doc, planPath);
    std::printf("%s: %d-channel plan written\n", planPath.c_str(), doc.ChannelCount());
    return kExitOk;
}

}  // namespace

void DeclareDecode(CCommandSet& commands) {
    auto a = std::make_shared<DecodeArgs>();
    CLI::App& command =
        commands.Add("decode", "turn a radio image into a plan, as Read from Radio would",
                     [a] { return RunDecode(*a); });
    command.add_option("IMAGE", a->image, "the radio image (2112 to 2739 bytes)")->required();
    AddOutput(command, a->output, "FILE",
              "the data file to write; a name without extension gets .kmd04 or .kmd16 by the "
              "decoded channel count");
}

}  // namespace cli
