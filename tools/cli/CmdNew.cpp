#include <cstdio>

#include "CliSupport.h"
#include "PlanPaths.h"
#include "model/RadioModel.h"

namespace cli {

int RunNew(ArgList& args) {
    const std::optional<std::string> modelName = args.TakeValue("--model");
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    args.Positionals(0);
    if (!modelName) throw UsageError("--model is required");
    if (!output) throw UsageError("-o FILE is required");

    // The same steps as the desktop's New followed by Save.
    const CKM42Doc doc = NewModelPlan(*modelName);
    const std::string path = WithPlanExtension(*output, doc);
    SavePlan(doc, path);
    std::printf("%s: new %s plan written\n", path.c_str(), FindRadioModel(*modelName)->name);
    return kExitOk;
}

}  // namespace cli
