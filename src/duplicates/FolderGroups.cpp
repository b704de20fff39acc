#include "duplicates/FolderGroups.h"

#include <algorithm>
#include <climits>
#include <map>
#include <numeric>
#include <unordered_map>

#include "platform/PathText.h"

namespace quorvex {

namespace {

constexpr std::uint32_t kNone = ~0u;
constexpr std::uint32_t kNotCounted = ~0u;

std::uint64_t PairKey(std::uint32_t a, std::uint32_t b)
{
    return (std::uint64_t{std::min(a, b)} << 32) | std::max(a, b);
}

// The folder (ending in the separator) that holds `folder`, or "" for none.
std::string FolderAbove(const std::string& folder)
{
    const std::string_view trimmed = platform::WithoutTrailingSeparators(folder);
    const std::size_t cut = platform::FindLastSeparator(trimmed);
    if (cut == std::string_view::npos || trimmed.size() == folder.size())
        return {};
    return std::string(trimmed.substr(0, cut + 1));
}

// Keeps the search's observer informed and remembers what could not be read: a
// folder below which something is missing is nobody's copy.
class UnreadNoting : public RunObserver
{
public:
    explicit UnreadNoting(RunObserver& inner) : inner_(inner) {}
    void setOverallMax(std::uint64_t max) override { inner_.setOverallMax(max); }
    void setOverallPosition(std::uint64_t position) override
    {
        inner_.setOverallPosition(position);
    }
    void stepOverall(std::uint64_t by) override { inner_.stepOverall(by); }
    void setFileMax(std::uint64_t max) override { inner_.setFileMax(max); }
    void setFilePosition(std::uint64_t position) override { inner_.setFilePosition(position); }
    void setWorkTotal(std::uint64_t bytes) override { inner_.setWorkTotal(bytes); }
    void addWorkDone(std::uint64_t bytes) override { inner_.addWorkDone(bytes); }
    void pumpMessages() override { inner_.pumpMessages(); }
    bool cancelRequested() const override { return inner_.cancelRequested(); }
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        unread.push_back(path);
        inner_.cannotRead(path, reason);
    }
    std::vector<std::string> unread;

private:
    RunObserver& inner_;
};

} // namespace

FolderGroups::FolderGroups(DupList files, const std::vector<std::string>& roots,
                           const FolderOptions& options, RunObserver& observer,
                           const std::vector<std::string>& unread)
    : files_(std::move(files))
{
    buildTree(roots);
    markUnread(unread);
    relate(options, observer);
    if (observer.cancelRequested())
        return; // what a stopped search saw of the folders tells nothing of them
    makeRows(options);
}

