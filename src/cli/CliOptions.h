#pragma once
// The parsed command line of quorvex-cli, shared by every subcommand.

#include <optional>
#include <string>
#include <vector>

#include "actions/ActionPlan.h"
#include "common/ResultWriter.h"
#include "compare/CompareActions.h"
#include "duplicates/DupActions.h"

namespace quorvex::cli {

using quorvex::OutputFormat; // --format: tsv or json

struct CliOptions
{
    std::string command;              // compare, dups, dupdirs, identical, empty, cache
    bool help = false;                // -h, --help
    bool version = false;             // --version
    bool hidden = false;              // --hidden
    bool system = false;              // --system
    std::optional<std::string> masks; // --masks FILE
    bool exclude = false;             // --exclude
    OutputFormat format = OutputFormat::Tsv;
    bool progress = false; // --progress
    // --load FILE: the list saved in FILE (TSV or JSON) instead of a search, each row
    // checked against the disk; compare still takes A and B, the others no path.
    std::optional<std::string> load;
    bool content = false;  // compare --content
    int threshold = 100;   // dups / identical --threshold N
    bool pictures = false; // dups --pictures: pictures compared by what they show
    bool rotations = true; // not dups --pictures --no-rotations
    unsigned threads = 0;  // dups / identical --threads N (0: every core)
    bool noCache = false;  // --no-cache: neither read nor fill the scan cache
    bool layout = false;   // dupdirs --layout: equal folders need equal names and layout
    // dups --act trash|hardlink|symlink|reflink|move=DIR: what happens to the files
    // that do not stay; empty --act trash|delete (TrashEmpty, DeleteEmpty): what
    // happens to the items found; without it nothing on disk changes.
    std::optional<ActionKind> act;
    std::string moveFolder;              // the DIR of move=DIR
    KeepRule keep = KeepRule::Reference; // dups --keep first|newest|oldest|under=DIR
    std::string keepFolder;              // the DIR of under=DIR
    // compare --act copy-a-to-b|copy-b-to-a|update-b|update-both: the copies between
    // the two sides; without it nothing on disk changes.
    std::optional<CopyChoice> copy;
    bool onlyMissing = false; // compare --only-missing: only what the other side lacks
    bool versioned =
        false;           // compare --versioned: replaced files stay beside, under versioned names
    bool dryRun = false; // --dry-run with --act: print the plan, change nothing
    std::vector<std::string> operands; // paths, in order
};

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;
// The result was written whole, but some folders or files could not be read (each
// named on standard error); the result lacks them.
constexpr int kExitIncomplete = 3;
constexpr int kExitUsage = 64;

} // namespace quorvex::cli
