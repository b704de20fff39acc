#include <gtest/gtest.h>

#include "cli/ResultWriter.h"

using namespace quorvex::cli;

TEST(ResultWriter, TsvKeepsBytesAndAppendsExtras)
{
    ResultWriter writer({"Name", "Path"});
    writer.addRow({"a\xff.txt", "sub/"});
    writer.addExtra("#count", {"1 個"});
    EXPECT_EQ(writer.render(OutputFormat::Tsv), "a\xff.txt\tsub/\n#count\t1 個\n");
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
    EXPECT_EQ(JsonString("\xe3\x81"), "\"\\udce3\\udc81\"");  // truncated sequence
    ResultWriter writer({"Name"});
    writer.addRow({"x"});
    writer.addExtra("#columns", {"A", "B"});
    writer.addExtra("#header", {"66%"});
    EXPECT_EQ(writer.render(OutputFormat::Json),
              "{\"rows\":[\n{\"Name\":\"x\"}],\n\"columns\":[\"A\",\"B\"],\n\"header\":\"66%\"}\n");
}
