#pragma once
#include <cstddef>
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

struct Table {
    char separator = ',';
    // Record i is row i + 1, as a spreadsheet numbers it; a blank line is a record of one
    // empty field, so that the numbers stay those of the text.
    std::vector<Record> records;
};

struct TableOutcome {
    std::optional<Table> table;  // nullopt: the text is not delimited text at all
    std::string message;         // why not
};

// Splits text into records. The separator is the first line's: a tab when it holds one, else
// ';' when it holds more semicolons than commas, else ','.
TableOutcome ReadTable(std::string_view text);

// One record as a line (without its line end), quoting the fields that need it.
std::string WriteRecord(const Record& fields, char separator);

// True for a record whose fields are all blank.
bool IsBlank(const Record& record);

std::string_view Trimmed(std::string_view text);

}  // namespace csv