void FolderGroups::buildTree(const std::vector<std::string>& roots)
{
    std::unordered_map<std::string, std::uint32_t> index;
    std::vector<std::string> rootPaths;
    for (const std::string& root : roots)
        rootPaths.push_back(platform::WithOneTrailingSeparator(root));
    const auto isRoot = [&](const std::string& path) {
        return std::ranges::find(rootPaths, path) != rootPaths.end();
    };
    // The node of a folder, made with the folders above it up to its searched folder.
    const auto nodeOf = [&](const std::string& folder) {
        std::vector<std::string> missing;
        std::string path = folder;
        std::uint32_t found = kNone;
        for (;;) {
            if (const auto at = index.find(path); at != index.end()) {
                found = at->second;
                break;
            }
            missing.push_back(path);
            if (isRoot(path))
                break;
            path = FolderAbove(path);
            if (path.empty())
                break;
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
            Node& node = nodes_.emplace_back();
            node.path = *it;
            node.parent = found;
            found = static_cast<std::uint32_t>(nodes_.size() - 1);
            if (node.parent != kNone)
                nodes_[node.parent].children.push_back(found);
            index.emplace(*it, found);
        }
        return found;
    };

    // Equal contents share a number: the groups of the exact pairing with two files
    // or more that count, then one number for each other file.
    // A group's label is its reference's walk position, so a table by label is no
    // larger than the list: first the files of each group, then the shared content's
    // number plus one (0: none).
    const std::vector<TDupRecord>& records = files_.records();
    std::vector<std::uint32_t> sharedNumber(records.size() + 1, 0);
    for (const TDupRecord& record : records)
        if (record.size > 0 && record.group != 0)
            ++sharedNumber[record.group];
    std::uint32_t next = 0;
    for (std::uint32_t& number : sharedNumber)
        number = number > 1 ? ++next : 0;
    content_.assign(records.size(), kNotCounted);
    std::uint32_t lastFolder = kNone, lastNode = kNone;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TDupRecord& record = records[i];
        if (record.size == 0)
            continue;
        const std::uint32_t shared = sharedNumber[record.group];
        content_[i] = shared != 0 ? shared - 1 : next + static_cast<std::uint32_t>(i);
        if (record.folderIndex != lastFolder) {
            lastFolder = record.folderIndex;
            lastNode = nodeOf(files_.folder(record));
            nodes_[lastNode].firstFile = static_cast<std::uint32_t>(i);
        }
        nodes_[lastNode].endFile = static_cast<std::uint32_t>(i + 1);
        for (std::uint32_t n = lastNode; n != kNone; n = nodes_[n].parent) {
            nodes_[n].bytes += record.size;
            ++nodes_[n].files;
        }
    }
    sharedContents_ = next;
}

void FolderGroups::markUnread(const std::vector<std::string>& unread)
{
    std::unordered_map<std::string_view, std::uint32_t> index;
    for (std::uint32_t n = 0; n < nodes_.size(); ++n)
        index.emplace(nodes_[n].path, n);
    for (const std::string& path : unread) {
        // The deepest folder of the tree the path lies in, and every one above it.
        std::string folder = platform::WithOneTrailingSeparator(path);
        auto at = index.find(folder);
        while (at == index.end() && !(folder = FolderAbove(folder)).empty())
            at = index.find(folder);
        for (std::uint32_t n = at == index.end() ? kNone : at->second; n != kNone;
             n = nodes_[n].parent)
            nodes_[n].incomplete = true;
    }
}

