// The folder search on hand-made trees (an archive unpacked twice, a backup split
// into event folders, one changed file, renamed files, links to the other folder),
// acting on whole folders, and agreement on generated trees with a plain rule that
// compares every pair of folders file by file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>

#include "duplicates/FolderActions.h"
#include "duplicates/FolderGroups.h"
#include "platform/FileSystem.h"
#include "support/RecordingObserver.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

using namespace quorvex;
namespace fs = std::filesystem;

namespace {

std::string WithSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), test::kSeparator, '/');
    return path;
}

// "path relation group" per row, the path below the tree's root with '/'.
std::vector<std::string> Rows(const std::vector<FolderRow>& rows, const test::TempTree& t)
{
    std::vector<std::string> lines;
    for (const FolderRow& row : rows)
        lines.push_back(WithSlashes(row.path.substr(t.root().size() + 2)) + " " +
                        RelationText(row) + " " + std::to_string(row.group));
    return lines;
}

FolderGroups Search(const test::TempTree& t, int threshold = 100, bool layout = false,
                    std::vector<std::string> folders = {"r"})
{
    static const FilterSettings filters;
    for (std::string& folder : folders)
        folder = t.path(folder);
    FolderGroups groups;
    const SearchOutcome outcome =
        SearchFolderGroups(folders, {filters, {threshold, layout}, silentObserver()}, groups);
    EXPECT_TRUE(outcome.ran);
    return groups;
}

using Lines = std::vector<std::string>;

// The C++ library of the Windows build makes no symbolic links.
#ifdef _WIN32
constexpr bool kSymlinks = false;
#else
constexpr bool kSymlinks = true;
#endif

TEST(FolderGroups, AnArchiveUnpackedTwiceIsOneRowPair)
{
    test::TempTree t;
    for (const char* copy : {"r/one/", "r/two/"}) {
        t.file(std::string(copy) + "arc/top/readme", "read me");
        t.file(std::string(copy) + "arc/top/src/a.c", "int a;");
        t.file(std::string(copy) + "arc/top/src/b.c", "int b;");
        t.file(std::string(copy) + "arc/top/empty", "");
    }
    t.file("r/other/note", "unrelated");
    EXPECT_EQ(Rows(Search(t).rows(), t), (Lines{"one/ 基準 1", "two/ 同一(構成も同じ) 1"}))
        << "one group; the copy's subfolders are not listed again";
}

TEST(FolderGroups, EventFoldersOfASplitBackupAreContainedInTheOriginal)
{
    test::TempTree t;
    for (int i = 0; i < 6; ++i)
        t.file("r/original/p" + std::to_string(i), "photo " + std::to_string(i));
    t.file("r/backup/summer/p0", "photo 0");
    t.file("r/backup/summer/p1", "photo 1");
    t.file("r/backup/winter/p4", "photo 4");
    t.file("r/backup/winter/p5", "photo 5");
    EXPECT_EQ(Rows(Search(t).rows(), t),
              (Lines{"original/ 基準 1", "backup/ 含まれる 1", "backup/summer/ 含まれる 1",
                     "backup/winter/ 含まれる 1"}));
    t.file("r/backup/winter/new", "taken since");
    EXPECT_EQ(Rows(Search(t).rows(), t), (Lines{"original/ 基準 1", "backup/summer/ 含まれる 1"}));
}

TEST(FolderGroups, OneChangedFileMakesFoldersSimilarNotEqual)
{
    test::TempTree t;
    for (int i = 0; i < 20; ++i) {
        t.patternFile("r/a/f" + std::to_string(i), 1000, i);
        t.patternFile("r/b/f" + std::to_string(i), 1000, i == 7 ? 99 : i);
    }
    // 19 of 20 equal files on each side: 38,000 of 40,000 bytes.
    EXPECT_EQ(Rows(Search(t, 95).rows(), t), (Lines{"a/ 基準 1", "b/ 類似 95% 1"}));
    EXPECT_EQ(Rows(Search(t, 96).rows(), t), Lines{});
    EXPECT_EQ(Rows(Search(t).rows(), t), Lines{});
}

