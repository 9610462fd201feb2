// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSupport.h"

#include "Interruption.h"
#include "PlanPaths.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ProgramInfo.h"
#include "model/RadioModel.h"

namespace cli {

CCommandSet::CCommandSet() : m_app("", kProgram) {
    m_app.set_help_flag("-h,--help", "print this help and exit");
    m_app.set_version_flag("--version", program::VersionText(kProgram), msg::kVersionOption);
    m_app.require_subcommand(1, 1);
    m_app.footer(
        "Run 'prg715-cli COMMAND --help' for a command's options, 'prg715-cli --version' for the\n"
        "version and the licence.\n"
        "A file name to write may not be empty, end in / or \\, or end in a dot or a space.\n"
        "Exit status: 0 success, 1 failure, 2 bad usage.\n"
        "The user manual: " PRG715_MANUAL_INDEX);
}

CLI::App& CCommandSet::Add(const std::string& name, const std::string& summary, RunFn run) {
    CLI::App* command = m_app.add_subcommand(name, summary);
    command->footer(std::string());  // the overview's, otherwise
    m_commands.push_back({command, std::move(run)});
    return *command;
}

const CCommandSet::Command* CCommandSet::Find(const CLI::App& app) const {
    for (const Command& command : m_commands)
        if (command.app == &app) return &command;
    return nullptr;
}

CLI::Option* AddOutputFile(CLI::App& command, const std::string& names,
                           std::optional<std::string>& value, const std::string& valueName,
                           const std::string& description) {
    const std::string option = names.substr(0, names.find(','));
    const auto take = [&value, option](const std::string& name) {
        if (const std::optional<std::string> why = OutputNameRefusal(option, name))
            throw CLI::ValidationError(*why);
        value = name;
    };
    return command.add_option_function<std::string>(names, take, description)->type_name(valueName);
}

CLI::Option* AddOutput(CLI::App& command, std::optional<std::string>& value,
                       const std::string& valueName, const std::string& description,
                       bool required) {
    return AddOutputFile(command, "-o,--output", value, valueName, description)->required(required);
}

Failure FileFailure(const Outcome& outcome, const std::string& path) {
    std::string text = outcome.text + " (" + path;
    if (!outcome.detail.empty()) text += ": " + outcome.detail;
    return Failure(text + ")");
}

CKM42Doc LoadPlan(const std::string& path) {
    CKM42Doc doc;
    const Outcome outcome = datafile::OpenDocument(doc, path);
    if (!outcome.ok) throw FileFailure(outcome, path);
    return doc;
}

void SavePlan(const CKM42Doc& doc, const std::string& path) {
    const CUninterruptible whileReplacing;
    const Outcome outcome = datafile::SaveDocument(doc, path);
    if (!outcome.ok) throw FileFailure(outcome, path);
}

CKM42Doc NewModelPlan(const std::string& modelName) {
    const RadioModel* model = FindRadioModel(modelName);
    if (model == nullptr) throw UsageError("unknown model '" + modelName + "'");
    CKM42Doc doc;
    doc.m_nBand = model->band;
    doc.m_b16Channel = model->sixteenChannels ? 1 : 0;
    doc.SetDefaults();
    return doc;
}

void RefuseSameFile(const std::string& input, const std::string& output) {
    if (fileio::IsSameFile(input, output))
        throw Failure(FormatText(msg::kOutputIsInput, output.c_str(), input.c_str()));
}

}  // namespace cli
