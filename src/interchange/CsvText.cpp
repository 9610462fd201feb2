// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvText.h"

#include <algorithm>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';

// Control characters other than tab and line ends mean binary data (a radio image, a data
// file, a UTF-16 export), which must not be read as rows of garbage.
bool IsBinary(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
}

char SeparatorOf(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    if (firstLine.find('\t') != std::string_view::npos) return '\t';
    const auto semicolons = std::count(firstLine.begin(), firstLine.end(), ';');
    const auto commas = std::count(firstLine.begin(), firstLine.end(), ',');
    return semicolons > commas ? ';' : ',';
}

bool NeedsQuotes(std::string_view field, char separator) {
    return field.find_first_of(std::string{separator, kQuote, '\r', '\n'}) != std::string::npos;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string_view Fields::operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::string_view(m_text).substr(begin, m_ends[i] - begin);
}

bool Fields::Blank() const {
    // The fields stand end to end in one text, so they are all blank when it is.
    return Trimmed(m_text).empty();
}

bool RecordReader::Next(Fields& fields) {
    if (m_at >= m_text.size()) return false;
    fields.m_text.clear();
    fields.m_ends.clear();
    auto endField = [&fields] {
        fields.m_ends.push_back(static_cast<std::uint32_t>(fields.m_text.size()));
    };
    bool quoted = false;
    bool fieldStart = true;
    while (m_at < m_text.size()) {
        const char c = m_text[m_at++];
        if (quoted) {
            if (c != kQuote) {
                fields.m_text += c;
            } else if (m_at < m_text.size() && m_text[m_at] == kQuote) {
                fields.m_text += kQuote;
                ++m_at;
            } else {
                quoted = false;
            }
        } else if (c == kQuote && fieldStart) {
            quoted = true;
            fieldStart = false;
        } else if (c == m_separator) {
            endField();
            fieldStart = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n') ++m_at;
            break;
        } else {
            fields.m_text += c;
            fieldStart = false;
        }
    }
    endField();
    m_openQuote = quoted;
    ++m_row;
    return true;
}

DelimitedOutcome OpenDelimited(std::string_view text) {
    if (text.size() > kMaxTextBytes)
        return {std::nullopt, FormatText(msg::kCsvTooLarge, kMaxTextBytes)};
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (IsBinary(text)) return {std::nullopt, msg::kCsvBinary};

    const DelimitedText delimited{text, SeparatorOf(text)};
    RecordReader reader(delimited);
    Fields fields;
    while (reader.Next(fields))
        if (reader.OpenQuote()) return {std::nullopt, FormatText(msg::kCsvOpenQuote, reader.Row())};
    return {delimited, {}};
}

TableOutcome ReadTable(std::string_view text) {
    const DelimitedOutcome opened = OpenDelimited(text);
    if (!opened.text) return {std::nullopt, opened.message};
    Table table;
    table.separator = opened.text->separator;
    RecordReader reader(*opened.text);
    Fields fields;
    while (reader.Next(fields)) {
        Record& record = table.records.emplace_back();
        for (std::size_t i = 0; i < fields.size(); ++i) record.emplace_back(fields[i]);
    }
    return {std::move(table), {}};
}

std::string WriteRecord(const Record& fields, char separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) line += separator;
        const std::string& field = fields[i];
        if (!NeedsQuotes(field, separator)) {
            line += field;
            continue;
        }
        line += kQuote;
        for (const char c : field) {
            if (c == kQuote) line += kQuote;
            line += c;
        }
        line += kQuote;
    }
    return line;
}

}  // namespace csv