void FolderGroups::relate(const FolderOptions& options, RunObserver& observer)
{
    for (std::uint32_t n = 0; n < nodes_.size(); ++n) {
        Node& node = nodes_[n];
        node.takesPart =
            node.files > 0 && (node.parent == kNone || nodes_[node.parent].files != node.files);
        if (node.parent != kNone)
            node.above = nodes_[node.parent].takesPart ? node.parent : nodes_[node.parent].above;
    }
    const auto firstTaking = [&](std::uint32_t n) {
        return nodes_[n].takesPart ? n : nodes_[n].above;
    };

    // Each shared content and the folders that hold it (each with the number of its
    // files there), content by content: the search's largest table, made at its exact
    // size. A folder that holds every file of a content is left out of that content's
    // holders (every other holder lies within it or above it), and so is a folder that
    // takes no part; each holder still counts the content among its distinct ones.
    // Byte counts matter to similar folders only.
    const bool similar = options.threshold < 100;
    std::vector<std::uint32_t> holdersStart, holderNode, holderCount;
    std::vector<std::uint64_t> contentSize(sharedContents_, 0);
    // Whether every content below the folder lies outside it too (else it is nobody's
    // subset).
    std::vector<bool> containable(nodes_.size(), true);
    {
        // First the folder of each file of a shared content.
        std::vector<std::uint32_t> placesStart(sharedContents_ + 1, 0);
        for (std::uint32_t n = 0; n < nodes_.size(); ++n) {
            std::uint32_t unique = 0;
            forEachOwnFile(n, [&](std::uint32_t file) {
                if (content_[file] < sharedContents_)
                    ++placesStart[content_[file] + 1];
                else
                    ++unique;
            });
            for (std::uint32_t f = firstTaking(n); f != kNone && unique > 0; f = nodes_[f].above) {
                nodes_[f].distinct += unique;
                containable[f] = false;
            }
        }
        std::partial_sum(placesStart.begin(), placesStart.end(), placesStart.begin());
        std::vector<std::uint32_t> places(placesStart.back());
        {
            std::vector<std::uint32_t> next(placesStart.begin(), placesStart.end() - 1);
            for (std::uint32_t n = 0; n < nodes_.size(); ++n)
                forEachOwnFile(n, [&](std::uint32_t file) {
                    const std::uint32_t content = content_[file];
                    if (content < sharedContents_) {
                        places[next[content]++] = n;
                        contentSize[content] = files_[file].size;
                    }
                });
        }
        // Then the folders above each content's files with the number of them there,
        // once to count the holders and once to write them.
        std::vector<std::uint32_t> above;
        const auto forEachFolderAbove = [&](std::uint32_t content, auto visit) {
            above.clear();
            for (std::uint32_t p = placesStart[content]; p < placesStart[content + 1]; ++p)
                for (std::uint32_t f = firstTaking(places[p]); f != kNone; f = nodes_[f].above)
                    above.push_back(f);
            std::ranges::sort(above);
            for (std::size_t at = 0; at < above.size();) {
                std::size_t end = at + 1;
                while (end < above.size() && above[end] == above[at])
                    ++end;
                visit(above[at], static_cast<std::uint32_t>(end - at));
                at = end;
            }
        };
        const auto holds = [&](std::uint32_t content, std::uint32_t node, std::uint32_t count) {
            return count < placesStart[content + 1] - placesStart[content] &&
                   !nodes_[node].incomplete;
        };
        holdersStart.assign(sharedContents_ + 1, 0);
        for (std::uint32_t content = 0; content < sharedContents_; ++content) {
            std::uint32_t held = 0;
            forEachFolderAbove(content, [&](std::uint32_t node, std::uint32_t count) {
                ++nodes_[node].distinct;
                if (holds(content, node, count))
                    ++held;
                else
                    containable[node] = false;
            });
            holdersStart[content + 1] = holdersStart[content] + held;
        }
        holderNode.resize(holdersStart.back());
        if (similar)
            holderCount.resize(holdersStart.back());
        for (std::uint32_t content = 0; content < sharedContents_; ++content) {
            std::uint32_t at = holdersStart[content];
            forEachFolderAbove(content, [&](std::uint32_t node, std::uint32_t count) {
                if (!holds(content, node, count))
                    return;
                holderNode[at] = node;
                if (similar)
                    holderCount[at] = count;
                ++at;
            });
        }
    }

    // The folders that may be contained in another, or similar to it, each with its
    // contents: below 100 %, every folder; at 100 %, the containable ones. Each pair
    // is told from its first such folder.
    const auto source = [&](std::uint32_t n) {
        return !nodes_[n].incomplete && (similar || containable[n]);
    };
    std::vector<std::uint32_t> sourceStart(nodes_.size() + 1, 0), sourceContents;
    for (const std::uint32_t n : holderNode)
        sourceStart[n + 1] += source(n) ? 1 : 0;
    std::partial_sum(sourceStart.begin(), sourceStart.end(), sourceStart.begin());
    sourceContents.resize(sourceStart.back());
    {
        std::vector<std::uint32_t> next(sourceStart.begin(), sourceStart.end() - 1);
        for (std::uint32_t content = 0; content < sharedContents_; ++content)
            for (std::uint32_t k = holdersStart[content]; k < holdersStart[content + 1]; ++k)
                if (source(holderNode[k]))
                    sourceContents[next[holderNode[k]]++] = content;
    }
    // The number of `node`'s files of `content` (holders are in folder order).
    const auto filesThere = [&](std::uint32_t content, std::uint32_t node) {
        const auto first = holderNode.begin() + holdersStart[content];
        const auto last = holderNode.begin() + holdersStart[content + 1];
        return holderCount[std::lower_bound(first, last, node) - holderNode.begin()];
    };

    // Folder by folder, how much it shares with each folder outside it.
    struct Shared
    {
        std::uint32_t contents = 0;
        std::uint64_t bytesHere = 0, bytesThere = 0;
    };
    std::vector<Shared> with(nodes_.size());
    std::vector<std::uint32_t> touched;
    for (std::uint32_t a = 0; a < nodes_.size(); ++a) {
        if (sourceStart[a] == sourceStart[a + 1])
            continue;
        for (std::uint32_t i = sourceStart[a]; i < sourceStart[a + 1]; ++i) {
            const std::uint32_t content = sourceContents[i];
            const std::uint64_t bytesHere =
                similar ? std::uint64_t{filesThere(content, a)} * contentSize[content] : 0;
            for (std::uint32_t k = holdersStart[content]; k < holdersStart[content + 1]; ++k) {
                const std::uint32_t b = holderNode[k];
                if (b == a || (b < a && source(b)) || nodesNested(a, b))
                    continue;
                if (with[b].contents == 0)
                    touched.push_back(b);
                ++with[b].contents;
                if (similar) {
                    with[b].bytesHere += bytesHere;
                    with[b].bytesThere += std::uint64_t{holderCount[k]} * contentSize[content];
                }
            }
        }
        for (const std::uint32_t b : touched) {
            const Shared& s = with[b];
            const bool aInB = s.contents == nodes_[a].distinct;
            const bool bInA = s.contents == nodes_[b].distinct;
            PairRelation relation;
            relation.firstInSecond = a < b ? aInB : bInA;
            relation.secondInFirst = a < b ? bInA : aInB;
            if (similar) {
                const unsigned __int128 matched =
                    static_cast<unsigned __int128>(s.bytesHere) + s.bytesThere;
                relation.percent = static_cast<int>(
                    matched * 100 /
                    (static_cast<unsigned __int128>(nodes_[a].bytes) + nodes_[b].bytes));
            }
            bool keep = aInB || bInA || (similar && relation.percent >= options.threshold);
            if (aInB && bInA) {
                relation.layout = sameLayout(a, b);
                keep = relation.layout || !options.layout;
            }
            if (keep)
                related_.emplace_back(PairKey(a, b), relation);
            with[b] = {};
        }
        touched.clear();
        observer.pumpMessages();
        if (observer.cancelRequested())
            return;
    }
    std::ranges::sort(related_, {}, &std::pair<std::uint64_t, PairRelation>::first);
}

