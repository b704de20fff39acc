#pragma once
// A plan of what to do with files that a result list shows: each item names a file
// (or, to go to the trash or to be copied, a folder), what happens to it and, for a
// file of a duplicate group, the group's file that stays. A plan is built whole before anything
// happens, so that every front end can show it (a dry run), size it (the bytes it
// frees) and carry it out (ActionRun.h) alike. The empty items and the entries of the
// program's own trash list (trash/TrashStore.h) are acted on through plans too.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

enum class ActionKind : std::uint8_t
{
    Trash,        // to the desktop trash
    Move,         // to another folder, keeping the path below the searched folder
    HardLink,     // replaced by a hard link to the kept file
    SymbolicLink, // replaced by a symbolic link to the kept file (absolute target)
    Reflink,      // replaced by a clone of the kept file (copy on write)
    Copy,         // copied to a destination where nothing is (a folder: made there)
    Replace,      // copied over the destination's file, which goes to the trash or is kept
                  // beside it under a versioned name
    TrashEmpty,   // an empty file or folder deleted, recorded in the program's trash list
    DeleteEmpty,  // an empty file or folder deleted for good, recorded nowhere
    Restore,      // the program's trash entry made again at its place; the entry goes
    Purge         // the program's trash entry forgotten; nothing on disk changes
};

// What a kind needs and does, said once for every kind (ActionPlan.cpp), so that a new
// kind is described in one place.
struct ActionKindTraits
{
    std::string_view word; // its name on the command line and in a plan's table
    bool replacesContents; // links and clones: only for files equal to the kept file
    bool copies;           // writes a new file or folder at its destination
    bool makesTemporaries; // notes temporary files in the run's journal
    bool usesOwnTrash;     // reads or changes the program's own trash list
};

ActionKindTraits TraitsOf(ActionKind kind);

// "trash", "move", "hardlink", "symlink", "reflink", "copy", "replace", and for the
// program's own trash "trash", "delete", "restore", "purge".
std::string_view ActionWord(ActionKind kind);
// Links and clones give the file the kept file's contents: they are only for files
// found equal to it byte for byte.
bool ReplacesContents(ActionKind kind);
// Copy and Replace: the item writes a new file at its destination.
bool IsCopy(ActionKind kind);

// A file as the list showed it; it must still be so when it is acted on. The source
// and destination of a copy are described as entries: a link as the link.
struct ListedFile
{
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0; // seconds since the Unix epoch, UTC
};

struct PlannedAction
{
    ActionKind kind = ActionKind::Trash;
    std::string path;    // absolute; a trash entry's path as stored
    bool folder = false; // a folder with what it holds (trash, copies); an empty folder or
                         // a trash entry of one
    std::optional<ListedFile> listed; // how the list showed the file, when it did
    std::string kept;                 // the file that stays, absolute; empty when none
    std::optional<ListedFile> keptListed;
    std::string destination;                  // Move: the new path; Copy, Replace: the copy's path
    std::optional<ListedFile> replacedListed; // Replace: the destination's file as listed
    std::string versionedAs; // Replace: the replaced file's new name beside it; empty: the trash
    std::size_t row = 0;     // the list row the item stands for
    bool lastCopy = false;   // Trash: no copy of its contents stays; never deleted for good
};

struct ActionPlan
{
    std::vector<PlannedAction> items;

    // The sum of BytesFreedByItems.
    std::uint64_t bytesFreed() const;
    // The listed sizes of the items' files, freed or not.
    std::uint64_t bytesListed() const;
};

// What each item frees on its disk once done, as the disk is now and as the system's
// free space will show it: a file's bytes count at the item that takes its last link
// (a file with other links, in the plan or not, frees them with the last one only), so
// a path that is a symbolic link or another name of the kept file frees nothing; the
// trash and a move within one file system keep the bytes on that disk and free
// nothing. A file that cannot be looked at counts its listed size.
std::vector<std::uint64_t> BytesFreedByItems(const ActionPlan& plan);

} // namespace quorvex
