#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/TextFile.h"
#include "support/TempTree.h"

namespace {

using quorvex::test::TempTree;

struct CliRun
{
    int exitCode = -1;
    std::string out, err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun RunCli(const TempTree& scratch, const std::string& arguments)
{
    const std::string errFile = scratch.path("stderr.txt");
    const std::string command =
        std::string(QUORVEX_CLI_PATH) + " " + arguments + " 2>" + Quoted(errFile);
    CliRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = quorvex::platform::ReadWholeFile(errFile).value_or("");
    return run;
}

// b/ (empty), a/Zero, c/zero, .hidden, data.txt, x/zero, x/y/ (empty)
void MakeSmallTree(const TempTree& t)
{
    t.dir("tree/b");
    t.file("tree/a/Zero");
    t.file("tree/a/full", "data");
    t.file("tree/c/zero");
    t.file("tree/.hidden");
    t.file("tree/data.txt", "text");
    t.file("tree/x/zero");
    t.dir("tree/x/y");
}

TEST(EmptyCommand, TsvListsTheRecordsSortedByNameAndTheCount)
{
    TempTree t;
    MakeSmallTree(t);
    const std::string tree = t.path("tree");
    const CliRun run = RunCli(t, "empty " + Quoted(tree));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Zero\tA\t" + tree +
                           "/a/Zero\n"
                           "b\tD\t" +
                           tree +
                           "/b\n"
                           "y\tD\t" +
                           tree +
                           "/x/y\n"
                           "zero\tA\t" +
                           tree +
                           "/c/zero\n"
                           "zero\tA\t" +
                           tree +
                           "/x/zero\n"
                           "#count\t5 個\n");

    const CliRun hidden = RunCli(t, "--hidden empty " + Quoted(tree + "/"));
    EXPECT_EQ(hidden.out.substr(0, hidden.out.find('\n')), ".hidden\tA/H\t" + tree + "/.hidden");
    EXPECT_NE(hidden.out.find("#count\t6 個\n"), std::string::npos);
}

TEST(EmptyCommand, JsonCarriesTheSameFieldsByName)
{
    TempTree t;
    t.dir("tree/only");
    const std::string tree = t.path("tree");
    const CliRun run = RunCli(t, "--format json empty " + Quoted(tree));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"rows\":[\n{\"Name\":\"only\",\"AttributeText\":\"D\",\"Path\":\"" +
                           tree + "/only\"}],\n\"count\":\"1 個\"}\n");
}

TEST(EmptyCommand, RefusesAPathThatIsNotAFolder)
{
    TempTree t;
    const std::string file = t.file("plain.txt", "x");
    for (const std::string& path : {t.path("missing"), file}) {
        const CliRun run = RunCli(t, "empty " + Quoted(path));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "フォルダ [ " + path + " ]\n\nファイルパスが不明です。\n");
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