const FolderGroups::PairRelation* FolderGroups::pairRelation(std::uint32_t a, std::uint32_t b) const
{
    const std::uint64_t key = PairKey(a, b);
    const auto at =
        std::ranges::lower_bound(related_, key, {}, &std::pair<std::uint64_t, PairRelation>::first);
    return at != related_.end() && at->first == key ? &at->second : nullptr;
}

bool FolderGroups::into(std::uint32_t a, std::uint32_t b) const
{
    const PairRelation* found = pairRelation(a, b);
    return found != nullptr && (a < b ? found->firstInSecond : found->secondInFirst);
}

bool FolderGroups::intoCovered(std::uint32_t a, std::uint32_t b) const
{
    for (std::uint32_t above = nodes_[a].above; above != kNone; above = nodes_[above].above)
        for (std::uint32_t other = b; other != kNone; other = nodes_[other].above)
            if (above != other && !nodesNested(above, other) && into(above, other) &&
                into(other, above))
                return true;
    return false;
}

bool FolderGroups::similarCovered(std::uint32_t a, std::uint32_t b) const
{
    for (std::uint32_t one = a; one != kNone; one = nodes_[one].above)
        for (std::uint32_t other = b; other != kNone; other = nodes_[other].above)
            if ((one != a || other != b) && one != other && !nodesNested(one, other) &&
                pairRelation(one, other) != nullptr)
                return true;
    return false;
}

