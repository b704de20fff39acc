#include "cli/HelpText.h"

namespace quorvex::cli {

namespace {

struct CommandHelp
{
    const char* name;
    const char* usage;   // the usage line after "quorvex-cli [options] "
    const char* summary; // what the command does, a few lines
    const char* options; // the command's own options, or empty
    const char* output;  // the columns of a row and the lines after the rows
    const char* refused; // when the command exits with 2
};

constexpr CommandHelp kCommands[] = {
    {"compare", "compare [--content] [--no-cache] A B",
     "Compares A with B: two folders, walked recursively and paired by relative path,\n"
     "or two files. Every entry becomes one row; rows come in path order.\n",
     "  --content          also compare the contents and give the share of equal bytes\n"
     "  --no-cache         neither use nor fill the scan cache\n",
     "  1 Name     A's name, or \"なし\" when only B has the entry\n"
     "  2 cell0    B's name, or \"なし\" when only A has it\n"
     "  3 cell1    size: \"大-小\" A is larger, \"小-大\" A is smaller, \" 同\" equal;\n"
     "             empty for folders\n"
     "  4 cell2    modification time: \"新-旧\" A is newer, \"旧-新\" A is older, \" 同\"\n"
     "  5 cell3    attributes: \" 同  A\" equal (then A's letters), else A's and B's\n"
     "             letters such as \"A-A/H\" (A archive, D folder, H hidden,\n"
     "             R read-only, N normal, S system, T temporary)\n"
     "  6 cell4    content: \"87%\" with --content (\"-1%\" when a file cannot be read),\n"
     "             \"-----\" or \"-------\" without it; empty for folders and one-sided rows\n"
     "  7 cell5    a file's folder relative to A and B (\"sub/\"), a folder's own path\n"
     "  8 cell6    the content percentage in digits, or empty\n"
     "Then \"#columns\" with the captions of A and B, and \"#header\" with the caption of\n"
     "the content column: \"内容(%)\", or the average percentage after --content.\n",
     "A or B is neither an existing file nor an existing folder, or one is a file and\n"
     "the other a folder"},
    {"dups",
     "dups [--threshold N] [--pictures [--no-rotations]] [--threads N] [--no-cache]\n"
     "                             [--act ACTION [--keep RULE] [--dry-run]] FOLDER...",
     "Finds groups of duplicate files in the FOLDERs and their subfolders: files whose\n"
     "contents match the group's reference file to at least N percent. Groups span\n"
     "the folders. Only files that belong to a group are listed, group by group.\n"
     "With --act, one file of each group stays and the others are acted on.\n",
     "  --pictures         compare pictures (JPEG, PNG, GIF, BMP; WebP and TIFF where\n"
     "                     the image plugins are installed) by what they show, so that\n"
     "                     copies resized, saved again, converted, lightly cropped,\n"
     "                     turned or mirrored group together; other files take no\n"
     "                     part, and a file named as a picture that cannot be decoded\n"
     "                     is named as unreadable. The match is the share of 63\n"
     "                     fingerprint bits that agree beyond chance: 100% all of\n"
     "                     them, 0% half, as for unrelated pictures (default 74)\n"
     "  --no-rotations     with --pictures: turned or mirrored copies do not match\n"
     "  --threshold N      the least share of equal content, 10 to 100 (default 100)\n"
     "  --threads N        use at most N worker threads for the search\n"
     "                     (default: one per core; at most four per core)\n"
     "  --no-cache         neither use nor fill the scan cache\n"
     "  --act ACTION       what happens to the files that do not stay:\n"
     "                       trash     they go to the desktop trash\n"
     "                       hardlink  each becomes a hard link to the kept file\n"
     "                       symlink   each becomes a symbolic link to it (absolute)\n"
     "                       reflink   each becomes a clone of it that shares its\n"
     "                                 blocks (fails where the file system cannot\n"
     "                                 clone; never a full copy instead)\n"
     "                       move=DIR  they move into DIR with their paths below the\n"
     "                                 searched folders; nothing there is replaced\n"
     "                                 (a file there of equal size, time and bytes,\n"
     "                                 as a stopped move leaves it, ends the move)\n"
     "                     Symbolic links, files in a trash folder (the user's, a\n"
     "                     volume's) and files below the move=DIR are left out:\n"
     "                     never kept, never acted on.\n"
     "                     Links and clones need --threshold 100 and no --pictures.\n"
     "                     Each file is checked again first: size and time as\n"
     "                     listed, and for a link or a clone all its bytes equal to\n"
     "                     the kept file's.\n"
     "  --keep RULE        which file of each group stays (default first):\n"
     "                       first      the group's reference file (\"基準\")\n"
     "                       newest     the newest (of equal times, the first listed)\n"
     "                       oldest     the oldest\n"
     "                       under=DIR  the files in DIR, a searched folder or one in\n"
     "                                  it; groups without a file there stay whole\n"
     "  --dry-run          print what --act would do and change nothing\n",
     "  1 name     file name\n"
     "  2 content  \"基準\" for the reference file that heads a group, else the match\n"
     "             with it such as \"87%\"\n"
     "  3 size     size in bytes\n"
     "  4 date     last modification, local time, yyyy/mm/dd hh:nn\n"
     "  5 folder   the folder holding the file, ending in \"/\"\n"
     "  6 group    the group's label\n"
     "  7 band     \"0\" or \"1\", alternating from group to group\n"
     "With --act the rows are the plan (--dry-run) or what was done, one a file:\n"
     "  1 action   trash, move, hardlink, symlink or reflink\n"
     "  2 path     the file acted on\n"
     "  3 kept     the file of its group that stays\n"
     "  4 bytes    what it frees on its disk: its size when its last link goes,\n"
     "             else 0; the trash and a move within one file system free nothing\n"
     "  5 to       where a moved file goes, else empty\n"
     "Then \"#freed\" with the bytes of all rows: what the free space of the disks\n"
     "gains, as the dry run and the run both say.\n",
     "a FOLDER is not an existing folder or lies within another; with --act, a\n"
     "      link or clone below --threshold 100 or with --pictures, a move=DIR that\n"
     "      is a file, or an under=DIR that is not a folder inside a FOLDER"},
    {"identical", "identical [--threshold N] [--threads N] [--no-cache] FILE FOLDER",
     "Lists the files in FOLDER and its subfolders whose contents match FILE to at\n"
     "least N percent, in the order of the walk. FILE itself is listed when it lies\n"
     "inside FOLDER.\n",
     "  --threshold N      the least share of equal content, 10 to 100 (default 100)\n"
     "  --threads N        use at most N worker threads for the search\n"
     "                     (default: one per core; at most four per core)\n"
     "  --no-cache         neither use nor fill the scan cache\n",
     "  1 name     file name\n"
     "  2 content  the match with FILE, such as \"87%\"\n"
     "  3 size     size in bytes\n"
     "  4 date     last modification, local time, yyyy/mm/dd hh:nn\n"
     "  5 folder   the folder holding the file, ending in \"/\"\n"
     "  6 group    empty\n"
     "  7 band     empty\n",
     "FILE is empty, not an existing file or cannot be read (named on standard\n"
     "      error), or FOLDER is not an existing folder"},
    {"empty", "empty FOLDER",
     "Finds the empty folders and zero-size files in FOLDER and its subfolders,\n"
     "sorted by name.\n",
     "",
     "  1 Name           file or folder name\n"
     "  2 AttributeText  attribute letters (A archive, D folder, H hidden, R read-only,\n"
     "                   N normal, S system, T temporary)\n"
     "  3 Path           the full path\n"
     "Then \"#count\" with the number of finds, such as \"12 個\".\n",
     "FOLDER is not an existing folder"},
    {"cache", "cache stats|clear|prune",
     "Shows, empties or prunes the scan cache: what the searches read from files,\n"
     "kept by each file's identity on its volume (device and file number) with its\n"
     "size and modification time, so that a later search reads only files that\n"
     "changed. It lies in $QUORVEX_CACHE, else $XDG_CACHE_HOME/quorvex/cache.sqlite\n"
     "(~/.cache/quorvex/cache.sqlite). prune drops the entries not used for 180\n"
     "days, and the least recently used beyond 20 million; every search does so\n"
     "once a day.\n",
     "",
     "  1 path     the cache file\n"
     "  2 entries  the files it knows\n"
     "  3 bytes    its size on disk\n"
     "After prune, \"#pruned\" with the number of entries dropped.\n",
     "never"},
};

constexpr const char* kCommonOptions =
    "Common options (before or after the command):\n"
    "  --hidden           include hidden files\n"
    "  --system           include system files (FIFOs, sockets, devices)\n"
    "  --masks FILE       take only files whose extension matches a mask in FILE\n"
    "                     (one mask a line, such as *.txt; at most 1 MiB)\n"
    "  --exclude          with --masks: leave out the files the masks match instead\n"
    "  --format tsv|json  output form (default tsv)\n"
    "  --progress         a progress bar on standard error when it is a terminal\n"
    "  --load FILE        search nothing: print the list saved in FILE (TSV or JSON)\n"
    "                     as a run prints it, each row checked against the disk; a\n"
    "                     file vanished or changed since is named on standard error\n"
    "                     and never acted on; compare takes A and B again, the\n"
    "                     other commands no path; no search options go with it\n"
    "  -h, --help         this help; after a command, the command's help\n"
    "  --version          print the version\n"
    "  --                 the words after it are paths, even when they begin with -\n";

constexpr const char* kOutputForms =
    "TSV has one line a row, its fields joined by tabs; tab, line feed, carriage\n"
    "return and backslash in a field are written as \\t, \\n, \\r and \\\\. JSON is one\n"
    "object {\"rows\": [...]} whose rows carry the same fields by name, with the lines\n"
    "after the rows as fields.\n";

const CommandHelp* findCommand(const std::string& name)
{
    for (const CommandHelp& help : kCommands)
        if (name == help.name)
            return &help;
    return nullptr;
}

std::string usageLines(const CommandHelp* only)
{
    std::string text;
    for (const CommandHelp& help : kCommands) {
        if (only && only != &help)
            continue;
        text += text.empty() ? "usage: " : "       ";
        text += std::string("quorvex-cli [options] ") + help.usage + "\n";
    }
    if (!only)
        text += "       quorvex-cli --help | --version | COMMAND --help\n";
    return text;
}

std::string exitCodes(const char* refused)
{
    return std::string("Exit status:\n"
                       "  0   done, also when nothing was found (a notice on standard error)\n"
                       "  1   any other failure, such as a mask file that cannot be read\n"
                       "      or is too large\n"
                       "  2   the input was refused: ") +
           refused +
           ";\n"
           "      or a --load FILE holds no such list (quorvex-cli: FILE: WHAT)"
           "\n"
           "  3   done, but some folders or files could not be read: each is named on\n"
           "      standard error (quorvex-cli: cannot read PATH: REASON); also when --act\n"
           "      could not act on some files (quorvex-cli: cannot ACTION PATH: REASON),\n"
           "      and when rows of --load FILE are not as listed (quorvex-cli: PATH:\n"
           "      vanished since the list was saved, or changed)\n"
           "  64  wrong usage\n";
}

std::string commandHelp(const CommandHelp& help)
{
    std::string text = usageLines(&help) + "\n" + help.summary + "\n";
    if (*help.options)
        text += std::string("Options:\n") + help.options + "\n";
    text += std::string(kCommonOptions) + "\n";
    text += std::string("Output, one row a find:\n") + help.output + "\n" + kOutputForms + "\n";
    text += exitCodes(help.refused);
    return text;
}

std::string toolHelp()
{
    return usageLines(nullptr) +
           "\n"
           "Runs the searches of the Quorvex desktop program and prints their result lists\n"
           "as the program holds them after a run.\n"
           "\n"
           "Commands:\n"
           "  compare    compare two folders or two files\n"
           "  dups       find groups of duplicate files in folders, and act on them\n"
           "  identical  find the files in a folder that match one file\n"
           "  empty      find empty folders and zero-size files\n"
           "  cache      show, empty or prune the scan cache\n"
           "\n" +
           kCommonOptions + "\n" + kOutputForms + "\n" +
           exitCodes("a path is not what the command needs") +
           "\n"
           "'quorvex-cli COMMAND --help' gives a command's options and output columns.\n";
}

} // namespace

std::string UsageText(const std::string& command)
{
    const CommandHelp* help = findCommand(command);
    return usageLines(help) + "Try 'quorvex-cli " + (help ? command + " " : std::string()) +
           "--help' for more.\n";
}

std::string HelpText(const std::string& command)
{
    const CommandHelp* help = findCommand(command);
    return help ? commandHelp(*help) : toolHelp();
}

std::string VersionText()
{
    return "quorvex-cli " QUORVEX_VERSION "\n";
}

} // namespace quorvex::cli
