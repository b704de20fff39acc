#include "cli/ArgumentParser.h"

#include <cstdlib>

#include "duplicates/PicturePairing.h"

namespace quorvex::cli {

namespace {

struct CommandShape
{
    const char* name;
    std::size_t operands;
    bool moreOperands; // takes `operands` or more
    bool takesContent;
    bool takesThreshold;
    bool takesActions;  // --act, --keep, --dry-run (compare: --act, --only-missing, --dry-run)
    bool readsContents; // --no-cache
};

constexpr CommandShape kCommands[] = {
    {"compare", 2, false, true, false, true, true},
    {"dups", 1, true, false, true, true, true},
    {"dupdirs", 1, true, false, true, true, true},
    {"identical", 2, false, false, true, false, true},
    {"empty", 1, false, false, false, true, false},
    {"cache", 1, false, false, false, false, false},
};

const CommandShape* findCommand(const std::string& name)
{
    for (const auto& shape : kCommands)
        if (name == shape.name)
            return &shape;
    return nullptr;
}

// A whole number of at most `digits` decimal digits.
bool parseWholeNumber(const std::string& text, std::size_t digits, unsigned& out)
{
    if (text.empty() || text.size() > digits)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    out = static_cast<unsigned>(std::atoi(text.c_str()));
    return true;
}

bool parseThreshold(const std::string& text, int& out)
{
    unsigned value = 0;
    if (!parseWholeNumber(text, 3, value) || value < 10 || value > 100)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool parseThreadCount(const std::string& text, unsigned& out)
{
    return parseWholeNumber(text, 4, out) && out >= 1;
}

// The folder of "WORD=DIR" when `text` begins with "WORD=" and a folder follows.
bool parseFolderWord(const std::string& text, std::string_view word, std::string& folder)
{
    if (text.size() <= word.size() + 1 || !text.starts_with(word) || text[word.size()] != '=')
        return false;
    folder = text.substr(word.size() + 1);
    return true;
}

bool parseAct(const std::string& text, CliOptions& options)
{
    for (ActionKind kind :
         {ActionKind::Trash, ActionKind::HardLink, ActionKind::SymbolicLink, ActionKind::Reflink})
        if (text == ActionWord(kind)) {
            options.act = kind;
            return true;
        }
    if (!parseFolderWord(text, ActionWord(ActionKind::Move), options.moveFolder))
        return false;
    options.act = ActionKind::Move;
    return true;
}

// empty --act: the empty items into the program's trash list, or deleted for good.
bool parseEmptyAct(const std::string& text, CliOptions& options)
{
    for (ActionKind kind : {ActionKind::TrashEmpty, ActionKind::DeleteEmpty})
        if (text == ActionWord(kind)) {
            options.act = kind;
            return true;
        }
    return false;
}

// compare --act: the copies between the sides.
bool parseCopy(const std::string& text, CliOptions& options)
{
    constexpr std::pair<std::string_view, CopyChoice> kChoices[] = {
        {"copy-a-to-b", CopyChoice::AToB},
        {"copy-b-to-a", CopyChoice::BToA},
        {"update-b", CopyChoice::UpdateB},
        {"update-both", CopyChoice::UpdateBoth}};
    for (const auto& [word, choice] : kChoices)
        if (text == word) {
            options.copy = choice;
            return true;
        }
    return false;
}

bool parseKeep(const std::string& text, CliOptions& options)
{
    if (text == "first")
        options.keep = KeepRule::Reference;
    else if (text == "newest")
        options.keep = KeepRule::Newest;
    else if (text == "oldest")
        options.keep = KeepRule::Oldest;
    else if (parseFolderWord(text, "under", options.keepFolder))
        options.keep = KeepRule::UnderFolder;
    else
        return false;
    return true;
}

} // namespace

std::variant<CliOptions, UsageError> ParseArguments(const std::vector<std::string>& args)
{
    CliOptions options;
    bool optionsEnded = false;
    bool thresholdGiven = false;
    bool threadsGiven = false;
    bool keepGiven = false;
    std::optional<std::string> actText; // read once the command is known
    std::vector<std::string> words;     // command and operands
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto needValue = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size())
                return nullptr;
            (void)what;
            return &args[++i];
        };
        if (optionsEnded) {
            words.push_back(arg);
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--hidden") {
            options.hidden = true;
        } else if (arg == "--system") {
            options.system = true;
        } else if (arg == "--exclude") {
            options.exclude = true;
        } else if (arg == "--progress") {
            options.progress = true;
        } else if (arg == "--content") {
            options.content = true;
        } else if (arg == "--masks") {
            const std::string* value = needValue("--masks");
            if (!value)
                return UsageError{"--masks needs a file"};
            options.masks = *value;
        } else if (arg == "--load") {
            const std::string* value = needValue("--load");
            if (!value)
                return UsageError{"--load needs a file"};
            options.load = *value;
        } else if (arg == "--format") {
            const std::string* value = needValue("--format");
            if (!value || (*value != "tsv" && *value != "json"))
                return UsageError{"--format takes tsv or json"};
            options.format = *value == "json" ? OutputFormat::Json : OutputFormat::Tsv;
        } else if (arg == "--threshold") {
            const std::string* value = needValue("--threshold");
            if (!value || !parseThreshold(*value, options.threshold))
                return UsageError{"--threshold takes a whole number from 10 to 100"};
            thresholdGiven = true;
        } else if (arg == "--pictures") {
            options.pictures = true;
        } else if (arg == "--no-rotations") {
            options.rotations = false;
        } else if (arg == "--act") {
            const std::string* value = needValue("--act");
            if (!value)
                return UsageError{"--act needs an action"};
            actText = *value;
        } else if (arg == "--only-missing") {
            options.onlyMissing = true;
        } else if (arg == "--versioned") {
            options.versioned = true;
        } else if (arg == "--keep") {
            const std::string* value = needValue("--keep");
            if (!value || !parseKeep(*value, options))
                return UsageError{"--keep takes first, newest, oldest or under=DIR"};
            keepGiven = true;
        } else if (arg == "--no-cache") {
            options.noCache = true;
        } else if (arg == "--layout") {
            options.layout = true;
        } else if (arg == "--dry-run") {
            options.dryRun = true;
        } else if (arg == "--threads") {
            const std::string* value = needValue("--threads");
            if (!value || !parseThreadCount(*value, options.threads))
                return UsageError{"--threads takes a whole number from 1 to 9999"};
            threadsGiven = true;
        } else {
            return UsageError{"unknown option " + arg};
        }
    }
    // A help or version request needs nothing else of the command line.
    const bool request = options.help || options.version;
    if (words.empty()) {
        if (request)
            return options;
        return UsageError{"no command given"};
    }
    const CommandShape* shape = findCommand(words.front());
    if (!shape)
        return UsageError{"unknown command " + words.front()};
    options.command = shape->name;
    if (request)
        return options;
    const auto misuse = [&](std::string message) {
        return UsageError{std::move(message), shape->name};
    };
    options.operands.assign(words.begin() + 1, words.end());
    if (options.layout && shape->name != std::string_view("dupdirs"))
        return misuse("--layout goes with dupdirs");
    // A saved folder list holds no files to act on.
    if (options.load && actText && shape->name == std::string_view("dupdirs"))
        return misuse("dupdirs --load takes no --act");
    if (actText && !shape->takesActions)
        return misuse("--act goes with dups, dupdirs, compare and empty");
    if (actText && options.command == "compare" && !parseCopy(*actText, options))
        return misuse("compare --act takes copy-a-to-b, copy-b-to-a, update-b or update-both");
    if (actText && options.command == "empty" && !parseEmptyAct(*actText, options))
        return misuse("empty --act takes trash or delete");
    if (actText && options.command != "compare" && options.command != "empty" &&
        !parseAct(*actText, options))
        return misuse("--act takes trash, hardlink, symlink, reflink or move=DIR");
    if (options.load && shape->name == std::string_view("cache"))
        return misuse("--load goes with compare, dups, dupdirs, identical and empty");
    // A list opened from a file takes no searched paths; a comparison's A and B name
    // the roots its rows are checked under.
    const std::size_t operands = options.load && !shape->takesContent ? 0 : shape->operands;
    const bool moreOperands = shape->moreOperands && !options.load;
    if (options.operands.size() < operands ||
        (!moreOperands && options.operands.size() != operands))
        return misuse(std::string(shape->name) + (options.load ? " --load FILE" : "") + " takes " +
                      (moreOperands ? "at least " : "") + std::to_string(operands) +
                      (operands == 1 ? " path, not " : " paths, not ") +
                      std::to_string(options.operands.size()));
    const bool copyOptions = options.onlyMissing || options.versioned;
    const bool actionOptions = keepGiven || options.dryRun || copyOptions;
    if (actionOptions && !shape->takesActions)
        return misuse("--act, --keep and --dry-run go with dups");
    if (keepGiven && (options.command == "compare" || options.command == "empty"))
        return misuse("--keep goes with dups");
    if (copyOptions && options.command != "compare")
        return misuse("--only-missing and --versioned go with compare");
    if (actionOptions && !actText)
        return misuse(options.command == "compare"
                          ? "--only-missing, --versioned and --dry-run go with --act"
                          : "--keep and --dry-run go with --act");
    if (options.content && !shape->takesContent)
        return misuse("--content goes with compare");
    if (thresholdGiven && !shape->takesThreshold)
        return misuse("--threshold goes with dups and identical");
    if (threadsGiven && !shape->takesThreshold)
        return misuse("--threads goes with dups and identical");
    if (options.pictures && options.command != "dups")
        return misuse("--pictures goes with dups");
    if (!options.rotations && !options.pictures)
        return misuse("--no-rotations goes with --pictures");
    if (options.pictures && !thresholdGiven)
        options.threshold = kDefaultPictureThreshold;
    if (options.noCache && !shape->readsContents)
        return misuse("--no-cache goes with compare, dups and identical");
    if (options.command == "cache" && options.operands.front() != "stats" &&
        options.operands.front() != "clear" && options.operands.front() != "prune")
        return misuse("cache takes stats, clear or prune");
    if (options.exclude && !options.masks)
        return misuse("--exclude goes with --masks");
    const bool searchOptions = options.hidden || options.system || options.masks ||
                               options.content || thresholdGiven || threadsGiven ||
                               options.noCache || options.pictures;
    if (options.load && searchOptions)
        return misuse("--load opens a list: the options of a search do not go with it");
    return options;
}

} // namespace quorvex::cli
