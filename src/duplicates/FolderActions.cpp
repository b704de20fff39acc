#include "duplicates/FolderActions.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace quorvex {

namespace {

bool AtOrBelow(const FolderRow& row, std::string_view folder)
{
    return !folder.empty() && row.path.starts_with(folder);
}

// The row of the group [first, end) that stays, or `end` when the group stays whole.
std::size_t KeptRow(const FolderGroups& groups, std::size_t first, std::size_t end, bool contained,
                    KeepRule rule, std::string_view keepFolder)
{
    const std::vector<FolderRow>& rows = groups.rows();
    if (rule == KeepRule::UnderFolder) {
        if (contained)
            return AtOrBelow(rows[first], keepFolder) ? first : end;
        for (std::size_t row = first; row < end; ++row)
            if (AtOrBelow(rows[row], keepFolder))
                return row;
        return end;
    }
    if (contained || rule == KeepRule::Reference)
        return first;
    std::size_t kept = first;
    for (std::size_t row = first + 1; row < end; ++row) {
        const std::int64_t time = groups.newestWrite(rows[row]);
        const std::int64_t keptTime = groups.newestWrite(rows[kept]);
        if (rule == KeepRule::Newest ? time > keptTime : time < keptTime)
            kept = row;
    }
    return kept;
}

} // namespace

std::vector<FolderChoice> ChooseFolders(const FolderGroups& groups, KeepRule rule,
                                        std::string_view keepFolder, bool linksOnly)
{
    const std::vector<FolderRow>& rows = groups.rows();
    std::vector<FolderChoice> choices;
    for (std::size_t first = 0, end = 0; first < rows.size(); first = end) {
        end = first + 1;
        while (end < rows.size() && rows[end].group == rows[first].group)
            ++end;
        const FolderRelation kind = rows[first + 1].relation;
        const bool contained = kind == FolderRelation::Contained;
        if (kind == FolderRelation::Similar || (contained && linksOnly))
            continue;
        const std::size_t kept = KeptRow(groups, first, end, contained, rule, keepFolder);
        if (kept == end)
            continue;
        for (std::size_t row = first; row < end; ++row)
            if (row != kept && !groups.nested(rows[row], rows[kept]) &&
                !(rule == KeepRule::UnderFolder && AtOrBelow(rows[row], keepFolder)))
                choices.push_back({row, kept});
    }
    return choices;
}

DupList FilesOfChosenFolders(const FolderGroups& groups, const std::vector<FolderChoice>& choices)
{
    const std::vector<FolderRow>& rows = groups.rows();
    // A folder that goes is nobody's kept folder: its files would go too.
    std::unordered_set<std::uint32_t> going;
    for (const FolderChoice& choice : choices)
        going.insert(rows[choice.acted].node);
    std::vector<std::pair<std::size_t, std::size_t>> pairs; // acted file, kept file
    for (const FolderChoice& choice : choices) {
        if (going.contains(rows[choice.kept].node))
            continue;
        const auto some = groups.counterparts(rows[choice.acted], rows[choice.kept]);
        pairs.insert(pairs.end(), some.begin(), some.end());
    }
    std::unordered_set<std::size_t> staying;
    for (const auto& pair : pairs)
        staying.insert(pair.second);
    std::vector<std::size_t> keptOrder;
    std::unordered_map<std::size_t, std::vector<std::size_t>> actedFor;
    std::unordered_set<std::size_t> acted;
    for (const auto& [file, kept] : pairs) {
        if (staying.contains(file) || !acted.insert(file).second)
            continue;
        auto [at, added] = actedFor.try_emplace(kept);
        if (added)
            keptOrder.push_back(kept);
        at->second.push_back(file);
    }

    const DupList& files = groups.files();
    DupList list;
    const auto add = [&](std::size_t file, std::int8_t content, std::uint32_t group) {
        const TDupRecord& record = files[file];
        list.enterFolder(files.folder(record));
        platform::DirEntry entry;
        entry.name = files.name(record);
        entry.size = record.size;
        entry.lastWrite.seconds = record.lastWrite;
        TDupRecord& added = list.add(entry);
        added.content = content;
        added.group = group;
    };
    std::uint32_t group = 0;
    for (const std::size_t kept : keptOrder) {
        add(kept, kContentReference, ++group);
        for (const std::size_t file : actedFor[kept])
            add(file, 100, group);
    }
    return list;
}

} // namespace quorvex