bool FolderGroups::nodesNested(std::uint32_t a, std::uint32_t b) const
{
    const std::string& pa = nodes_[a].path;
    const std::string& pb = nodes_[b].path;
    return pa.size() <= pb.size() ? pb.starts_with(pa) : pa.starts_with(pb);
}

bool FolderGroups::nested(const FolderRow& a, const FolderRow& b) const
{
    return nodesNested(a.node, b.node);
}

template <typename Visit> void FolderGroups::forEachFileBelow(std::uint32_t node, Visit visit) const
{
    std::vector<std::uint32_t> pending{node};
    while (!pending.empty()) {
        const std::uint32_t here = pending.back();
        pending.pop_back();
        forEachOwnFile(here, visit);
        pending.insert(pending.end(), nodes_[here].children.rbegin(), nodes_[here].children.rend());
    }
}

template <typename Visit> void FolderGroups::forEachOwnFile(std::uint32_t node, Visit visit) const
{
    for (std::uint32_t file = nodes_[node].firstFile; file < nodes_[node].endFile; ++file)
        if (content_[file] != kNotCounted)
            visit(file);
}

std::vector<std::pair<std::string, std::uint32_t>> FolderGroups::layoutOf(std::uint32_t node) const
{
    std::vector<std::pair<std::string, std::uint32_t>> layout;
    const std::size_t prefix = nodes_[node].path.size();
    forEachFileBelow(node, [&](std::uint32_t file) {
        const TDupRecord& record = files_[file];
        layout.emplace_back(files_.folder(record).substr(prefix) + files_.name(record),
                            content_[file]);
    });
    std::ranges::sort(layout);
    return layout;
}

bool FolderGroups::sameLayout(std::uint32_t a, std::uint32_t b) const
{
    return nodes_[a].files == nodes_[b].files && layoutOf(a) == layoutOf(b);
}

void FolderGroups::makeRows(const FolderOptions& options)
{
    struct Group
    {
        std::uint32_t reference;
        int kind;                                           // 0 equal, 1 contained, 2 similar
        std::vector<std::pair<std::uint32_t, int>> members; // node, percent
    };
    // Equal folders join through every equal pair listed.
    std::vector<std::uint32_t> joined(nodes_.size());
    std::iota(joined.begin(), joined.end(), 0u);
    const auto rootOf = [&](std::uint32_t n) {
        while (joined[n] != n)
            n = joined[n] = joined[joined[n]];
        return n;
    };
    std::map<std::uint32_t, std::vector<std::pair<std::uint32_t, int>>> containers, similars;
    std::vector<bool> equalMember(nodes_.size(), false);
    for (const auto& [key, relation] : related_) {
        const auto a = static_cast<std::uint32_t>(key >> 32);
        const auto b = static_cast<std::uint32_t>(key);
        if (relation.firstInSecond && relation.secondInFirst) {
            if (intoCovered(a, b) && intoCovered(b, a))
                continue;
            equalMember[a] = equalMember[b] = true;
            const std::uint32_t ra = rootOf(a), rb = rootOf(b);
            joined[std::max(ra, rb)] = std::min(ra, rb);
        } else if (relation.firstInSecond) {
            if (!intoCovered(a, b))
                containers[b].emplace_back(a, 100);
        } else if (relation.secondInFirst) {
            if (!intoCovered(b, a))
                containers[a].emplace_back(b, 100);
        } else if (!similarCovered(a, b)) {
            similars[a].emplace_back(b, relation.percent);
        }
    }

    std::vector<Group> groups;
    std::map<std::uint32_t, std::size_t> equalGroup; // by the smallest node
    for (std::uint32_t n = 0; n < nodes_.size(); ++n) {
        if (!equalMember[n])
            continue;
        const std::uint32_t root = rootOf(n);
        if (root == n) {
            equalGroup.emplace(n, groups.size());
            groups.push_back({n, 0, {}});
        } else {
            groups[equalGroup.at(root)].members.emplace_back(n, 100);
        }
    }
    for (auto& [container, members] : containers) {
        std::ranges::sort(members);
        groups.push_back({container, 1, std::move(members)});
    }
    for (auto& [reference, members] : similars) {
        std::ranges::sort(members);
        groups.push_back({reference, 2, std::move(members)});
    }
    std::ranges::stable_sort(groups, [](const Group& x, const Group& y) {
        return x.reference != y.reference ? x.reference < y.reference : x.kind < y.kind;
    });

    const auto rowOf = [&](std::uint32_t n, FolderRelation relation, int percent,
                           std::uint32_t group) {
        return FolderRow{
            nodes_[n].path, nodes_[n].bytes, nodes_[n].files, relation, percent, group, n};
    };
    std::uint32_t label = 0;
    for (const Group& group : groups) {
        ++label;
        rows_.push_back(rowOf(group.reference, FolderRelation::Reference, 100, label));
        for (const auto& [member, percent] : group.members) {
            FolderRelation relation = FolderRelation::Similar;
            if (group.kind == 1)
                relation = FolderRelation::Contained;
            else if (group.kind == 0) {
                const PairRelation* known = pairRelation(group.reference, member);
                const bool layout =
                    options.layout || (known ? known->layout : sameLayout(group.reference, member));
                relation = layout ? FolderRelation::EqualLayout : FolderRelation::Equal;
            }
            rows_.push_back(rowOf(member, relation, percent, label));
        }
    }
}

