// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Delimited text as spreadsheets and radio programmers write it: fields separated by commas,
// by semicolons (spreadsheets in comma-decimal locales) or by tabs (the clipboard), fields in
// double quotes where they hold a separator, a quote or a line end, LF or CRLF line ends and
// an optional UTF-8 byte-order mark.
namespace csv {

// A channel list is a few kilobytes; anything this large is not one.
inline constexpr std::size_t kMaxTextBytes = 1024 * 1024;

using Record = std::vector<std::string>;

// One record's fields as one text and where each field ends: a line of a million empty
// fields then costs four bytes a field instead of a string each.
class Fields {
public:
    std::size_t size() const { return m_ends.size(); }
    std::string_view operator[](std::size_t i) const;
    // True when every field is blank.
    bool Blank() const;

private:
    friend class RecordReader;
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
};

// A text whose records can be read: the byte-order mark left out, the separator found.
struct DelimitedText {
    std::string_view body;
    char separator = ',';
};

struct DelimitedOutcome {
    std::optional<DelimitedText> text;  // nullopt: the text is not delimited text at all
    std::string message;                // why not
};

// The separator is the first line's: a tab when it holds one, else ';' when it holds more
// semicolons than commas, else ','. A text too large, holding binary data or a quoted field
// that never closes is refused.
DelimitedOutcome OpenDelimited(std::string_view text);

// The records of a text one at a time, so that no text holds more than one record in memory.
// A quote opens a quoted field only at the field's start, and inside one a doubled quote
// stands for one quote. A blank line is a record of one empty field, so that the numbers stay
// those of the text.
class RecordReader {
public:
    explicit RecordReader(const DelimitedText& text)
        : m_text(text.body), m_separator(text.separator) {}

    // The next record into fields; false at the end of the text.
    bool Next(Fields& fields);
    // The row of the record last read, as a spreadsheet numbers it (1 = the first).
    int Row() const { return m_row; }
    // True when the record last read opens a quoted field that runs to the end of the text.
    bool OpenQuote() const { return m_openQuote; }

private:
    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_row = 0;
    bool m_openQuote = false;
};

struct Table {
    char separator = ',';
    // Record i is row i + 1.
    std::vector<Record> records;
};

struct TableOutcome {
    std::optional<Table> table;  // nullopt: the text is not delimited text at all
    std::string message;         // why not
};

// Splits a short text into records, all at once.
TableOutcome ReadTable(std::string_view text);

// One record as a line (without its line end), quoting the fields that need it.
std::string WriteRecord(const Record& fields, char separator);

std::string_view Trimmed(std::string_view text);

}  // namespace csv
