#include "CliSupport.h"

namespace cli {

int RunNew(ArgList& args);
int RunShow(ArgList& args);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"new", "write a new channel plan for a radio model",
         "new --model KM41|KM42|KM161|KM162 -o FILE", RunNew},
        {"show", "print a channel plan: model, channels and options", "show FILE", RunShow},
    };
    return commands;
}

}  // namespace cli
