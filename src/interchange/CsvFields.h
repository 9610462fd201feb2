// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "interchange/CsvColumns.h"
#include "model/Messages.h"
#include "model/TypedNumber.h"

// What the column groups share: the format's word lists, read in both directions, and the
// reading of a row's numbers and words with a refusal that names the column and its text.
namespace csv {

bool SameText(std::string_view a, std::string_view b);  // in any case

// A word list of the format and what each word means, read in both directions.
template <class T>
struct Choice {
    const char* text;
    T value;
};

template <class T, std::size_t N>
const char* TextOf(const std::array<Choice<T>, N>& choices, T value) {
    for (const Choice<T>& choice : choices)
        if (choice.value == value) return choice.text;
    return "";
}

template <class T, std::size_t N>
std::optional<T> ValueOf(const std::array<Choice<T>, N>& choices, std::string_view text) {
    for (const Choice<T>& choice : choices)
        if (SameText(choice.text, text)) return choice.value;
    return std::nullopt;
}

template <class T, std::size_t N>
std::string ChoiceList(const std::array<Choice<T>, N>& choices) {
    std::string list;
    for (const Choice<T>& choice : choices) {
        if (!list.empty()) list += ", ";
        list += *choice.text != '\0' ? choice.text : "\"\"";
    }
    return list;
}

const char* NameOf(Column column);

// "Duplex \"x\" is none of ...": a message format of Column, text and the words it takes.
std::string Refusal(const char* format, Column column, std::string_view text,
                    const std::string& choices = {});

// A number as a spreadsheet writes it: the whole text, '.' or a lone ',' as the decimal point.
std::optional<TypedNumber> NumberOf(std::string_view text);

// A column's text; empty where the row has no such column.
const std::string& TextIn(const RowTexts& row, Column column);
std::string_view TrimmedIn(const RowTexts& row, Column column);

// A number column scaled to decimals; the refusal when it holds something else.
std::optional<std::string> ReadNumber(const RowTexts& row, Column column, int decimals,
                                      std::int64_t& scaled);

template <class T, std::size_t N>
std::optional<std::string> ReadChoice(const RowTexts& row, Column column,
                                      const std::array<Choice<T>, N>& choices, T& value) {
    const std::optional<T> found = ValueOf(choices, TrimmedIn(row, column));
    if (!found)
        return Refusal(msg::kCsvNotAChoice, column, TrimmedIn(row, column), ChoiceList(choices));
    value = *found;
    return std::nullopt;
}

// A flag column: left out, the channel keeps its flag; left empty, too, unless empty is one
// of the column's words (Skip, Priority).
enum class WhenEmpty { kKeep, kRead };
template <std::size_t N>
std::optional<std::string> ReadFlag(const RowTexts& row, Column column,
                                    const std::array<Choice<bool>, N>& choices,
                                    std::optional<bool>& value, WhenEmpty empty) {
    if (!At(row, column)) return std::nullopt;
    if (empty == WhenEmpty::kKeep && TrimmedIn(row, column).empty()) return std::nullopt;
    bool read = false;
    if (auto refusal = ReadChoice(row, column, choices, read)) return refusal;
    value = read;
    return std::nullopt;
}

void WriteFlag(RowTexts& row, Column column, std::span<const Choice<bool>> choices,
               std::optional<bool> value);

// The signalling columns (Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
// CrossMode), and the Comment, which names the non-standard tones.
void WriteSignalling(const CsvChannel& ch, RowTexts& row);
std::optional<std::string> ReadSignalling(const RowTexts& row, const ReadContext& context,
                                          CsvChannel& ch);
void WriteComment(const CsvChannel& ch, RowTexts& row);
std::optional<std::string> ReadComment(const RowTexts& row, const ReadContext& context,
                                       CsvChannel& ch);

}  // namespace csv
