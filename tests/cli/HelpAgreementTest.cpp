// Every option the tool's help names is described by the man page and offered by
// the bash completion, so that the three cannot drift apart.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
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

// Every "--" followed by lower-case letters.
std::set<std::string> LongOptionsOf(const std::string& text)
{
    std::set<std::string> options;
    for (auto at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < text.size() && std::islower(static_cast<unsigned char>(text[end])))
            ++end;
        if (end > at + 2)
            options.insert(text.substr(at, end - at));
    }
    return options;
}

// roff writes a dash as "\-".
std::string InRoff(const std::string& option)
{
    std::string roff;
    for (char c : option)
        roff += c == '-' ? std::string("\\-") : std::string(1, c);
    return roff;
}

} // namespace

TEST(HelpAgreement, ManPageAndCompletionKnowEveryOptionOfTheHelp)
{
    std::string help = HelpText("");
    for (const char* command : {"compare", "dups", "identical", "empty"})
        help += HelpText(command);
    const std::set<std::string> options = LongOptionsOf(help);
    ASSERT_GE(options.size(), 11u);

    const std::string manPage = ReadFile(QUORVEX_SOURCE_DIR "/docs/man/quorvex-cli.1.in");
    const std::string completion = ReadFile(QUORVEX_SOURCE_DIR "/assets/completion/quorvex-cli");
    ASSERT_FALSE(manPage.empty());
    ASSERT_FALSE(completion.empty());
    for (const std::string& option : options) {
        EXPECT_NE(manPage.find(InRoff(option)), std::string::npos) << option << " in the man page";
        EXPECT_NE(completion.find(option), std::string::npos) << option << " in the completion";
    }
}
