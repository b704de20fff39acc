#pragma once
// Runs a shell command line and collects what it printed, for tests of the
// command-line programs as a user meets them.

#include <string>

namespace quorvex::test {

struct CommandRun
{
    int exitCode = -1; // -1 when the command did not end normally
    std::string out;
    std::string err;
};

// `commandLine` goes to /bin/sh as it is: quote its words with ShellQuoted.
CommandRun RunCommand(const std::string& commandLine);

// The text as one single-quoted shell word.
std::string ShellQuoted(const std::string& text);

} // namespace quorvex::test
