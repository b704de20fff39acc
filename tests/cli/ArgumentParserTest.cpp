#include <gtest/gtest.h>

#include "cli/ArgumentParser.h"
#include "duplicates/PicturePairing.h"

using namespace quorvex::cli;

namespace {

std::variant<CliOptions, UsageError> parse(std::vector<std::string> args)
{
    return ParseArguments(args);
}

} // namespace

TEST(ArgumentParser, AcceptsEachCommandWithItsOptions)
{
    auto compare = parse({"--hidden", "compare", "--content", "a", "b", "--format", "json"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(compare));
    const auto& c = std::get<CliOptions>(compare);
    EXPECT_EQ(c.command, "compare");
    EXPECT_TRUE(c.hidden);
    EXPECT_TRUE(c.content);
    EXPECT_EQ(c.format, OutputFormat::Json);
    EXPECT_EQ(c.operands, (std::vector<std::string>{"a", "b"}));

    auto identical = parse({"identical", "--threshold", "10", "--threads", "3", "f", "d"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(identical));
    EXPECT_EQ(std::get<CliOptions>(identical).threshold, 10);
    EXPECT_EQ(std::get<CliOptions>(identical).threads, 3u);

    auto acting = parse(
        {"dups", "--act", "move=/aside", "--keep", "under=/a", "--dry-run", "/a", "/b", "/c"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(acting));
    const auto& a = std::get<CliOptions>(acting);
    EXPECT_EQ(a.act, quorvex::ActionKind::Move);
    EXPECT_EQ(a.moveFolder, "/aside");
    EXPECT_EQ(a.keep, quorvex::KeepRule::UnderFolder);
    EXPECT_EQ(a.keepFolder, "/a");
    EXPECT_TRUE(a.dryRun);
    EXPECT_EQ(a.operands.size(), 3u);
    EXPECT_EQ(std::get<CliOptions>(parse({"dups", "--act", "symlink", "d"})).act,
              quorvex::ActionKind::SymbolicLink);

    auto copying =
        parse({"compare", "a", "b", "--act", "update-both", "--only-missing", "--dry-run"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(copying));
    EXPECT_EQ(std::get<CliOptions>(copying).copy, quorvex::CopyChoice::UpdateBoth);
    EXPECT_FALSE(std::get<CliOptions>(copying).act);
    EXPECT_TRUE(std::get<CliOptions>(copying).onlyMissing);
    // A picture search starts at its own threshold unless one is given.
    const auto pictures =
        std::get<CliOptions>(parse({"dups", "--pictures", "--no-rotations", "d"}));
    EXPECT_TRUE(pictures.pictures);
    EXPECT_FALSE(pictures.rotations);
    EXPECT_EQ(pictures.threshold, quorvex::kDefaultPictureThreshold);
    EXPECT_EQ(
        std::get<CliOptions>(parse({"dups", "--threshold", "90", "--pictures", "d"})).threshold,
        90);
    EXPECT_EQ(std::get<CliOptions>(parse({"dups", "d"})).threshold, 100);

    // A list opened from a file: compare still names A and B, the others no path.
    auto loaded = parse({"--load", "l.tsv", "dups", "--act", "trash"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(loaded));
    EXPECT_EQ(std::get<CliOptions>(loaded).load, "l.tsv");
    EXPECT_TRUE(std::get<CliOptions>(loaded).operands.empty());
    EXPECT_TRUE(std::holds_alternative<CliOptions>(parse({"compare", "--load", "l", "a", "b"})));

    auto dashes = parse({"empty", "--", "--odd-name"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(dashes));
    EXPECT_EQ(std::get<CliOptions>(dashes).operands.front(), "--odd-name");
}

TEST(ArgumentParser, RefusesWrongUsage)
{
    for (auto args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate", "x"},
             {"compare", "a"},
             {"dups"},
             {"identical", "f", "d", "e"},
             {"dups", "--act", "copy", "d"},
             {"dups", "--act", "update-b", "d"},
             {"compare", "--act", "trash", "a", "b"},
             {"compare", "--only-missing", "a", "b"},
             {"dups", "--act", "trash", "--only-missing", "d"},
             {"compare", "--versioned", "a", "b"},
             {"dups", "--act", "trash", "--versioned", "d"},
             {"compare", "--act", "copy-a-to-b", "--keep", "first", "a", "b"},
             {"dups", "--act", "move=", "d"},
             {"dups", "--keep", "first", "d"},
             {"dups", "--act", "trash", "--keep", "latest", "d"},
             {"dups", "--dry-run", "d"},
             {"identical", "--act", "trash", "f", "d"},
             {"dups", "--threshold", "9", "d"},
             {"dups", "--threshold", "101", "d"},
             {"dups", "--threshold", "5x", "d"},
             {"empty", "--content", "d"},
             {"compare", "--threshold", "50", "a", "b"},
             {"dups", "--threads", "0", "d"},
             {"empty", "--threads", "2", "d"},
             {"--format", "xml", "empty", "d"},
             {"--exclude", "empty", "d"},
             {"empty", "d", "--masks"},
             {"--bogus", "empty", "d"},
             {"dups", "--load"},
             {"dups", "--load", "l", "d"},
             {"empty", "--load", "l", "d"},
             {"dupdirs", "--load", "l", "--act", "trash"},
             {"compare", "--load", "l", "a"},
             {"dups", "--load", "l", "--threshold", "90"},
             {"--hidden", "empty", "--load", "l"},
             {"cache", "--load", "l"},
             {"cache"},
             {"cache", "wipe"},
             {"empty", "--no-cache", "d"},
             {"dups", "--no-cache", "--load", "l"},
             {"identical", "--pictures", "f", "d"},
             {"dups", "--no-rotations", "d"},
             {"dups", "--pictures", "--load", "l"},
         })
        EXPECT_TRUE(std::holds_alternative<UsageError>(parse(args)))
            << ::testing::PrintToString(args);
}

TEST(ArgumentParser, HelpAndVersionNeedNoOperandsButAKnownCommand)
{
    for (auto args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"dups", "--help"}, {"-h", "compare", "a"}, {"--version"}}) {
        auto parsed = parse(args);
        ASSERT_TRUE(std::holds_alternative<CliOptions>(parsed)) << ::testing::PrintToString(args);
        const auto& options = std::get<CliOptions>(parsed);
        EXPECT_TRUE(options.help || options.version);
        EXPECT_TRUE(options.operands.empty());
    }
    EXPECT_EQ(std::get<CliOptions>(parse({"identical", "-h"})).command, "identical");
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"frobnicate", "--help"})));
    // After "--" they are paths.
    auto path = parse({"empty", "--", "-h"});
    ASSERT_TRUE(std::holds_alternative<CliOptions>(path));
    EXPECT_FALSE(std::get<CliOptions>(path).help);
    EXPECT_EQ(std::get<CliOptions>(path).operands.front(), "-h");
}

TEST(ArgumentParser, UsageErrorsAreOneLineAndNameTheCommandWhenKnown)
{
    const auto count = std::get<UsageError>(parse({"identical", "f"}));
    EXPECT_EQ(count.message, "identical takes 2 paths, not 1");
    EXPECT_EQ(count.command, "identical");
    EXPECT_EQ(std::get<UsageError>(parse({"dups"})).message, "dups takes at least 1 path, not 0");
    EXPECT_EQ(std::get<UsageError>(parse({"compare", "--threshold", "50", "a", "b"})).command,
              "compare");
    EXPECT_EQ(std::get<UsageError>(parse({"--bogus", "empty", "d"})).message,
              "unknown option --bogus");
    for (auto args : std::vector<std::vector<std::string>>{{},
                                                           {"x"},
                                                           {"--format"},
                                                           {"dups", "--threshold", "7", "d"},
                                                           {"--exclude", "empty", "d"}})
        EXPECT_EQ(std::get<UsageError>(parse(args)).message.find('\n'), std::string::npos);
}