std::int64_t FolderGroups::newestWrite(const FolderRow& row) const
{
    std::int64_t newest = INT64_MIN;
    forEachFileBelow(
        row.node, [&](std::uint32_t file) { newest = std::max(newest, files_[file].lastWrite); });
    return newest;
}

std::vector<std::pair<std::size_t, std::size_t>>
FolderGroups::counterparts(const FolderRow& acted, const FolderRow& kept) const
{
    std::unordered_map<std::uint32_t, std::size_t> byContent;
    std::unordered_map<std::string, std::size_t> byPlace;
    const std::size_t keptPrefix = nodes_[kept.node].path.size();
    forEachFileBelow(kept.node, [&](std::uint32_t file) {
        const TDupRecord& record = files_[file];
        byContent.try_emplace(content_[file], file);
        byPlace.emplace(files_.folder(record).substr(keptPrefix) + files_.name(record), file);
    });
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    const std::size_t actedPrefix = nodes_[acted.node].path.size();
    forEachFileBelow(acted.node, [&](std::uint32_t file) {
        const TDupRecord& record = files_[file];
        const auto place =
            byPlace.find(files_.folder(record).substr(actedPrefix) + files_.name(record));
        if (place != byPlace.end() && content_[place->second] == content_[file]) {
            pairs.emplace_back(file, place->second);
        } else if (const auto same = byContent.find(content_[file]); same != byContent.end()) {
            pairs.emplace_back(file, same->second);
        }
    });
    return pairs;
}

SearchOutcome SearchFolderGroups(const std::vector<std::string>& folders,
                                 const FolderSearchParams& params, FolderGroups& result)
{
    UnreadNoting observer(params.observer);
    DupSearchParams search{params.filters, 100, observer};
    search.threads = params.threads;
    search.cache = params.cache;
    DupList files;
    const SearchOutcome outcome = CollectAndPairFiles(folders, search, files, true);
    if (outcome.ran)
        result = FolderGroups(std::move(files), folders, params.options, observer, observer.unread);
    return outcome;
}

std::string RelationText(const FolderRow& row)
{
    switch (row.relation) {
    case FolderRelation::Reference:
        return "基準";
    case FolderRelation::Equal:
        return "同一";
    case FolderRelation::EqualLayout:
        return "同一(構成も同じ)";
    case FolderRelation::Contained:
        return "含まれる";
    case FolderRelation::Similar:
        break;
    }
    return "類似 " + std::to_string(row.percent) + "%";
}

} // namespace quorvex
