// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TraceText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace {

using namespace std::chrono;

constexpr std::size_t kBytesPerLine = 16;
constexpr std::chrono::year kFirstYear{1970};
constexpr std::chrono::year kLastYear{2200};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kColumns = "# > sent, < received; microseconds from the start; hex; step";

enum class Field {
    Program,
    Direction,
    Port,
    Device,
    Line,
    Model,
    Start,
    Outcome,
    Detail,
    End,
    Lost
};
struct FieldName {
    Field field;
    const char* name;
    bool required;
};
constexpr std::array<FieldName, 11> kFields{{
    {Field::Program, "Program", false},
    {Field::Direction, "Direction", true},
    {Field::Port, "Port", false},
    {Field::Device, "Device", false},
    {Field::Line, "Line", false},
    {Field::Model, "Model", false},
    {Field::Start, "Start", true},
    {Field::Outcome, "Outcome", true},
    {Field::Detail, "Detail", false},
    {Field::End, "End", true},
    {Field::Lost, "Lost", false},
}};

// A value stays on its line whatever the system put into it.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::uint8_t> ParseHexByte(std::string_view text) {
    unsigned value = 0;
    if (text.size() != 2) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 2, value, 16);
    if (error != std::errc{} || end != text.data() + 2) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t begin = line.find_first_not_of(" \t", at);
        if (begin == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", begin), line.size());
        words.push_back(line.substr(begin, end - begin));
        at = end;
    }
    return words;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// One exchange's lines as they are read; Finish checks what only the whole can show.
class CTraceReader {
public:
    explicit CTraceReader(int firstLine) : m_nFirstLine(firstLine) {}

    // The error for the line, empty when it was taken.
    std::string Take(std::string_view line) {
        if (line.starts_with("<") || line.starts_with(">")) return TakeBytes(line);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || !m_Trace.events.empty())
            return FormatText(msg::kTraceNotUnderstood, std::string(line).c_str());
        return TakeField(line.substr(0, colon), Trimmed(line.substr(colon + 1)));
    }

    std::string Finish(Trace& trace) {
        for (const FieldName& field : kFields)
            if (field.required && !m_Seen[static_cast<std::size_t>(field.field)])
                return FormatText(msg::kTraceMissingField, m_nFirstLine, field.name);
        if (!m_Trace.events.empty() && m_Trace.events.back().micros > m_Trace.endMicros)
            return FormatText(msg::kTraceTimeAfterEnd,
                              std::to_string(m_Trace.events.back().micros).c_str(),
                              std::to_string(m_Trace.endMicros).c_str());
        trace = std::move(m_Trace);
        return {};
    }

private:
    std::string TakeField(std::string_view name, std::string_view value) {
        const FieldName* field = nullptr;
        for (const FieldName& known : kFields)
            if (name == known.name) field = &known;
        if (field == nullptr) return FormatText(msg::kTraceUnknownField, std::string(name).c_str());
        bool& seen = m_Seen[static_cast<std::size_t>(field->field)];
        if (seen) return FormatText(msg::kTraceFieldTwice, field->name);
        seen = true;
        if (SetField(field->field, value)) return {};
        return FormatText(msg::kTraceBadValue, field->name, std::string(value).c_str());
    }

    bool SetField(Field field, std::string_view value) {
        Trace& t = m_Trace;
        switch (field) {
            case Field::Program:
                t.program = value;
                return true;
            case Field::Direction:
                if (value != KindText(ExchangeKind::Read) && value != KindText(ExchangeKind::Write))
                    return false;
                t.kind = value == KindText(ExchangeKind::Read) ? ExchangeKind::Read
                                                               : ExchangeKind::Write;
                return true;
            case Field::Port:
                t.port = value;
                return true;
            case Field::Device:
                t.device = value;
                return true;
            case Field::Line:
                t.line = value;
                return true;
            case Field::Model:
                t.model = value;
                return true;
            case Field::Start: {
                const auto start = ParseUtcTime(value);
                if (start) t.start = *start;
                return start.has_value();
            }
            case Field::Outcome: {
                const auto outcome = ParseOutcome(value);
                if (outcome) t.outcome = *outcome;
                return outcome.has_value();
            }
            case Field::Detail:
                t.detail = value;
                return true;
            case Field::End: {
                const auto end = ParseNumber<std::uint32_t>(value);
                if (end) t.endMicros = *end;
                return end.has_value();
            }
            case Field::Lost: {
                const auto lost = ParseNumber<std::size_t>(value);
                if (lost) t.lost = *lost;
                return lost.has_value();
            }
        }
        return false;
    }

    std::string TakeBytes(std::string_view line) {
        const std::vector<std::string_view> words = Words(line);
        if (words.front().size() != 1 || words.size() < 2)
            return FormatText(msg::kTraceNotUnderstood, std::string(line).c_str());
        const std::optional<std::uint32_t> micros = ParseNumber<std::uint32_t>(words[1]);
        if (!micros) return FormatText(msg::kTraceBadTime, std::string(words[1]).c_str());
        if (!m_Trace.events.empty() && *micros < m_Trace.events.back().micros)
            return FormatText(msg::kTraceTimeBackwards, std::to_string(*micros).c_str(),
                              std::to_string(m_Trace.events.back().micros).c_str());
        std::size_t next = 2;
        std::vector<std::uint8_t> bytes;
        for (; next < words.size(); ++next) {
            const std::optional<std::uint8_t> byte = ParseHexByte(words[next]);
            if (!byte) break;
            bytes.push_back(*byte);
        }
        if (bytes.empty()) return msg::kTraceNoBytes;
        std::string stepText;
        for (; next < words.size(); ++next)
            stepText += (stepText.empty() ? "" : " ") + std::string(words[next]);
        const std::optional<TraceStep> step = ParseStep(stepText);
        if (!step) return FormatText(msg::kTraceBadStep, stepText.c_str());
        const TraceDirection direction =
            words.front() == ">" ? TraceDirection::Sent : TraceDirection::Received;
        for (const std::uint8_t byte : bytes)
            m_Trace.events.push_back({*micros, byte, direction, *step});
        return {};
    }

    const int m_nFirstLine;
    Trace m_Trace;
    std::array<bool, kFields.size()> m_Seen{};
};

}  // namespace