TEST(FolderGroups, RenamedFilesKeepFoldersEqualByContentButNotByLayout)
{
    test::TempTree t;
    t.file("r/a/x", "first");
    t.file("r/a/sub/y", "second");
    t.file("r/b/x-renamed", "first");
    t.file("r/b/y", "second");
    t.file("r/c/x", "first");
    t.file("r/c/sub/y", "second");
    EXPECT_EQ(Rows(Search(t).rows(), t),
              (Lines{"a/ 基準 1", "b/ 同一 1", "c/ 同一(構成も同じ) 1"}));
    // By layout only a and c are equal; b then holds each one's subfolder.
    EXPECT_EQ(Rows(Search(t, 100, true).rows(), t),
              (Lines{"a/ 基準 1", "c/ 同一(構成も同じ) 1", "b/ 基準 2", "a/sub/ 含まれる 2",
                     "c/sub/ 含まれる 2"}));
}

TEST(FolderGroups, LinksToTheOtherFolderNeverMakeACopy)
{
    if (!kSymlinks)
        GTEST_SKIP() << "the Windows build's tests make no symbolic links";
    test::TempTree t;
    t.file("r/data/a", "alpha");
    t.file("r/data/b", "beta");
    t.symlink("r/links/a", t.path("r/data/a"));
    t.symlink("r/links/b", t.path("r/data/b"));
    t.symlink("r/whole/data", t.path("r/data"));
    t.file("r/whole/own", "own");
    EXPECT_EQ(Rows(Search(t).rows(), t), Lines{});
}

TEST(FolderGroups, AFolderWithAPartThatCannotBeListedIsNobodysCopy)
{
    test::TempTree t;
    t.file("r/full/x", "one");
    t.file("r/full/y", "two");
    t.file("r/partial/x", "one");
    t.file("r/partial/locked/z", "only here");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::List && path == t.path("r/partial/locked/");
    });
    const FolderGroups groups = Search(t);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(Rows(groups.rows(), t), Lines{}) << "partial holds more than the walk saw";
}

TEST(FolderGroups, ActingNeverEmptiesTheKeptFolder)
{
    test::TempTree t;
    // "outer" holds its copy of "kept" twice: outer equals kept and outer/in by
    // content, while outer/in lies within outer.
    t.file("r/kept/f", "bytes");
    t.file("r/outer/f", "bytes");
    t.file("r/outer/in/f", "bytes");
    t.file("r/outer2/g", "more");
    t.file("r/outer2/in/g", "more");
    t.file("r/z/g", "more");
    const FolderGroups groups = Search(t);
    ASSERT_FALSE(groups.rows().empty());
    for (const KeepRule rule : {KeepRule::Reference, KeepRule::Newest, KeepRule::Oldest}) {
        const std::vector<FolderChoice> choices = ChooseFolders(groups, rule, {}, false);
        ASSERT_FALSE(choices.empty());
        std::set<std::string> kept;
        for (const FolderChoice& choice : choices) {
            EXPECT_FALSE(groups.nested(groups.rows()[choice.acted], groups.rows()[choice.kept]));
            kept.insert(groups.rows()[choice.kept].path);
        }
        const DupList files = FilesOfChosenFolders(groups, choices);
        std::set<std::string> stays, goes;
        for (const TDupRecord& record : files.records())
            (record.content == kContentReference ? stays : goes).insert(files.RecordPath(record));
        for (const std::string& path : goes) {
            EXPECT_FALSE(stays.contains(path)) << path;
            for (const std::string& folder : kept)
                EXPECT_FALSE(path.starts_with(folder)) << path << " in kept " << folder;
        }
    }
}

TEST(FolderGroups, AContainerStaysAndSimilarFoldersNeverGo)
{
    test::TempTree t;
    t.file("r/big/a", "alpha");
    t.file("r/big/b", "beta");
    t.file("r/part/a", "alpha");
    for (int i = 0; i < 10; ++i) {
        t.patternFile("r/s1/f" + std::to_string(i), 100, i);
        t.patternFile("r/s2/f" + std::to_string(i), 100, i == 0 ? 50 : i);
    }
    const FolderGroups groups = Search(t, 80);
    for (const KeepRule rule : {KeepRule::Reference, KeepRule::Newest}) {
        const std::vector<FolderChoice> choices = ChooseFolders(groups, rule, {}, false);
        ASSERT_EQ(choices.size(), 1u);
        EXPECT_EQ(groups.rows()[choices[0].acted].path, t.path("r/part/"));
        EXPECT_EQ(groups.rows()[choices[0].kept].path, t.path("r/big/"));
    }
    EXPECT_TRUE(ChooseFolders(groups, KeepRule::Reference, {}, true).empty())
        << "links replace files only of equal folders";
}

// --- The plain rule: every pair of folders, every file. ---------------------------

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PlainFolder
{
    std::string path;                                       // below the root, ending in '/'
    std::vector<std::pair<std::string, std::string>> files; // relative path, bytes
    std::set<std::string> contents;
    std::uint64_t bytes = 0;
    int above = -1;
    bool takesPart = false;
};

