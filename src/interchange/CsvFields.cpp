// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvFields.h"

#include <algorithm>
#include <cctype>

#include "interchange/CsvText.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

const char* NameOf(Column column) {
    return kColumnNames[static_cast<std::size_t>(column)];
}

std::string Refusal(const char* format, Column column, std::string_view text,
                    const std::string& choices) {
    const std::string shown(text);
    return FormatText(format, NameOf(column), shown.c_str(), choices.c_str());
}

// A number as a spreadsheet writes it: the whole text, '.' or a lone ',' as the decimal point.
std::optional<TypedNumber> NumberOf(std::string_view text) {
    std::string digits(Trimmed(text));
    if (digits.find('.') == std::string::npos && std::count(digits.begin(), digits.end(), ',') == 1)
        std::replace(digits.begin(), digits.end(), ',', '.');
    const TypedNumber number = TypedNumber::Read(digits, TypedNumber::kWholeText);
    if (!number.HasDigits() || number.Consumed() != digits.size()) return std::nullopt;
    return number;
}

const std::string& TextIn(const RowTexts& row, Column column) {
    static const std::string kEmpty;
    const std::optional<std::string>& text = At(row, column);
    return text ? *text : kEmpty;
}

std::string_view TrimmedIn(const RowTexts& row, Column column) {
    return Trimmed(TextIn(row, column));
}

// A number column; the refusal when it holds something else.
std::optional<std::string> ReadNumber(const RowTexts& row, Column column, int decimals,
                                      std::int64_t& scaled) {
    const std::optional<TypedNumber> number = NumberOf(TextIn(row, column));
    if (!number) return Refusal(msg::kCsvNotANumber, column, TrimmedIn(row, column));
    scaled = number->Rounded(decimals);
    return std::nullopt;
}

void WriteFlag(RowTexts& row, Column column, std::span<const Choice<bool>> choices,
               std::optional<bool> value) {
    if (!value) return;
    for (const Choice<bool>& choice : choices)
        if (choice.value == *value) {
            At(row, column) = choice.text;
            return;
        }
}

}  // namespace csv
