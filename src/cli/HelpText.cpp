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
    {"compare",
     "compare [--content] [--no-cache] [--act COPY [--only-missing] [--versioned] [--dry-run]] A B",
     "Compares A with B: two folders, walked recursively and paired by relative path,\n"
     "or two files. Each entry becomes one row; rows come in path order.\n"
     "With --act, entries are copied from one side to the other as the rows show.\n",
     "  --content          also compare contents and give the percentage that matches\n"
     "  --no-cache         don't read from or write to the scan cache\n"
     "  --act COPY         copy between the sides, as the rows' cells say:\n"
     "                       copy-a-to-b  A's entries to B, over B's files that differ\n"
     "                       copy-b-to-a  B's entries to A, over A's files that differ\n"
     "                       update-b     to B what it lacks, and A's newer files\n"
     "                                    over B's older ones\n"
     "                       update-both  each side gets what it lacks and the newer\n"
     "                                    file of each pair\n"
     "                     A folder the other side lacks is copied whole; symbolic\n"
     "                     links are copied as links, never followed. Each file\n"
     "                     replaced goes to the desktop trash first. Each copy is\n"
     "                     written under a temporary name, read back and compared\n"
     "                     byte for byte, given its source's times and permissions,\n"
     "                     synced, and renamed into place only while the file there\n"
     "                     is still the one compared. An entry changed since the\n"
     "                     comparison began is left out and named.\n"
     "  --only-missing     with --act: only what the other side lacks, nothing replaced\n"
     "  --versioned        with --act: each file replaced stays beside its copy,\n"
     "                     renamed \"NAME (yyyy-mm-dd hhmmss).EXT\" after its own time,\n"
     "                     instead of going to the trash\n"
     "  --dry-run          print what --act would do and change nothing\n",
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
     "the content column: \"内容(%)\", or the average percentage after --content.\n"
     "With --act the rows are the plan (--dry-run) or what was done, one an entry:\n"
     "  1 action   copy (nothing was there; a folder is made) or replace (the file\n"
     "             there goes to the trash)\n"
     "  2 path     the entry copied\n"
     "  3 kept     where a replaced file stays with --versioned, else empty\n"
     "  4 bytes    what is written\n"
     "  5 to       where the copy goes\n"
     "Then \"#copied\" with the bytes of all rows.\n",
     "A or B is neither an existing file nor an\n"
     "      existing folder, or one is a file and the other a folder"},
    {"dups",
     "dups [--threshold N] [--pictures [--no-rotations]] [--threads N] [--no-cache]\n"
     "                             [--act ACTION [--keep RULE] [--dry-run]] FOLDER...",
     "Finds groups of duplicate files in the FOLDERs and their subfolders: files whose\n"
     "contents match the group's reference file to at least N percent. Groups can\n"
     "span folders. Only files that belong to a group are listed, group by group.\n"
     "With --act, one file of each group is kept and ACTION applies to the others.\n",
     "  --pictures         compare pictures (JPEG, PNG, GIF, BMP; WebP and TIFF where\n"
     "                     the image plugins are installed) by what they show, so that\n"
     "                     copies resized, saved again, converted, lightly cropped,\n"
     "                     turned or mirrored group together; other files take no\n"
     "                     part, and a file named as a picture that cannot be decoded\n"
     "                     is named as unreadable. The match is the share of 63\n"
     "                     fingerprint bits that agree beyond chance: 100% all of\n"
     "                     them, 0% half, as for unrelated pictures (default 74)\n"
     "  --no-rotations     with --pictures: turned or mirrored copies do not match\n"
     "  --threshold N      the minimum percentage of matching content, 10 to 100\n"
     "                     (default 100)\n"
     "  --threads N        use at most N worker threads for the search\n"
     "                     (default: one per core; at most four per core)\n"
     "  --no-cache         don't read from or write to the scan cache\n"
     "  --act ACTION       what to do with the files that are not kept:\n"
     "                       trash     move them to the desktop trash\n"
     "                       hardlink  replace each with a hard link to the kept file\n"
     "                       symlink   replace each with a symbolic link to it\n"
     "                                 (by its absolute path)\n"
     "                       reflink   replace each with a clone that shares the kept\n"
     "                                 file's blocks (fails where the file system\n"
     "                                 can't clone; never falls back to a full copy)\n"
     "                       move=DIR  move them into DIR, keeping their paths\n"
     "                                 relative to the searched folders; nothing in\n"
     "                                 DIR is overwritten (an identical file already\n"
     "                                 there, as an interrupted move leaves it,\n"
     "                                 completes that move)\n"
     "                     Symbolic links, files in a trash folder (the user's or a\n"
     "                     volume's) and files inside DIR of move=DIR are skipped:\n"
     "                     never kept and never acted on.\n"
     "                     Links and clones need --threshold 100 and no --pictures.\n"
     "                     Each file is checked again just before: its size and time\n"
     "                     must be as listed, and for a link or a clone all its bytes\n"
     "                     must equal the kept file's.\n"
     "  --keep RULE        which file of each group is kept (default first):\n"
     "                       first      the group's reference file (\"基準\")\n"
     "                       newest     the newest (on a tie, the first listed)\n"
     "                       oldest     the oldest\n"
     "                       under=DIR  the files in DIR (a searched folder or one\n"
     "                                  inside it); groups with no file there are\n"
     "                                  left alone\n"
     "  --dry-run          print what --act would do and change nothing\n",
     "  1 name     file name\n"
     "  2 content  \"基準\" for the reference file that heads a group, else the match\n"
     "             with it such as \"87%\"\n"
     "  3 size     size in bytes\n"
     "  4 date     last modification, local time, yyyy/mm/dd hh:nn\n"
     "  5 folder   the folder holding the file, ending in \"/\"\n"
     "  6 group    the group's label\n"
     "  7 band     \"0\" or \"1\", alternating from group to group\n"
     "With --act the rows are the plan (--dry-run) or what was done, one per file:\n"
     "  1 action   trash, move, hardlink, symlink or reflink\n"
     "  2 path     the file acted on\n"
     "  3 kept     the file of its group that is kept\n"
     "  4 bytes    the space it frees on its disk: its size when its last link goes,\n"
     "             else 0 (the trash and a move within one file system free nothing)\n"
     "  5 to       where a moved file goes, else empty\n"
     "Then \"#freed\" with the total of the bytes column: the space the disks gain,\n"
     "the same in the dry run and the real run.\n",
     "a FOLDER is not an existing folder or lies\n"
     "      within another; with --act, a link or clone below --threshold 100\n"
     "      or with --pictures, a move=DIR that is a file, or an under=DIR that\n"
     "      is not a folder inside a FOLDER"},
    {"dupdirs",
     "dupdirs [--threshold N] [--layout] [--threads N] [--no-cache]\n"
     "                             [--act ACTION [--keep RULE] [--dry-run]] FOLDER...",
     "Finds folders in the FOLDERs whose files are all equal to those of another\n"
     "folder, contained in another, or (below --threshold 100) similar to it, one row\n"
     "per folder, group by group. Files are equal byte for byte; files of size 0 and\n"
     "symbolic links are no folder's files. A folder's files are those of its whole\n"
     "tree; folders are compared only with folders outside them. Similarity is the\n"
     "bytes of each folder's files that have an equal file in the other, as a share\n"
     "of the bytes of both. Subfolders of a listed pair are not listed again.\n"
     "With --act, the files of the folders that do not stay are acted on, each with\n"
     "its equal file in the folder that stays.\n",
     "  --threshold N      list similar folders down to N percent, 10 to 100\n"
     "                     (default 100: equal and contained folders only)\n"
     "  --layout           equal folders also need equal names and layout\n"
     "  --threads N        use at most N worker threads for the search\n"
     "  --no-cache         neither use nor fill the scan cache\n"
     "  --act ACTION       as dups: trash, hardlink, symlink, reflink or move=DIR, for\n"
     "                     the files of equal folders that do not stay and of\n"
     "                     contained folders (trash and move only); similar folders,\n"
     "                     and a folder that holds or lies within the kept one, are\n"
     "                     never acted on, nor is any file that stays for another\n"
     "  --keep RULE        which folder of an equal group stays (default first):\n"
     "                       first      the group's reference folder (\"基準\")\n"
     "                       newest     the one with the newest file\n"
     "                       oldest     the one whose newest file is oldest\n"
     "                       under=DIR  the folder in DIR; groups without one stay\n"
     "                     a container always stays for the folders it contains\n"
     "  --dry-run          print what --act would do and change nothing\n",
     "  1 folder   the folder, ending in \"/\"\n"
     "  2 size     the bytes of its files\n"
     "  3 files    the number of its files\n"
     "  4 relation \"基準\" for the folder that heads a group; the others relate to it:\n"
     "             \"同一\" equal, \"同一(構成も同じ)\" equal with names and layout,\n"
     "             \"含まれる\" contained in it, \"類似 87%\" similar\n"
     "  5 group    the group's label\n"
     "With --act the rows are the plan or what was done, as dups prints them.\n",
     "a FOLDER is not an existing folder or lies within another; with --act, a\n"
     "      move=DIR that is a file, or an under=DIR that is not a folder inside a\n"
     "      FOLDER"},
    {"identical", "identical [--threshold N] [--threads N] [--no-cache] FILE FOLDER",
     "Lists the files in FOLDER and its subfolders whose contents match FILE to at\n"
     "least N percent, in the order of the walk. FILE itself is listed when it lies\n"
     "inside FOLDER.\n",
     "  --threshold N      the minimum percentage of matching content, 10 to 100\n"
     "                     (default 100)\n"
     "  --threads N        use at most N worker threads for the search\n"
     "                     (default: one per core; at most four per core)\n"
     "  --no-cache         don't read from or write to the scan cache\n",
     "  1 name     file name\n"
     "  2 content  the match with FILE, such as \"87%\"\n"
     "  3 size     size in bytes\n"
     "  4 date     last modification, local time, yyyy/mm/dd hh:nn\n"
     "  5 folder   the folder holding the file, ending in \"/\"\n"
     "  6 group    empty\n"
     "  7 band     empty\n",
     "FILE is empty, not an existing file or can't\n"
     "      be read (named on standard error), or FOLDER is not an existing\n"
     "      folder"},
    {"empty", "empty [--act trash|delete [--dry-run]] FOLDER",
     "Finds the empty folders and zero-size files in FOLDER and its subfolders,\n"
     "sorted by name. With --act, deletes them, from the last row to the first.\n",
     "  --act trash        delete each item and record it in the desktop program's own\n"
     "                     trash list, from which its trash page makes it again\n"
     "                     (refused while the desktop program runs)\n"
     "  --act delete       delete each item and record nothing\n"
     "                     Each item is deleted only while it is still a zero-size\n"
     "                     file or an empty folder; with --load, only the rows still\n"
     "                     as the list shows them\n"
     "  --dry-run          print what --act would do and change nothing\n",
     "  1 Name           file or folder name\n"
     "  2 AttributeText  attribute letters (A archive, D folder, H hidden, R read-only,\n"
     "                   N normal, S system, T temporary)\n"
     "  3 Path           the full path\n"
     "Then \"#count\" with the number of items found, such as \"12 個\".\n"
     "With --act the rows are the plan or what was done, as dups prints them, with\n"
     "the action trash or delete and 0 bytes.\n",
     "FOLDER is not an existing folder"},
    {"cache", "cache stats|clear|prune",
     "Shows, empties or prunes the scan cache: what the searches read from files,\n"
     "stored by each file's identity on its volume (device and file number) with its\n"
     "size and modification time, so that a later search reads only files that have\n"
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
    "  --masks FILE       include only files whose extension matches a mask in FILE\n"
    "                     (one mask per line, such as *.txt; at most 1 MiB)\n"
    "  --exclude          with --masks: leave out the files the masks match instead\n"
    "  --format tsv|json  output form (default tsv)\n"
    "  --progress         a progress bar on standard error when it is a terminal\n"
    "  --load FILE        don't search: print the list saved in FILE (TSV or JSON)\n"
    "                     as a run would, checking each row against the disk; a file\n"
    "                     that has vanished or changed since is named on standard\n"
    "                     error and never acted on; compare takes A and B again, the\n"
    "                     other commands take no path; search options are not allowed\n"
    "  -h, --help         show this help; after a command, that command's help\n"
    "  --version          print the version\n"
    "  --                 treat the arguments after it as paths, even if they begin\n"
    "                     with -\n";

constexpr const char* kOutputForms =
    "TSV has one line per row, its fields joined by tabs; tab, line feed, carriage\n"
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
                       "  0   success, also when nothing was found (a notice goes to standard\n"
                       "      error)\n"
                       "  1   any other failure, such as a mask file that cannot be read\n"
                       "      or is too large\n"
                       "  2   the input was refused: ") +
           refused +
           ";\n"
           "      or the FILE of --load holds no list of this command (quorvex-cli:\n"
           "      FILE: WHAT)"
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
    text += std::string("Output columns:\n") + help.output + "\n" + kOutputForms + "\n";
    text += exitCodes(help.refused);
    return text;
}

std::string toolHelp()
{
    return usageLines(nullptr) +
           "\n"
           "Runs the searches of the Quorvex desktop program and prints their results as\n"
           "the program lists them after a run.\n"
           "\n"
           "Commands:\n"
           "  compare    compare two folders or two files\n"
           "  dups       find groups of duplicate files in folders, and act on them\n"
           "  dupdirs    find equal, contained and similar folders, and act on them\n"
           "  identical  find the files in a folder that match one file\n"
           "  empty      find empty folders and zero-size files\n"
           "  cache      show, empty or prune the scan cache\n"
           "\n" +
           kCommonOptions + "\n" + kOutputForms + "\n" +
           exitCodes("a path is not what the command needs") +
           "\n"
           "Run 'quorvex-cli COMMAND --help' for a command's options and output columns.\n";
}

} // namespace

std::string UsageText(const std::string& command)
{
    const CommandHelp* help = findCommand(command);
    return usageLines(help) + "Try 'quorvex-cli " + (help ? command + " " : std::string()) +
           "--help' for more information.\n";
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