std::string UtcTimeText(system_clock::time_point when) {
    const auto micros = time_point_cast<microseconds>(when);
    const auto day = floor<days>(micros);
    const year_month_day date{day};
    const hh_mm_ss time{micros - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%06dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()),
                  static_cast<int>(time.subseconds().count()));
    return text;
}

std::optional<system_clock::time_point> ParseUtcTime(std::string_view text) {
    // 2026-12-08T16:30:01.123456Z: every character where UtcTimeText puts it.
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd.ddddddZ";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        return *ParseNumber<int>(text.substr(at, length));
    };
    const year_month_day date{year{number(0, 4)}, month{static_cast<unsigned>(number(5, 2))},
                              day{static_cast<unsigned>(number(8, 2))}};
    const int h = number(11, 2), m = number(14, 2), s = number(17, 2);
    // The clock counts nanoseconds: only years it holds (1677 to 2262) are times, and none
    // before its epoch is a trace's.
    if (!date.ok() || date.year() < kFirstYear || date.year() > kLastYear || h > 23 || m > 59 ||
        s > 59)
        return std::nullopt;
    return sys_days{date} + hours{h} + minutes{m} + seconds{s} + microseconds{number(20, 6)};
}

std::string FormatTrace(const Trace& t) {
    std::string text = std::string(kTraceMagic) + "\n";
    const auto field = [&text](const char* name, const std::string& value) {
        text += std::string(name) + ": " + OneLine(value) + "\n";
    };
    field("Program", t.program);
    field("Direction", KindText(t.kind));
    if (!t.port.empty()) field("Port", t.port);
    if (!t.device.empty()) field("Device", t.device);
    if (!t.line.empty()) field("Line", t.line);
    if (!t.model.empty()) field("Model", t.model);
    field("Start", UtcTimeText(t.start));
    field("Outcome", OutcomeText(t.outcome));
    if (!t.detail.empty()) field("Detail", t.detail);
    field("End", std::to_string(t.endMicros));
    if (t.lost > 0) field("Lost", std::to_string(t.lost));
    text += std::string(kColumns) + "\n";
    for (std::size_t i = 0; i < t.events.size();) {
        const TraceEvent& first = t.events[i];
        text += first.direction == TraceDirection::Sent ? "> " : "< ";
        text += std::to_string(first.micros);
        std::size_t n = 0;
        for (; i < t.events.size() && n < kBytesPerLine; ++i, ++n) {
            const TraceEvent& e = t.events[i];
            if (e.direction != first.direction || e.micros != first.micros || e.step != first.step)
                break;
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", e.byte);
            text += hex;
        }
        text += " " + StepText(first.step) + "\n";
    }
    return text;
}

ParsedTraces ParseTraces(std::string_view text) {
    // An editor that saved the file on Windows may have put a byte order mark first.
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    ParsedTraces parsed;
    std::optional<CTraceReader> reader;
    const auto finish = [&](int lineNumber) {
        Trace trace;
        std::string why = reader->Finish(trace);
        if (!why.empty()) {
            parsed = {{}, FormatText(msg::kTraceLine, lineNumber, why.c_str())};
            return false;
        }
        parsed.traces.push_back(std::move(trace));
        return true;
    };
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = Trimmed(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (line.empty() || line.starts_with("#")) continue;
        if (line == kTraceMagic) {
            if (reader && !finish(number - 1)) return parsed;
            reader.emplace(number);
            continue;
        }
        if (!reader) {
            parsed.error = FormatText(msg::kTraceLine, number,
                                      FormatText(msg::kTraceNotATrace, kTraceMagic).c_str());
            return parsed;
        }
        if (std::string why = reader->Take(line); !why.empty()) {
            parsed = {{}, FormatText(msg::kTraceLine, number, why.c_str())};
            return parsed;
        }
    }
    if (!reader) {
        parsed.error = FormatText(msg::kTraceNotATrace, kTraceMagic);
        return parsed;
    }
    finish(number);
    return parsed;
}

ParsedTraces ReadTraceFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::uintmax_t size = 0;
    ParsedTraces parsed;
    if (const fileio::Refusal why = fileio::ReadFileStart(path, kMaxTraceFileSize, bytes, &size))
        parsed.error = *why;
    else if (size > kMaxTraceFileSize)
        parsed.error = FormatText(msg::kTraceFileTooLarge, kMaxTraceFileSize);
    else
        parsed = ParseTraces(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!parsed.error.empty())
        parsed.error = FormatText(msg::kTraceFileFailure, path.c_str(), parsed.error.c_str());
    return parsed;
}

}  // namespace radiolink
