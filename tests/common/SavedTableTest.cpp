// Reading back what ResultWriter wrote: every byte of every field in TSV and JSON,
// rows that look like extra lines, and text the writer cannot have written refused
// with a message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/SavedTable.h"

using namespace quorvex;

namespace {

const std::vector<std::string> kFields = {"Name", "Path"};
const std::vector<SavedExtra> kExtras = {{"#columns", 2}, {"#count", 1}};

ResultWriter Writer(const std::vector<std::vector<std::string>>& rows)
{
    ResultWriter writer(kFields);
    for (const auto& row : rows)
        writer.addRow(row);
    writer.addExtra("#columns", {"/.[a]", "/.[b]"});
    writer.addExtra("#count", {""});
    return writer;
}

// The rows of `text` into `rows` (empty again when reading starts over).
std::string Read(const std::string& text, std::vector<std::vector<std::string>>& rows,
                 SavedTable& table)
{
    return ReadSavedTable(
        text, kFields, kExtras,
        [&rows](std::size_t row, std::vector<std::string>& fields) {
            if (row == 0)
                rows.clear();
            rows.push_back(fields);
            return std::string();
        },
        table);
}

std::string ReadError(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    SavedTable table;
    return Read(text, rows, table);
}

} // namespace

TEST(SavedTable, EveryFieldComesBackByteForByteFromTsvAndJson)
{
    const std::vector<std::vector<std::string>> rows = {
        {"#count", "x"}, // a row named like an extra line stays a row
        {"tab\there\nline\rcr\\back", ""},
        {"\xff\xfe not UTF-8 \xe3\x81", "\xf0\x9f\x98\x80 \"quoted\" \x01\x7f"},
        {"{\"rows\":[", "/"}, // a TSV row that begins like JSON
    };
    for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
        const std::string text = Writer(rows).render(format);
        std::vector<std::vector<std::string>> read;
        SavedTable table;
        ASSERT_EQ(Read(text, read, table), "") << text;
        EXPECT_EQ(table.format, format);
        EXPECT_EQ(read, rows);
        EXPECT_EQ(table.extras, (std::vector<std::vector<std::string>>{{"/.[a]", "/.[b]"}, {""}}));
    }
    // A list without rows is its extra lines alone.
    std::vector<std::vector<std::string>> read;
    SavedTable table;
    ASSERT_EQ(Read(Writer({}).render(OutputFormat::Tsv), read, table), "");
    EXPECT_TRUE(read.empty());

    // What the caller finds wrong with a row ends the reading, in either form.
    for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
        std::size_t seen = 0;
        EXPECT_EQ(ReadSavedTable(
                      Writer(rows).render(format), kFields, kExtras,
                      [&seen](std::size_t row, std::vector<std::string>&) {
                          ++seen;
                          return row == 1 ? std::string("row 2: wrong") : std::string();
                      },
                      table),
                  "row 2: wrong");
        EXPECT_EQ(seen, 2u);
    }
}

TEST(SavedTable, TextTheWriterCannotHaveWrittenIsRefusedWithWhereAndWhy)
{
    const std::string extras = "#columns\ta\tb\n#count\t1\n";
    EXPECT_EQ(ReadError("a\tb\tc\n" + extras), "line 1: 3 fields instead of 2");
    EXPECT_EQ(ReadError("a\\x\tb\n" + extras),
              "line 1: a carriage return or a backslash that escapes nothing");
    EXPECT_EQ(ReadError("a\tb\r\n" + extras),
              "line 1: a carriage return or a backslash that escapes nothing");
    EXPECT_EQ(ReadError("a\tb\n#columns\ta\tb\n#count\t1"),
              "the last line is incomplete (no line feed at its end)");
    EXPECT_EQ(ReadError("#count\t1\n"), "the list ends before its #count line");
    EXPECT_EQ(ReadError("a\tb\n#count\t1\n#columns\ta\tb\n"),
              "line 2: not the #columns line with 2 value(s)");
    EXPECT_EQ(ReadError("\xEF\xBB\xBF"
                        "a,b\r\n"),
              "a list saved as CSV cannot be opened again; save it as TSV");

    const std::string head =
        "{\"rows\":[{\"Name\":\"a\",\"Path\":\"b\"}],\"columns\":[\"a\",\"b\"]";
    EXPECT_EQ(ReadError(head + ",\"count\":\"1\"}\n"), "");
    EXPECT_EQ(ReadError(head + "}"), "the \"count\" of the list is missing");
    EXPECT_EQ(ReadError(head + ",\"count\":\"1\",\"count\":\"2\"}"),
              "byte 74: expected no unknown or repeated key such as \"count\"");
    EXPECT_EQ(ReadError("{\"rows\":[{\"Name\":\"a\"}],\"columns\":[\"a\",\"b\"],\"count\":\"1\"}"),
              "byte 21: expected every field of a row");
    EXPECT_EQ(ReadError("{\"rows\":[{\"Name\":\"\\udc41\",\"Path\":\"b\"}]"),
              "byte 24: expected a text value");
    EXPECT_EQ(ReadError("{\"rows\":[{\"Name\":\"\xff\",\"Path\":\"b\"}]"),
              "byte 18: expected a text value");
    EXPECT_EQ(ReadError(head + ",\"count\":\"1\"} x"), "byte 67: expected the end of the text");
}

TEST(SavedTable, DecimalsAreCanonicalAndBounded)
{
    std::uint64_t value = 0;
    EXPECT_TRUE(ReadDecimal("18446744073709551615", UINT64_MAX, value));
    EXPECT_EQ(value, UINT64_MAX);
    EXPECT_FALSE(ReadDecimal("18446744073709551616", UINT64_MAX, value));
    EXPECT_TRUE(ReadDecimal("100", 100, value));
    EXPECT_FALSE(ReadDecimal("101", 100, value));
    for (const char* wrong : {"", "01", "+1", "-1", "1 ", "1e3"})
        EXPECT_FALSE(ReadDecimal(wrong, UINT64_MAX, value)) << wrong;
    EXPECT_TRUE(ReadDecimal("0", 0, value));
}
