#include "CliSupport.h"

#include "Interruption.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"

namespace cli {

bool ArgList::TakeFlag(const std::string& name) {
    for (auto it = m_args.begin(); it != m_args.end(); ++it) {
        if (*it == name) {
            m_args.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<std::string> ArgList::TakeValue(const std::string& name) {
    std::vector<std::string> values = TakeValues(name);
    if (values.size() > 1) throw UsageError(name + " given more than once");
    if (values.empty()) return std::nullopt;
    return values.front();
}

std::vector<std::string> ArgList::TakeValues(const std::string& name) {
    std::vector<std::string> values;
    const std::string withEquals = name + "=";
    for (std::size_t i = 0; i < m_args.size();) {
        if (m_args[i] == name) {
            if (i + 1 >= m_args.size()) throw UsageError(name + " needs a value");
            values.push_back(m_args[i + 1]);
            m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i),
                         m_args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (m_args[i].rfind(withEquals, 0) == 0) {
            values.push_back(m_args[i].substr(withEquals.size()));
            m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return values;
}

std::vector<std::string> ArgList::Positionals() {
    for (const std::string& arg : m_args) {
        if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
    }
    return m_args;
}

std::vector<std::string> ArgList::Positionals(std::size_t count) {
    std::vector<std::string> args = Positionals();
    if (args.size() < count) throw UsageError("missing argument");
    if (args.size() > count) throw UsageError("unexpected argument " + args[count]);
    return args;
}

Failure FileFailure(const datafile::FileOutcome& outcome, const std::string& path) {
    std::string text = outcome.message + " (" + path;
    if (!outcome.detail.empty()) text += ": " + outcome.detail;
    return Failure(text + ")");
}

CKM42Doc LoadPlan(const std::string& path) {
    CKM42Doc doc;
    const datafile::FileOutcome outcome = datafile::OpenDocument(doc, path);
    if (!outcome.ok) throw FileFailure(outcome, path);
    return doc;
}

void SavePlan(const CKM42Doc& doc, const std::string& path) {
    const CUninterruptible whileReplacing;
    const datafile::FileOutcome outcome = datafile::SaveDocument(doc, path);
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
