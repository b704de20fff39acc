// quorvex-cli as a new user meets it: help, version and usage errors, run as a
// process.
#include <gtest/gtest.h>

#include <string>

#include "support/RunCommand.h"

using quorvex::test::RunCommand;

namespace {

quorvex::test::CommandRun Cli(const std::string& arguments)
{
    return RunCommand(quorvex::test::ShellQuoted(QUORVEX_CLI_PATH) + " " + arguments);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(CliHelp, HelpAndVersionGoToStandardOutputAndSucceed)
{
    for (const char* flag : {"--help", "-h"}) {
        const auto run = Cli(flag);
        EXPECT_EQ(run.exitCode, 0) << flag;
        EXPECT_TRUE(run.err.empty());
        EXPECT_EQ(run.out.rfind("usage: quorvex-cli", 0), 0u);
        for (const char* command : {"compare", "dups", "identical", "empty"})
            EXPECT_TRUE(Contains(run.out, command)) << command;
        EXPECT_TRUE(Contains(run.out, "Exit status"));
    }
    const auto version = Cli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "quorvex-cli " QUORVEX_PROJECT_VERSION "\n");
}

TEST(CliHelp, EachCommandExplainsItsOptionsColumnsAndExitCodes)
{
    struct Expected
    {
        const char* command;
        std::vector<const char*> parts;
    };
    const Expected cases[] = {
        {"compare",
         {"compare [--content] [--no-cache] [--act COPY [--only-missing] [--versioned] "
          "[--dry-run]] A B",
          "--content", "update-both", "cell6", "#columns", "#header", "#copied"}},
        {"dups", {"--threshold N", "--threads N", "基準", "group", "band"}},
        {"identical", {"FILE FOLDER", "--threshold N", "--threads N", "content"}},
        {"empty", {"empty [--act trash|delete [--dry-run]] FOLDER", "AttributeText", "#count"}},
    };
    for (const auto& expected : cases) {
        const auto run = Cli(std::string(expected.command) + " --help");
        EXPECT_EQ(run.exitCode, 0) << expected.command;
        for (const char* part : expected.parts)
            EXPECT_TRUE(Contains(run.out, part)) << expected.command << ": " << part;
        for (const char* common : {"--hidden", "--masks FILE", "--format", "  64  wrong usage"})
            EXPECT_TRUE(Contains(run.out, common)) << expected.command << ": " << common;
        // Only this command's usage line.
        EXPECT_EQ(Count(run.out, "quorvex-cli [options] "), 1u) << expected.command;
    }
}

TEST(CliHelp, UsageErrorSaysWhatWasWrongOnOneLineThenTheUsage)
{
    const auto run = Cli("dups --dry-run a");
    EXPECT_EQ(run.exitCode, 64);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "quorvex-cli: --keep and --dry-run go with --act");
    EXPECT_TRUE(Contains(run.err, "\nusage: quorvex-cli [options] dups [--threshold N]"));
    EXPECT_TRUE(Contains(run.err, "Try 'quorvex-cli dups --help'"));

    const auto unknown = Cli("--versoin");
    EXPECT_EQ(unknown.exitCode, 64);
    EXPECT_EQ(unknown.err.rfind("quorvex-cli: unknown option --versoin\nusage: ", 0), 0u);
}

TEST(CliHelp, HelpThatCannotBeWrittenFails)
{
    EXPECT_EQ(Cli("--help >/dev/full").exitCode, 1);
}
