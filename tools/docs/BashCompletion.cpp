// SPDX-License-Identifier: GPL-3.0-or-later
#include "BashCompletion.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "CommandLine.h"
#include "model/PlanFields.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace docs {
namespace {

// Values that are numbers or settings, where file names would only mislead.
constexpr std::array<const char*, 6> kNotFiles = {"N", "S", "MHZ", "HZ", "HEX", "MS"};
constexpr const char* kDevicePlaceholder = "DEVICE";
constexpr const char* kRadioOptionPlaceholder = "NAME=VALUE";
// Parts of a value form ("ctcss:TONE", "dcs:CODE[:inv]") that stand for a list of the core.
constexpr const char* kTonePlaceholder = "TONE";
constexpr const char* kCodePlaceholder = "CODE";
constexpr char kFormSeparator = ':';

// The script; @NAME@ are filled in. The helpers read `cur`, the word being completed, from
// the completion function that calls them.
constexpr const char* kScript =
    R"BASH(# bash completion for @PROGRAM@, written from its command declarations.
# shellcheck shell=bash

# Fixed words ($1), matched in any case as the programs read them ("km1" finds KM161); once
# the word holds a ':' or '=', the whole values its forms stand for ($2, "ctcss:67.0").
@F@_words()
{
    local -a words
    local word
    if [[ $cur == *[:=]* ]]; then read -ra words <<<"${2-}"; else read -ra words <<<"$1"; fi
    for word in "${words[@]}"; do
        if [[ ${word,,} == "${cur,,}"* ]]; then COMPREPLY+=("$word"); fi
    done
    # In the order declared (KM41 before KM161, tones rising); "ctcss:" and "tx-delay=" only
    # start a value.
    if ((${#COMPREPLY[@]})); then compopt -o nosort 2>/dev/null; fi
    if [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == *[:=] ]]; then
        compopt -o nospace 2>/dev/null
    fi
    return 0
}

@F@_files()
{
    compopt -o filenames 2>/dev/null
    mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -- "$cur")
}

# Serial devices only: motherboard ports, USB adapters and the stable names of USB cables,
# never a terminal (/dev/tty, the consoles /dev/tty1 ...). A path that cannot lead to one of
# them, such as the virtual radio's pseudo-terminal or its --link, completes as a file name.
@F@_devices()
{
    local start device serial=
    for start in /dev/ttyS /dev/ttyUSB /dev/ttyACM /dev/serial/by-id/; do
        [[ $start == "$cur"* || $cur == "$start"* ]] || continue
        serial=1
        for device in "$start"*; do
            if [[ -e $device && $device == "$cur"* ]]; then COMPREPLY+=("$device"); fi
        done
    done
    if [[ -z $serial && $cur == [/.~]* && $cur != /dev/tty* ]]; then @F@_files; fi
    return 0
}

@F@()
{
    # bash splits words at ':' and '=' (COMP_WORDBREAKS); pieces typed together are joined
    # again, so that "ctcss:88.5" and "--port=COM1" are one word each.
    local -a words=()
    local i piece joined line=${COMP_LINE-}
    for ((i = 0; i <= COMP_CWORD; i++)); do
        piece=${COMP_WORDS[i]}
        joined=1
        if [[ -v COMP_LINE ]]; then
            if [[ $line == [[:blank:]]* ]]; then joined=; fi
            line=${line#"${line%%[![:blank:]]*}"}
            line=${line#"$piece"}
        fi
        if ((i > 1)) && [[ -n $joined && -n $piece &&
            ($piece != *[!:=]* || ${COMP_WORDS[i-1]} != *[!:=]*) ]]; then
            words[${#words[@]}-1]+=$piece
        else
            words+=("$piece")
        fi
    done
    local cur=${words[${#words[@]}-1]} prev=${words[${#words[@]}-2]} command=${words[1]}
    if [[ $cur == -*=* ]]; then
        prev=${cur%%=*} cur=${cur#*=}
    fi
    COMPREPLY=()
    if ((${#words[@]} == 2)); then
        @F@_words "@TOP@"
    else
        case "$command $prev" in
@VALUES@        *)
            if [[ $cur == -* ]]; then
                case $command in
@OPTIONS@                esac
            else
                @F@_files
            fi
            ;;
        esac
    fi
    # bash replaces only its own last piece of the word ("88" of "ctcss:88"; none after a
    # ':' or '='): what comes before it stays as typed.
    if [[ $piece != *[!:=]* ]]; then piece=; fi
    if [[ $cur == *"$piece" ]]; then
        local kept=$((${#cur} - ${#piece}))
        for i in "${!COMPREPLY[@]}"; do COMPREPLY[i]=${COMPREPLY[i]:kept}; done
    fi
    return 0
}
complete -F @F@ @PROGRAM@
)BASH";

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) out += (out.empty() ? "" : " ") + word;
    return out;
}

std::string Filled(std::string text, const std::string& name, const std::string& value) {
    const std::string token = "@" + name + "@";
    for (std::size_t at; (at = text.find(token)) != std::string::npos;)
        text.replace(at, token.size(), value);
    return text;
}

std::string FunctionName(const std::string& program) {
    std::string name = "_" + program;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

std::vector<std::string> OptionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : cmdline::NamedOptions(command)) {
        for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
        for (const std::string& name : option->get_snames()) names.push_back("-" + name);
    }
    return names;
}

// A value's fixed words ("KM41", "csq", "ctcss:") and the whole values of its forms
// ("ctcss:67.0", "dcs:023:inv"), which the script offers once a form has been started.
struct Offered {
    std::vector<std::string> words;
    std::vector<std::string> forms;
};

// What a part of a form stands for, written as the command line reads it (TONE in Hz as
// 100.0, CODE as 023), from the lists the channel editor offers.
std::vector<std::string> PartValues(const std::string& part) {
    std::vector<std::string> values;
    if (part == kTonePlaceholder)
        for (const double tone : kCtcssTones) values.push_back(FormatText("%.1f", tone));
    else if (part == kCodePlaceholder)
        for (const int code : kDcsCodes) values.push_back(FormatText("%03d", code));
    else if (!cmdline::IsPlaceholder(part))
        values.push_back(part);
    return values;
}

// Every value of a form's parts, "dcs:CODE" being each code after "dcs:".
std::vector<std::string> PartsValues(const std::string& text) {
    std::vector<std::string> values = {""};
    std::istringstream parts(text);
    std::string part;
    for (bool first = true; std::getline(parts, part, kFormSeparator); first = false) {
        std::vector<std::string> longer;
        for (const std::string& start : values)
            for (const std::string& value : PartValues(part))
                longer.push_back(first ? value : start + kFormSeparator + value);
        values = std::move(longer);
    }
    return values;
}

// Every value a form stands for, each bare and with its bracketed part: "dcs:CODE[:inv]" is
// "dcs:023", "dcs:023:inv", "dcs:025" ...
std::vector<std::string> FormValues(const std::string& form) {
    std::vector<std::string> values = {""};
    for (std::size_t at = 0; at < form.size();) {
        const bool optional = form[at] == '[';
        const std::size_t from = optional ? at + 1 : at;
        const std::size_t to = std::min(form.find(optional ? ']' : '[', from), form.size());
        std::vector<std::string> chunk = PartsValues(form.substr(from, to - from));
        if (optional) chunk.insert(chunk.begin(), "");
        std::vector<std::string> longer;
        for (const std::string& start : values)
            for (const std::string& value : chunk) longer.push_back(start + value);
        values = std::move(longer);
        at = optional ? to + 1 : to;
    }
    return values;
}

// `set --option NAME=VALUE`: the names the command takes from the plan's field table and the
// values it reads for them: a flag's two words, a list's numbers; times are typed freely.
Offered RadioOptionWords() {
    Offered out;
    for (const fields::RadioField& field : fields::kRadio) {
        if (field.key == nullptr) continue;
        const std::string name = std::string(field.key) + "=";
        out.words.push_back(name);
        if (field.kind == fields::kList) {
            for (std::int32_t n = field.range.low; n <= field.range.high; ++n)
                out.forms.push_back(name + std::to_string(n));
        } else if (fields::IsFlag(field.kind)) {
            out.forms.push_back(name + field.on);
            out.forms.push_back(name + field.off);
        }
    }
    return out;
}

std::string Quoted(const std::vector<std::string>& words) {
    return "\"" + Joined(words) + "\"";
}

// The shell commands that complete one option's value.
std::string ValueCompletion(const CLI::Option& option, const std::string& f) {
    Offered offered;
    for (const std::string& word : cmdline::ValueWords(option)) {
        const std::size_t separator = word.find(kFormSeparator);
        offered.words.push_back(
            word.substr(0, separator == std::string::npos ? separator : separator + 1));
        if (separator != std::string::npos)
            for (const std::string& value : FormValues(word)) offered.forms.push_back(value);
    }
    std::string alternatives = cmdline::ValueName(option) + "|";
    bool devices = false;
    bool files = false;
    for (std::size_t bar; (bar = alternatives.find('|')) != std::string::npos;
         alternatives.erase(0, bar + 1)) {
        const std::string word = alternatives.substr(0, bar);
        if (!cmdline::IsPlaceholder(word)) continue;
        if (word == kDevicePlaceholder) {
            devices = true;
        } else if (word == kRadioOptionPlaceholder) {
            const Offered options = RadioOptionWords();
            offered.words.insert(offered.words.end(), options.words.begin(), options.words.end());
            offered.forms.insert(offered.forms.end(), options.forms.begin(), options.forms.end());
        } else {
            files =
                files || (word.find('=') == std::string::npos &&
                          std::find(kNotFiles.begin(), kNotFiles.end(), word) == kNotFiles.end());
        }
    }
    std::vector<std::string> commands;
    if (!offered.words.empty()) {
        std::string words = f + "_words " + Quoted(offered.words);
        if (!offered.forms.empty()) words += " " + Quoted(offered.forms);
        commands.push_back(words);
    }
    if (devices) commands.push_back(f + "_devices");
    if (files) commands.push_back(f + "_files");
    std::string out;
    for (const std::string& command : commands) out += (out.empty() ? "" : "; ") + command;
    return out.empty() ? ";;" : out + " ;;";
}

std::string ValueCases(const CLI::App& command, const std::string& f) {
    std::string out;
    for (const CLI::Option* option : cmdline::NamedOptions(command)) {
        if (!cmdline::TakesValue(*option)) continue;
        std::vector<std::string> patterns;
        for (const std::string& name : option->get_lnames())
            patterns.push_back("\"" + command.get_name() + " --" + name + "\"");
        for (const std::string& name : option->get_snames())
            patterns.push_back("\"" + command.get_name() + " -" + name + "\"");
        std::string pattern;
        for (const std::string& p : patterns) pattern += (pattern.empty() ? "" : "|") + p;
        out += "        " + pattern + ") " + ValueCompletion(*option, f) + "\n";
    }
    return out;
}

}  // namespace

std::string BashCompletion(const CLI::App& app, const std::string& program) {
    const std::string function = FunctionName(program);
    std::vector<std::string> top;
    std::string valueCases;
    std::string optionCases;
    for (const CLI::App* command : app.get_subcommands({})) {
        top.push_back(command->get_name());
        valueCases += ValueCases(*command, function);
        optionCases += "                " + command->get_name() + ") " + function + "_words " +
                       Quoted(OptionNames(*command)) + " ;;\n";
    }
    for (const std::string& option : OptionNames(app)) top.push_back(option);
    std::string script = kScript;
    script = Filled(script, "VALUES", valueCases);
    script = Filled(script, "OPTIONS", optionCases);
    script = Filled(script, "TOP", Joined(top));
    script = Filled(script, "F", function);
    return Filled(script, "PROGRAM", program);
}

}  // namespace docs
