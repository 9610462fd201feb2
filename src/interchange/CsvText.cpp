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

// Reads records field by field; a quote opens a quoted field only at the field's start, and
// inside one a doubled quote stands for one quote.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    // False when a quoted field runs to the end of the text.
    bool ReadAll(std::vector<Record>& records) {
        while (m_at < m_text.size()) {
            records.push_back(ReadRecord());
            if (m_openQuote) return false;
        }
        return true;
    }

private:
    Record ReadRecord() {
        Record record;
        std::string field;
        bool quoted = false;
        bool fieldStart = true;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (quoted) {
                if (c != kQuote) {
                    field += c;
                } else if (m_at < m_text.size() && m_text[m_at] == kQuote) {
                    field += kQuote;
                    ++m_at;
                } else {
                    quoted = false;
                }
            } else if (c == kQuote && fieldStart) {
                quoted = true;
                fieldStart = false;
            } else if (c == m_separator) {
                record.push_back(std::move(field));
                field.clear();
                fieldStart = true;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n') ++m_at;
                break;
            } else {
                field += c;
                fieldStart = false;
            }
        }
        m_openQuote = quoted;
        record.push_back(std::move(field));
        return record;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    bool m_openQuote = false;
};

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

bool IsBlank(const Record& record) {
    return std::all_of(record.begin(), record.end(),
                       [](const std::string& field) { return Trimmed(field).empty(); });
}

TableOutcome ReadTable(std::string_view text) {
    if (text.size() > kMaxTextBytes)
        return {std::nullopt, FormatText(msg::kCsvTooLarge, kMaxTextBytes)};
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (IsBinary(text)) return {std::nullopt, msg::kCsvBinary};

    Table table;
    table.separator = SeparatorOf(text);
    RecordReader reader(text, table.separator);
    if (!reader.ReadAll(table.records)) {
        const int row = static_cast<int>(table.records.size());
        return {std::nullopt, FormatText(msg::kCsvOpenQuote, row)};
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
