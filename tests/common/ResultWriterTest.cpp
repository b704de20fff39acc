#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/ResultWriter.h"

using namespace quorvex;

TEST(ResultWriter, TsvKeepsBytesAndAppendsExtras)
{
    ResultWriter writer({"Name", "Path"});
    writer.addRow({"a\xff.txt", "sub/"});
    writer.addExtra("#count", {"1 個"});
    EXPECT_EQ(writer.render(OutputFormat::Tsv), "a\xff.txt\tsub/\n#count\t1 個\n");
}

// A long list is written in pieces: every byte of each piece, in order. Rows made as
// they are written give the same text as rows added beforehand.
TEST(ResultWriter, WritingALongListGivesTheRenderedText)
{
    const auto fieldsOf = [](std::size_t row) -> std::vector<std::string> {
        return {"file" + std::to_string(row), "folder/" + std::to_string(row % 7)};
    };
    ResultWriter writer({"Name", "Path"});
    for (std::size_t row = 0; row < 20000; ++row)
        writer.addRow(fieldsOf(row));
    writer.addExtra("#count", {"20000 個"});
    ResultWriter made({"Name", "Path"}, 20000, fieldsOf);
    made.addExtra("#count", {"20000 個"});
    for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json, OutputFormat::Csv}) {
        EXPECT_TRUE(made.render(format) == writer.render(format)) << static_cast<int>(format);
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(writer.write(format, file));
        std::string written(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        ASSERT_EQ(std::fread(written.data(), 1, written.size(), file), written.size());
        std::fclose(file);
        EXPECT_GT(written.size(), std::size_t{1} << 17);
        EXPECT_TRUE(written == writer.render(format)) << static_cast<int>(format);
    }
}

TEST(ResultWriter, TsvEscapesWhatWouldBreakTheRowLayout)
{
    ResultWriter writer({"Name", "Path"});
    writer.addRow({"tab\there\nline\r", "a\\b/"});
    EXPECT_EQ(writer.render(OutputFormat::Tsv), "tab\\there\\nline\\r\ta\\\\b/\n");
}

TEST(ResultWriter, JsonEscapesInvalidUtf8Losslessly)
{
    EXPECT_EQ(JsonString("é\xff\"\n\x01"), "\"é\\udcff\\\"\\n\\u0001\"");
    EXPECT_EQ(JsonString("\xe3\x81"), "\"\\udce3\\udc81\""); // truncated sequence
    ResultWriter writer({"Name"});
    writer.addRow({"x"});
    writer.addExtra("#columns", {"A", "B"});
    writer.addExtra("#header", {"66%"});
    EXPECT_EQ(writer.render(OutputFormat::Json),
              "{\"rows\":[\n{\"Name\":\"x\"}],\n\"columns\":[\"A\",\"B\"],\n\"header\":\"66%\"}\n");
}

namespace {

// Fields that CSV must quote, Japanese text, a comma-free plain field, an empty one.
ResultWriter awkwardTable()
{
    ResultWriter writer({"Name", "Path"});
    writer.addRow({"見積,最終版.txt", "/home/\"quoted\"/"});
    writer.addRow({"two\nlines\r\nhere", ""});
    writer.addRow({"plain", "tab\there"});
    writer.addExtra("#count", {"3 個"});
    return writer;
}

const std::vector<std::vector<std::string>> kAwkwardRecords = {
    {"見積,最終版.txt", "/home/\"quoted\"/"},
    {"two\nlines\r\nhere", ""},
    {"plain", "tab\there"},
    {"#count", "3 個"},
};

// An RFC 4180 reader: records of fields, quoted fields may hold anything.
std::vector<std::vector<std::string>> readCsv(std::string_view text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

TEST(ResultWriter, CsvQuotesPerRfc4180BehindAByteOrderMark)
{
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("cr\ronly"), "\"cr\ronly\"");
    EXPECT_EQ(CsvField("tab\tstays"), "tab\tstays");

    const std::string csv = awkwardTable().render(OutputFormat::Csv);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 1),
              "\"見積,最終版.txt\",\"/home/\"\"quoted\"\"/\"\r\n");
    EXPECT_TRUE(csv.ends_with("here\",\r\nplain,tab\there\r\n#count,3 個\r\n"));
    EXPECT_EQ(readCsv(std::string_view(csv).substr(3)), kAwkwardRecords);
}

TEST(ResultWriter, CsvShowsFormulaLikeCellsAsTextWhileTsvAndJsonStayExact)
{
    const std::pair<const char*, const char*> cells[] = {
        {"=1+1", "'=1+1"},
        {"+81 3", "'+81 3"},
        {"-1%", "'-1%"},
        {"@cmd", "'@cmd"},
        {"\t=x", "'\t=x"},
        {"\r=x", "\"'\r=x\""},
        {"=HYPERLINK(\"u\",\"v\")", "\"'=HYPERLINK(\"\"u\"\",\"\"v\"\")\""},
        {"a=b-c", "a=b-c"},
    };
    for (const auto& [cell, written] : cells)
        EXPECT_EQ(CsvField(cell), written) << cell;

    ResultWriter writer({"Name"});
    writer.addRow({"=1+1"});
    EXPECT_EQ(writer.render(OutputFormat::Tsv), "=1+1\n");
    EXPECT_EQ(writer.render(OutputFormat::Json), "{\"rows\":[\n{\"Name\":\"=1+1\"}]}\n");
    EXPECT_EQ(writer.render(OutputFormat::Csv), "\xEF\xBB\xBF'=1+1\r\n");
}

TEST(ResultWriter, SavedListFormatFollowsTheExtension)
{
    EXPECT_EQ(SaveFormatForPath("/tmp/list.csv"), OutputFormat::Csv);
    EXPECT_EQ(SaveFormatForPath("/tmp/LIST.CSV"), OutputFormat::Csv);
    EXPECT_EQ(SaveFormatForPath("/tmp/list.tsv"), OutputFormat::Tsv);
    EXPECT_EQ(SaveFormatForPath("/tmp/list"), OutputFormat::Tsv);
    EXPECT_EQ(SaveFormatForPath("/tmp/a.csv/list"), OutputFormat::Tsv);
    EXPECT_EQ(SaveFormatForPath("/tmp/list.csvx"), OutputFormat::Tsv);
}
