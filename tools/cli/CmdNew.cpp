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

    const RadioModel* model = FindRadioModel(*modelName);
    if (model == nullptr) throw UsageError("unknown model '" + *modelName + "'");

    // The same steps as the desktop's New followed by Save.
    CKM42Doc doc;
    doc.m_nBand = model->band;
    doc.m_b16Channel = model->sixteenChannels ? 1 : 0;
    doc.SetDefaults();
    const std::string path = WithPlanExtension(*output, doc);
    SavePlan(doc, path);
    std::printf("%s: new %s plan written\n", path.c_str(), model->name);
    return kExitOk;
}

}  // namespace cli
