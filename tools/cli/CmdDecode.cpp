#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "PlanPaths.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"

namespace cli {

// What Read from Radio would make of the image, saved as a data file.
int RunDecode(ArgList& args) {
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const std::string path = args.Positionals(1).front();
    if (!output) throw UsageError("-o FILE is required");

    const RadioImage image = image::ImageFromBytes(ReadImageFile(path));
    CKM42Doc doc;
    DecodeImage(image, doc);
    const std::string planPath = WithPlanExtension(*output, doc);
    RefuseSameFile(path, planPath);
    SavePlan(doc, planPath);
    std::printf("%s: %d-channel plan written\n", planPath.c_str(), doc.ChannelCount());
    return kExitOk;
}

}  // namespace cli
