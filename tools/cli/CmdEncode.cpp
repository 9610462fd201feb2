// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"

namespace cli {
namespace {

struct EncodeArgs {
    std::string plan;
    std::optional<std::string> output;
};

// The bytes Write to Radio would send for the plan, refused exactly as the write would be.
int RunEncode(const EncodeArgs& a) {
    const std::string& path = a.plan;
    const std::optional<std::string>& output = a.output;
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

}  // namespace

void DeclareEncode(CCommandSet& commands) {
    auto a = std::make_shared<EncodeArgs>();
    CLI::App& command =
        commands.Add("encode", "write the radio image that Write to Radio would send for a plan",
                     [a] { return RunEncode(*a); });
    command.add_option("FILE", a->plan, "the data file")->required();
    AddOutput(command, a->output, "IMAGE", "the image file to write (2112 bytes)");
}

}  // namespace cli