std::vector<std::string> PlainRule(const std::string& root, int threshold, bool layoutOnly)
{
    // Folders in walk order: with names of lower-case letters, the order of their paths.
    std::vector<PlainFolder> folders;
    std::vector<std::pair<std::string, std::string>> all; // path below root, bytes
    folders.push_back({"r/", {}, {}, 0});
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root + "r")) {
        const std::string path = WithSlashes(entry.path().string().substr(root.size()));
        if (entry.is_symlink())
            continue;
        if (entry.is_directory())
            folders.push_back({path + "/", {}, {}, 0});
        else if (entry.file_size() > 0)
            all.emplace_back(path, ReadWhole(entry.path().string()));
    }
    std::ranges::sort(folders, {}, &PlainFolder::path);
    for (PlainFolder& folder : folders)
        for (const auto& [path, bytes] : all)
            if (path.starts_with(folder.path)) {
                folder.files.emplace_back(path.substr(folder.path.size()), bytes);
                folder.contents.insert(bytes);
                folder.bytes += bytes.size();
            }
    const auto isAbove = [&](std::size_t a, std::size_t b) {
        return folders[b].path.starts_with(folders[a].path);
    };
    for (std::size_t i = 0; i < folders.size(); ++i) {
        int parent = -1;
        for (std::size_t j = 0; j < i; ++j)
            if (isAbove(j, i))
                parent = static_cast<int>(j); // the deepest folder above comes last
        PlainFolder& folder = folders[i];
        folder.takesPart = !folder.files.empty() &&
                           (parent < 0 || folders[parent].files.size() != folder.files.size());
        for (int up = parent; up >= 0 && folder.above < 0; --up)
            if (isAbove(up, i) && folders[up].takesPart)
                folder.above = up;
    }

    const auto in = [&](int a, int b) {
        return std::ranges::includes(folders[b].contents, folders[a].contents);
    };
    const auto sameLayout = [&](int a, int b) {
        auto x = folders[a].files, y = folders[b].files;
        std::ranges::sort(x);
        std::ranges::sort(y);
        return x == y;
    };
    const auto percent = [&](int a, int b) {
        std::uint64_t matched = 0;
        for (const auto& [name, bytes] : folders[a].files)
            matched += folders[b].contents.contains(bytes) ? bytes.size() : 0;
        for (const auto& [name, bytes] : folders[b].files)
            matched += folders[a].contents.contains(bytes) ? bytes.size() : 0;
        return static_cast<int>(matched * 100 / (folders[a].bytes + folders[b].bytes));
    };
    const auto comparable = [&](int a, int b) {
        return a != b && folders[a].takesPart && folders[b].takesPart && !isAbove(a, b) &&
               !isAbove(b, a);
    };
    const auto related = [&](int a, int b) {
        if (!comparable(a, b))
            return false;
        if (in(a, b) && in(b, a))
            return !layoutOnly || sameLayout(a, b);
        return in(a, b) || in(b, a) || (threshold < 100 && percent(a, b) >= threshold);
    };
    const auto equal = [&](int a, int b) { return related(a, b) && in(a, b) && in(b, a); };
    const auto covered = [&](int a, int b) { // a folder above a equal to b or one above it
        for (int up = folders[a].above; up >= 0; up = folders[up].above)
            for (int other = b; other >= 0; other = folders[other].above)
                if (equal(up, other))
                    return true;
        return false;
    };
    const auto similarCovered = [&](int a, int b) {
        for (int one = a; one >= 0; one = folders[one].above)
            for (int other = b; other >= 0; other = folders[other].above)
                if ((one != a || other != b) && related(one, other))
                    return true;
        return false;
    };

    const int n = static_cast<int>(folders.size());
    std::vector<int> joined(n);
    std::iota(joined.begin(), joined.end(), 0);
    const auto rootOf = [&](int x) {
        while (joined[x] != x)
            x = joined[x];
        return x;
    };
    std::vector<bool> equalMember(n, false);
    // reference -> kind -> members (folder, relation text)
    std::map<int, std::map<int, std::vector<std::pair<int, std::string>>>> groups;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            if (!related(a, b))
                continue;
            if (equal(a, b)) {
                if (covered(a, b) && covered(b, a))
                    continue;
                equalMember[a] = equalMember[b] = true;
                const int ra = rootOf(a), rb = rootOf(b);
                joined[std::max(ra, rb)] = std::min(ra, rb);
            } else if (in(a, b) || in(b, a)) {
                const int inner = in(a, b) ? a : b, outer = inner == a ? b : a;
                if (!covered(inner, outer))
                    groups[outer][1].emplace_back(inner, "含まれる");
            } else if (!similarCovered(a, b)) {
                groups[a][2].emplace_back(b, "類似 " + std::to_string(percent(a, b)) + "%");
            }
        }
    for (int x = 0; x < n; ++x)
        if (equalMember[x] && rootOf(x) != x)
            groups[rootOf(x)][0].emplace_back(x, sameLayout(rootOf(x), x) ? "同一(構成も同じ)"
                                                                          : "同一");
    std::vector<std::string> rows;
    int label = 0;
    for (auto& [reference, kinds] : groups)
        for (auto& [kind, members] : kinds) {
            ++label;
            std::ranges::sort(members);
            const auto line = [&](int folder, const std::string& relation) {
                return folders[folder].path.substr(2) + " " + relation + " " +
                       std::to_string(label) + " " + std::to_string(folders[folder].bytes) + " " +
                       std::to_string(folders[folder].files.size());
            };
            rows.push_back(line(reference, "基準"));
            for (const auto& [member, relation] : members)
                rows.push_back(line(member, relation));
        }
    return rows;
}

