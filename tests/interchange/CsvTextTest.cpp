// SPDX-License-Identifier: GPL-3.0-or-later
// Delimited text as spreadsheets write it, split into records and written back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "interchange/CsvText.h"

namespace {

using ::testing::ElementsAre;
using Records = std::vector<csv::Record>;

Records Read(std::string_view text, char expectedSeparator) {
    const csv::TableOutcome outcome = csv::ReadTable(text);
    EXPECT_TRUE(outcome.table.has_value()) << outcome.message;
    if (!outcome.table) return {};
    EXPECT_EQ(outcome.table->separator, expectedSeparator);
    return outcome.table->records;
}

TEST(CsvText, QuotesSeparatorsAndLineEndsAsSpreadsheetsWriteThem) {
    EXPECT_THAT(Read("a,b\r\n\"x,y\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",3", ','),
                ElementsAre(csv::Record{"a", "b"}, csv::Record{"x,y", "say \"hi\""},
                            csv::Record{"two\nlines", "3"}));
    // A quote inside an unquoted field is a character like any other.
    EXPECT_THAT(Read("a,b\n5\" disc,\"\"\n", ','),
                ElementsAre(csv::Record{"a", "b"}, csv::Record{"5\" disc", ""}));
    // Blank lines keep the row numbers of the text.
    EXPECT_THAT(Read("a\n\nb\n", ','),
                ElementsAre(csv::Record{"a"}, csv::Record{""}, csv::Record{"b"}));
}

TEST(CsvText, TheFirstLineTellsTheSeparatorAndAByteOrderMarkIsNoPartOfIt) {
    EXPECT_THAT(Read("\xEF\xBB\xBFLocation;Frequency\n1;146,52\n", ';'),
                ElementsAre(csv::Record{"Location", "Frequency"}, csv::Record{"1", "146,52"}));
    EXPECT_THAT(Read("Location\tFrequency\n1\t146.52\n", '\t'),
                ElementsAre(csv::Record{"Location", "Frequency"}, csv::Record{"1", "146.52"}));
    // Commas outnumber semicolons: a comma file whose text holds a semicolon.
    EXPECT_THAT(Read("a,b,c;d\n", ','), ElementsAre(csv::Record{"a", "b", "c;d"}));
}

TEST(CsvText, BinaryDataAndUnclosedQuotesAreNoText) {
    EXPECT_FALSE(csv::ReadTable(std::string("a,b\n\x01\x02", 6)).table);
    const csv::TableOutcome open = csv::ReadTable("a,b\nc,d\n\"e,f\n");
    EXPECT_FALSE(open.table);
    EXPECT_EQ(open.message, "row 3 opens a quoted field that never closes");
}

// Whatever the fields hold, writing and reading gives them back.
TEST(CsvText, WrittenRecordsReadBackAsTheyWereForEverySeparator) {
    std::mt19937 random(6);
    const std::string alphabet = "ab 1.,;\t\"\r\n-";
    auto field = [&] {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 6)(random);
        for (int i = 0; i < length; ++i)
            text += alphabet[std::uniform_int_distribution<std::size_t>(
                0, alphabet.size() - 1)(random)];
        return text;
    };
    for (const char separator : {',', ';', '\t'}) {
        for (int trial = 0; trial < 300; ++trial) {
            Records records = {{"Location", "Frequency", "Comment"}};
            const int rows = std::uniform_int_distribution<int>(1, 5)(random);
            for (int r = 0; r < rows; ++r) {
                csv::Record record;
                const int fields = std::uniform_int_distribution<int>(1, 4)(random);
                for (int f = 0; f < fields; ++f) record.push_back(field());
                records.push_back(record);
            }
            std::string text;
            for (const csv::Record& record : records)
                text += csv::WriteRecord(record, separator) + (trial % 2 == 0 ? "\r\n" : "\n");
            ASSERT_EQ(Read(text, separator), records) << text;
        }
    }
}

}  // namespace
