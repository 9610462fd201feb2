// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli fleet / history: the desktop's Program Several Radios and Radio History on the
// command line, over the same job and the same log.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "CliSupport.h"
#include "Console.h"
#include "Interruption.h"
#include "OutputChecks.h"
#include "RadioConsole.h"
#include "codec/ImageCodec.h"
#include "fleet/FleetJob.h"
#include "fleet/ProgrammingLog.h"
#include "interchange/CsvText.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace cli {
namespace {

constexpr int kMaxCount = 100000;
constexpr const char* kStopAnswer = "q";

struct FleetArgs {
    std::string plan;
    std::optional<std::string> port, timeout, count, log, labels, trace;
    bool noVerify = false, noBackup = false;
};

int CheckedCount(const std::optional<std::string>& text) {
    if (!text) return 0;
    std::size_t used = 0;
    int count = 0;
    try {
        count = std::stoi(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text->size() || count < 1 || count > kMaxCount)
        throw UsageError("--count needs a number of radios from 1 to 100000, not '" + *text + "'");
    return count;
}

std::string CheckedLog(const std::optional<std::string>& given) {
    const std::string path = given ? *given : fleet::DefaultLogPath();
    if (path.empty()) throw Failure(msg::kNoDataFolder);
    if (const fileio::Refusal why = fleet::CheckLog(path))
        throw Failure(FormatText(msg::kLogNotWritten, path.c_str(), why->c_str()));
    return path;
}

// The log is read long after, from anywhere: the plan is named from the root.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path given(std::u8string(path.begin(), path.end()));
    const std::u8string absolute = std::filesystem::absolute(given, error).u8string();
    return error ? path : std::string(absolute.begin(), absolute.end());
}

// One line without its end, or nullopt at the end of the input.
std::optional<std::string> ReadLine(std::FILE* input) {
    std::string line;
    for (int c = std::fgetc(input); c != EOF; c = std::fgetc(input)) {
        if (c == '\n') return std::string(csv::Trimmed(line));
        line += static_cast<char>(c);
    }
    if (line.empty()) return std::nullopt;
    return std::string(csv::Trimmed(line));
}

// The job's console: labels from a file or the terminal, one result line a radio on stdout,
// and on a terminal the dealer's Retry/Skip/Stop. While a radio is programmed and logged an
// interruption waits for it; at a prompt it ends the program at once.
class CFleetConsole final : public fleet::FleetUi {
public:
    CFleetConsole(std::FILE* labels, bool prompting) : m_pLabels(labels), m_bPrompting(prompting) {}

    std::optional<std::string> NextRadio(int number) override {
        const std::optional<std::string> label =
            Ask(m_bPrompting ? FormatText(msg::kConnectRadio, number) : std::string());
        if (!label || (m_bPrompting && *label == kStopAnswer)) return std::nullopt;
        return label;
    }

    void RadioDone(const fleet::RadioOutcome& outcome) override {
        const fleet::LogLine& line = outcome.line;
        const std::string label = line.label.empty() ? "" : " (" + line.label + ")";
        std::printf("%s\n", FormatText(msg::kRadioLine, line.number, label.c_str(),
                                       fleet::ResultText(line).c_str())
                                .c_str());
        std::fflush(stdout);
        if (outcome.logFailure)
            std::fprintf(stderr, "%s fleet: %s\n", kProgram,
                         FormatText(msg::kLogNotWritten, m_strLogPath.c_str(),
                                    outcome.logFailure->c_str())
                             .c_str());
    }

    Choice AfterFailure(const fleet::RadioOutcome& outcome) override {
        if (InterruptionToken().stop_requested() || !m_bPrompting) return Choice::Skip;
        const std::optional<std::string> answer =
            Ask(FormatText(msg::kRetrySkipStop, outcome.line.number));
        if (!answer || *answer == kStopAnswer) return Choice::Stop;
        return *answer == "r" ? Choice::Retry : Choice::Skip;
    }

    // After an interruption the radio in progress ends the job.
    bool Interrupted() const { return InterruptionToken().stop_requested(); }
    void Release() { m_hold.reset(); }

    std::string m_strLogPath;

private:
    // Waits for a line with the interruption let through, then holds it off again.
    std::optional<std::string> Ask(const std::string& prompt) {
        m_hold.reset();
        if (!prompt.empty()) {
            std::fprintf(stderr, "%s ", prompt.c_str());
            std::fflush(stderr);
        }
        std::optional<std::string> line = ReadLine(m_pLabels);
        m_hold.emplace();
        return line;
    }

