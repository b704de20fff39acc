// Every option the tool's help names is described by the man page and offered by
// the bash completion, so that the three cannot drift apart.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/HelpText.h"

using namespace quorvex::cli;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

std::set<std::string> LongOptionsOf(const std::string& text)
{
    std::set<std::string> options;
    const std::regex option("--[a-z]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

} // namespace

TEST(HelpAgreement, ManPageAndCompletionKnowEveryOptionOfTheHelp)
{
    std::string help = HelpText("");
    for (const char* command : {"compare", "dups", "identical", "empty"})
        help += HelpText(command);
    const std::set<std::string> options = LongOptionsOf(help);
    ASSERT_GE(options.size(), 12u);

    const std::string manPage = ReadFile(QUORVEX_SOURCE_DIR "/docs/man/quorvex-cli.1.in");
    const std::string completion = ReadFile(QUORVEX_SOURCE_DIR "/assets/completion/quorvex-cli");
    ASSERT_FALSE(manPage.empty());
    ASSERT_FALSE(completion.empty());
    for (const std::string& option : options) {
        // roff writes a dash as "\-".
        const std::string inRoff = std::regex_replace(option, std::regex("-"), "\\-");
        EXPECT_NE(manPage.find(inRoff), std::string::npos) << option << " in the man page";
        EXPECT_NE(completion.find(option), std::string::npos) << option << " in the completion";
    }
}