// Trees of copies: folders copied whole, then a file renamed, changed, dropped or
// added here and there, with empty files and links among them.
class CopyTree
{
public:
    explicit CopyTree(unsigned seed) : random_(seed) {}

    void fill(const test::TempTree& t)
    {
        const char* names[] = {"a", "b", "c", "d"};
        std::vector<std::string> made; // folders below r/
        for (int f = 0; f < 8; ++f) {
            std::string folder = "r/";
            for (std::size_t depth = 1 + pick(3); depth > 0; --depth)
                folder += std::string(names[pick(4)]) + names[pick(4)] + "/";
            for (std::size_t files = 1 + pick(3); files > 0; --files)
                t.file(folder + names[pick(4)], contents_[pick(contents_.size())]);
            made.push_back(folder);
        }
        for (int c = 0; c < 6; ++c) {
            const std::string from = made[pick(made.size())];
            const std::string to =
                "r/" + std::string(names[pick(4)]) + "k" + std::to_string(c) + "/";
            if (!fs::exists(t.path(from)) || from.starts_with(to))
                continue;
            fs::create_directories(t.path(to));
            // The folder's own name, without the separator that ends it.
            fs::copy(t.path(from.substr(0, from.size() - 1)), t.path(to),
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing |
                         fs::copy_options::copy_symlinks);
            mutate(t, to);
        }
        if (pick(2) == 0 && kSymlinks)
            t.symlink("r/link", t.path(made.front()));
    }

private:
    void mutate(const test::TempTree& t, const std::string& folder)
    {
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(t.path(folder)))
            if (entry.is_regular_file() && !entry.is_symlink())
                files.push_back(entry.path());
        if (files.empty())
            return;
        const fs::path file = files[pick(files.size())];
        switch (pick(6)) {
        case 0:
            fs::rename(file, file.string() + "z");
            break;
        case 1:
            t.file(file.string().substr(t.root().size()), contents_[pick(contents_.size())]);
            break;
        case 2:
            fs::remove(file);
            break;
        case 3:
            t.file(folder + "extra", contents_[pick(contents_.size())]);
            break;
        default:
            break; // an exact copy
        }
    }

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::mt19937 random_;
    const std::vector<std::string> contents_ = {
        "", "one", "two", "three", "four", "fives", std::string(3000, 'x'), std::string(900, 'y')};
};

TEST(FolderGroups, RowsAgreeWithThePlainRuleOnGeneratedTrees)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        test::TempTree t;
        CopyTree(seed).fill(t);
        for (const auto& [threshold, layout] : {std::pair{100, false}, {100, true}, {60, false}}) {
            const FolderGroups groups = Search(t, threshold, layout);
            std::vector<std::string> rows;
            for (const FolderRow& row : groups.rows())
                rows.push_back(WithSlashes(row.path.substr(t.root().size() + 2)) + " " +
                               RelationText(row) + " " + std::to_string(row.group) + " " +
                               std::to_string(row.bytes) + " " + std::to_string(row.files));
            ASSERT_EQ(rows, PlainRule(t.root(), threshold, layout))
                << "seed " << seed << " threshold " << threshold << " layout " << layout;
        }
    }
}

} // namespace
