// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "CliSupport.h"
#include "PlanPaths.h"
#include "model/RadioModel.h"

namespace cli {
namespace {

struct NewArgs {
    std::optional<std::string> model, output;
};

int RunNew(const NewArgs& a) {
    // The same steps as the desktop's New followed by Save.
    const CKM42Doc doc = NewModelPlan(*a.model);
    const std::string path = WithPlanExtension(*a.output, doc);
    SavePlan(doc, path);
    std::printf("%s: new %s plan written\n", path.c_str(), FindRadioModel(*a.model)->name);
    return kExitOk;
}

}  // namespace

void DeclareNew(CCommandSet& commands) {
    auto a = std::make_shared<NewArgs>();
    CLI::App& command = commands.Add("new", "write a new channel plan for a radio model",
                                     [a] { return RunNew(*a); });
    AddValue(command, "--model", a->model, RadioModelNames("|"), "the radio model (any case)")
        ->required();
    AddOutput(command, a->output, "FILE",
              "the data file to write; a name without extension gets .kmd04 or .kmd16 by the "
              "model's channel count");
}

}  // namespace cli