    std::FILE* m_pLabels;
    bool m_bPrompting;
    std::optional<CUninterruptible> m_hold;
};

// Closes a labels file the command opened, not standard input.
struct LabelsFile {
    std::FILE* file = stdin;
    ~LabelsFile() {
        if (file != stdin) std::fclose(file);
    }
};

int RunFleet(const FleetArgs& a) {
    const std::string port = CheckedPort(a.port);
    const double timeout = CheckedTimeout(a.timeout);
    fleet::JobSettings settings;
    settings.count = CheckedCount(a.count);
    settings.verify = !a.noVerify;
    settings.keepBackups = !a.noBackup;
    settings.planFile = AbsolutePath(a.plan);
    const CKM42Doc plan = LoadPlan(a.plan);
    if (const std::optional<std::string> refusal = CheckEncodable(plan)) throw Failure(*refusal);
    settings.logPath = CheckedLog(a.log);
    if (a.trace) {
        RefuseSameFile(a.plan, *a.trace);
        if (fileio::IsSameFile(settings.logPath, *a.trace))
            throw Failure(
                FormatText(msg::kOutputsAreOneFile, settings.logPath.c_str(), a.trace->c_str()));
        CheckDestination(*a.trace);
    }

    LabelsFile labels;
    if (a.labels && *a.labels != "-") {
        labels.file = std::fopen(a.labels->c_str(), "r");
        if (labels.file == nullptr) {
            labels.file = stdin;
            throw Failure(*a.labels + ": " + std::strerror(errno));
        }
    }
    CFleetConsole console(labels.file, !a.labels && IsTerminal(stdin));
    console.m_strLogPath = settings.logPath;
    CConsoleSession exchanges({"fleet", port, timeout, false, true, a.trace});
    fleet::CJob job(plan, settings);
    std::fprintf(stderr, "%s fleet: %s\n", kProgram,
                 FormatText(msg::kJobStarted, job.Name().c_str(), settings.logPath.c_str()).c_str());
    const fleet::Tally tally = fleet::RunJob(job, console, exchanges);
    std::printf("%s\n", fleet::SummaryText(tally).c_str());
    std::fflush(stdout);
    console.Release();  // an interruption that came meanwhile ends the program here
    return tally.AllGood() ? kExitOk : kExitFailure;
}

void PrintLine(const fleet::LogLine& line) {
    std::printf("%s  job %s  radio %d%s%s%s  %s %s  %s  %s s\n", line.time.c_str(),
                line.job.c_str(), line.number, line.label.empty() ? "" : " \"",
                line.label.c_str(), line.label.empty() ? "" : "\"", line.model.c_str(),
                line.band.c_str(), fleet::ResultText(line).c_str(),
                FormatText("%.1f", line.seconds).c_str());
    for (const auto& [name, value] :
         {std::pair{"plan", &line.planFile}, std::pair{"image sha256", &line.imageSha256},
          std::pair{"before", &line.before}, std::pair{"after", &line.after}})
        if (!value->empty()) std::printf("    %s: %s\n", name, value->c_str());
}

int RunHistory(const std::optional<std::string>& label, const std::optional<std::string>& log) {
    const std::string path = log ? *log : fleet::DefaultLogPath();
    if (path.empty()) throw Failure(msg::kNoDataFolder);
    const fleet::History history = fleet::ReadHistory(path, label.value_or(""));
    if (!history.failure.empty()) throw Failure(history.failure);
    for (const fleet::LogLine& line : history.lines) PrintLine(line);
    if (history.lines.empty())
        std::fprintf(stderr, "%s history: %s\n", kProgram,
                     label ? FormatText(msg::kNoLogLinesOfLabel, label->c_str(), path.c_str()).c_str()
                           : FormatText(msg::kNoLogLines, path.c_str()).c_str());
    if (history.linesLeftOut > 0)
        std::fprintf(stderr, "%s history: %s\n", kProgram,
                     FormatText(msg::kLogLinesLeftOut, path.c_str(), history.linesLeftOut).c_str());
    return kExitOk;
}

void AddLog(CLI::App& command, std::optional<std::string>& log) {
    AddValue(command, "--log", log, "FILE",
             "the programming log (CSV, one line a radio); $XDG_DATA_HOME/PRG-715/"
             "programming-log.csv unless given");
}

}  // namespace

void DeclareFleet(CCommandSet& commands) {
    auto a = std::make_shared<FleetArgs>();
    CLI::App& command = commands.Add(
        "fleet",
        "write one plan into radio after radio, each checked and logged",
        [a] { return RunFleet(*a); });
    command.add_option("FILE", a->plan, "the data file to write into every radio")->required();
    AddPort(command, a->port);
    AddValue(command, "--count", a->count, "N", "end the job after N radios");
    AddLog(command, a->log);
    command.add_flag("--no-verify", a->noVerify,
                     "do not read each radio back after the write (about 9 s less a radio)");
    AddValue(command, "--labels", a->labels, "FILE|-",
             "read each radio's label (asset tag, serial number) from a line of FILE (- for "
             "standard input) instead of asking; the job ends at its end");
    AddTimeout(command, a->timeout);
    AddTrace(command, a->trace, "every exchange of the job, one after another,");
    AddNoBackup(command, a->noBackup, "what the radios held before and after");
    command.footer(
        "Each radio is read first (a radio of another model or band is refused and not "
        "written), written and, unless --no-verify, read back and compared. On a terminal the "
        "job asks for each radio's label (q ends it) and, after a failure, whether to retry it. "
        "Exit status 0 when every radio holds the plan, 1 when any failed or was refused.");
}

void DeclareHistory(CCommandSet& commands) {
    auto label = std::make_shared<std::optional<std::string>>();
    auto log = std::make_shared<std::optional<std::string>>();
    CLI::App& command = commands.Add(
        "history", "list the radios the programming log holds, newest first",
        [label, log] { return RunHistory(*label, *log); });
    command.add_option("LABEL", *label, "only the radios with this label");
    AddLog(command, *log);
}

}  // namespace cli
