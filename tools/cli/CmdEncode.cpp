#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"

namespace cli {

// The bytes Write to Radio would send for the plan, refused exactly as the write would be.
int RunEncode(ArgList& args) {
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const std::string path = args.Positionals(1).front();
    if (!output) throw UsageError("-o IMAGE is required");

    RefuseSameFile(path, *output);
    const CKM42Doc doc = LoadPlan(path);
    if (const std::optional<std::string> refusal = CheckEncodable(doc))
        throw Failure(*refusal + " (" + path + ")");
    RadioImage image{};
    EncodeImage(doc, image);
    WriteImageFile(*output, image::LineBytes(image));
    std::printf("%s: %zu-byte image written\n", output->c_str(), image::kLineSize);
    return kExitOk;
}

}  // namespace cli
