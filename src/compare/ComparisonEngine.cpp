#include "compare/ComparisonEngine.h"

#include "common/ContentCompare.h"
#include "compare/ComparisonOrder.h"
#include "compare/ContentComparisons.h"
#include "compare/FolderListings.h"
#include "compare/PathCaption.h"
#include "platform/DosTime.h"
#include "platform/FailureReason.h"
#include "platform/FreeMemory.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

// Entries the counting pass may keep listed for the walks (about 40 bytes each).
constexpr std::size_t kListingBudget = 1 << 20;
// Bytes of released listings after which A's walk hands freed memory back.
constexpr std::size_t kFreedMemoryStep = 8 << 20;

using platform::WithTrailingSeparator;

} // namespace

std::string FileComparisonRoot(std::string_view path)
{
    const auto slash = platform::FindLastSeparator(path);
    if (slash == std::string_view::npos)
        return ".";
    const std::size_t root = platform::RootLength(path);
    return std::string(path.substr(0, slash < root ? root : slash));
}

namespace {

std::string fileNameOf(std::string_view path)
{
    const auto slash = platform::FindLastSeparator(path);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

EntryFacts factsOf(const ListedEntry& entry)
{
    return {entry.isDirectory() ? -1 : static_cast<std::int64_t>(entry.size),
            ToDosDateTime(platform::FileTime{entry.lastWrite}), entry.attributes};
}

// `folder` (empty or ending with a separator) followed by `name`.
std::string joined(const std::string& folder, std::string_view name)
{
    std::string path;
    path.reserve(folder.size() + name.size() + 1);
    return path.append(folder).append(name);
}

} // namespace

std::uint32_t ToDosDateTime(platform::FileTime time)
{
    return platform::PackLocalDosDateTime(time);
}

std::optional<EntryFacts> GetFolderEntryFacts(std::string_view path)
{
    const auto entry = platform::LookupEntry(path);
    if (!entry)
        return std::nullopt;
    return factsOf(ListedEntryOf(*entry));
}

std::optional<EntryFacts> GetFileFacts(std::string_view path)
{
    const auto entry = platform::LookupEntry(path);
    if (!entry)
        return std::nullopt;
    const std::uint32_t packed = ToDosDateTime(entry->lastWrite);
    // Outside 1980..2099 the packed value names no day; the local calendar day serves.
    std::int32_t day = platform::DayNumberOfDosDateTime(packed);
    if (packed == 0) {
        const auto local = platform::ToLocalCalendar(entry->lastWrite);
        day = platform::DayNumberOfDate(local.year, local.month, local.day);
    }
    return EntryFacts{static_cast<std::int64_t>(entry->size), day, entry->attributes};
}

// One side's walk (WalkSideA or WalkSideB) over an explicit stack, in the order of
// the recursive walk: per folder its files first, then each subfolder's row followed
// by that subfolder's whole walk; after each subfolder a pending cancel ends the
// listing of the current folder.
class ComparisonEngine::Walker
{
public:
    enum class Mode
    {
        Count,
        SideA,
        SideB
    };

    Walker(ComparisonEngine& engine, Mode mode, FolderListings& own, FolderListings& other,
           std::string root, std::string otherRoot)
        : engine_(engine), mode_(mode), own_(own), other_(other), root_(std::move(root)),
          otherRoot_(std::move(otherRoot))
    {
    }

    std::uint64_t run()
    {
        push(std::string());
        while (!stack_.empty()) {
            Frame& frame = stack_.back();
            if (frame.resumed && engine_.observer_.cancelRequested()) {
                pop();
                continue;
            }
            const std::optional<std::size_t> index = nextFolder(frame);
            if (!index) {
                pop();
                continue;
            }
            const ListedEntry folder = frame.listing->entry(*index);
            frame.resumed = true;
            handleFolder(frame, *index, folder);
            // A folder reached through a symbolic link has its row but is never entered.
            if (!(folder.attributes & platform::kAttrReparsePoint))
                push(joined(frame.relative, folder.name) + platform::kSeparator);
        }
        return count_;
    }

    std::uint64_t bytes() const { return bytes_; }
    std::uint64_t nameBytes() const { return nameBytes_; }

private:
    struct Frame
    {
        std::string relative; // R: "" or ending with a separator
        // The path cell of its files' rows, added with the first of them.
        std::optional<std::uint32_t> filesCell;
        const FolderListing* listing = nullptr;
        // The other side's listing; null where the own listing notes A's attributes.
        const FolderListing* counterpart = nullptr;
        std::size_t next = 0; // the listing's next entry to look at for a subfolder
        bool resumed = false; // a subfolder has been walked
    };

    bool acceptsFile(const ListedEntry& entry) const
    {
        const FilterSettings& filters = engine_.filters_;
        return !entry.isDirectory() && PassesAttributeFilter(entry.attributes, filters) &&
               (!filters.useMasks ||
                PassesMaskFilter(ExtensionKey(entry.name, ExtensionRule::LastDot), filters));
    }

    bool acceptsFolder(const ListedEntry& entry) const
    {
        return entry.isDirectory() && entry.name.front() != '.' &&
               PassesAttributeFilter(entry.attributes, engine_.filters_);
    }

    void push(std::string relative)
    {
        // The counting passes list every folder of both trees before the first row:
        // the window answers between their listings as it does between rows.
        if (mode_ == Mode::Count)
            engine_.observer_.pumpMessages();
        Frame frame;
        frame.listing = &own_.get(root_, relative);
        if (mode_ != Mode::Count) {
            if (!frame.listing->notesCounterparts())
                frame.counterpart = &other_.get(otherRoot_, relative);
            if (!frame.listing->listed) {
                // After the messages of the files before it.
                engine_.finishContentComparisons();
                engine_.observer_.cannotRead(root_ + relative, frame.listing->failure);
            }
        }
        frame.relative = std::move(relative);
        stack_.push_back(std::move(frame));
        handleFiles(stack_.back());
    }

    void pop()
    {
        const std::string& relative = stack_.back().relative;
        switch (mode_) {
        case Mode::Count:
            if (own_.overBudget())
                own_.release(relative);
            break;
        case Mode::SideA: {
            // B's walk comes back only to folders that B has too, and needs of A's
            // entries there only their attributes, which B's listing notes.
            const Frame& frame = stack_.back();
            const bool shared = frame.counterpart->listed;
            const bool noted = shared && frame.listing->listed;
            if (noted)
                other_.noteCounterparts(relative, *frame.listing);
            if (!shared || noted || own_.overBudget())
                freed_ += own_.release(relative);
            if (!shared || other_.overBudget())
                freed_ += other_.release(relative);
            // The rows grow as the listings go: what they held is handed back now and
            // then rather than only at the end.
            if (freed_ >= kFreedMemoryStep) {
                platform::ReturnFreedMemory();
                freed_ = 0;
            }
            break;
        }
        case Mode::SideB:
            own_.release(relative);
            other_.release(relative);
            break;
        }
        stack_.pop_back();
    }

    // The index of the listing's next subfolder to walk.
    std::optional<std::size_t> nextFolder(Frame& frame)
    {
        while (frame.next < frame.listing->size()) {
            const std::size_t index = frame.next++;
            if (acceptsFolder(frame.listing->entry(index)))
                return index;
        }
        return std::nullopt;
    }

    // LookupCounterpart: the entry of that name on the other side, unless the
    // attribute options exclude it.
    std::optional<EntryFacts> lookupCounterpart(const Frame& frame, std::string_view name) const
    {
        std::optional<platform::DirEntry> looked;
        std::optional<ListedEntry> entry;
        if (frame.counterpart->listed) {
            entry = frame.counterpart->find(name);
        } else if (looked = platform::LookupEntry(otherRoot_ + joined(frame.relative, name));
                   looked) {
            entry = ListedEntryOf(*looked); // a folder that exists but cannot be listed
        }
        if (!entry || !PassesAttributeFilter(entry->attributes, engine_.filters_))
            return std::nullopt;
        return factsOf(*entry);
    }

    // B's walk: whether A has the entry `index` of B's listing, named `name`, as
    // lookupCounterpart would find it.
    bool hasCounterpart(const Frame& frame, std::size_t index, std::string_view name) const
    {
        if (frame.counterpart != nullptr)
            return lookupCounterpart(frame, name).has_value();
        const std::optional<std::uint32_t> attributes = frame.listing->counterpartAttributes(index);
        return attributes && PassesAttributeFilter(*attributes, engine_.filters_);
    }

    // The path cell of the files of the frame's folder.
    std::uint32_t filesCell(Frame& frame)
    {
        if (!frame.filesCell)
            frame.filesCell = engine_.rows_.addPathCell(frame.relative);
        return *frame.filesCell;
    }

    // A folder row's path cell: the folder's own relative path.
    std::uint32_t folderCell(const Frame& frame, const ListedEntry& folder)
    {
        return engine_.rows_.addPathCell(joined(frame.relative, folder.name));
    }

    void handleFiles(Frame& frame)
    {
        for (std::size_t index = 0; index < frame.listing->size(); ++index) {
            const ListedEntry entry = frame.listing->entry(index);
            if (!acceptsFile(entry))
                continue;
            ++count_;
            if (mode_ == Mode::Count) {
                bytes_ += entry.size;
                nameBytes_ += entry.name.size() + 1;
                continue;
            }
            if (mode_ == Mode::SideA) {
                // A queued comparison tells its work done when it is done.
                if (!engine_.AddComparisonRow(entry.name, frame.relative, filesCell(frame), false,
                                              factsOf(entry), lookupCounterpart(frame, entry.name)))
                    engine_.observer_.addWorkDone(entry.size);
            } else if (!hasCounterpart(frame, index, entry.name))
                engine_.AddComparisonRow(entry.name, frame.relative, filesCell(frame), false,
                                         std::nullopt, factsOf(entry));
            engine_.observer_.stepOverall(1);
            engine_.observer_.pumpMessages();
        }
    }

    void handleFolder(const Frame& frame, std::size_t index, const ListedEntry& entry)
    {
        ++count_;
        if (mode_ == Mode::Count) {
            nameBytes_ += entry.name.size() + 1;
            return;
        }
        if (mode_ == Mode::SideA)
            engine_.AddComparisonRow(entry.name, frame.relative, folderCell(frame, entry), true,
                                     factsOf(entry), lookupCounterpart(frame, entry.name));
        else if (!hasCounterpart(frame, index, entry.name))
            engine_.AddComparisonRow(entry.name, frame.relative, folderCell(frame, entry), true,
                                     std::nullopt, factsOf(entry));
        engine_.observer_.stepOverall(1);
    }

    ComparisonEngine& engine_;
    Mode mode_;
    FolderListings& own_;
    FolderListings& other_;
    std::string root_;      // the walked root with a trailing separator
    std::string otherRoot_; // the other root with a trailing separator
    std::vector<Frame> stack_;
    std::uint64_t count_ = 0;
    std::uint64_t bytes_ = 0;     // the sizes of the files counted
    std::uint64_t nameBytes_ = 0; // their names' and the folders' with a NUL each
    std::size_t freed_ = 0;       // bytes of listings released since memory was last returned
};

ComparisonEngine::ComparisonEngine(const FilterSettings& filters, RunObserver& observer)
    : filters_(filters), observer_(observer)
{
}

ComparisonEngine::~ComparisonEngine() = default;

ComparisonOutcome ComparisonEngine::StartComparison(std::string_view pathA, std::string_view pathB,
                                                    bool compareContents)
{
    rows_.clear();
    captionA_.clear();
    captionB_.clear();
    compareContents_ = compareContents;
    return RunComparison(pathA, pathB);
}

ComparisonOutcome ComparisonEngine::RunComparison(std::string_view pathA, std::string_view pathB)
{
    const auto entryA = platform::LookupEntry(pathA);
    const auto entryB = platform::LookupEntry(pathB);
    if (!entryA)
        return {false, {RefusalReason::UnknownSideA, std::string(pathA)}};
    if (!entryB)
        return {false, {RefusalReason::UnknownSideB, std::string(pathB)}};
    const bool fileA = !entryA->isDirectory();
    if (fileA != !entryB->isDirectory())
        return {false, {RefusalReason::FolderAgainstFile, {}}};

    captionA_ = AbbreviatePathCaption(pathA);
    captionB_ = AbbreviatePathCaption(pathB);
    comparedAt_ = platform::CurrentFileTime();
    comparedFiles_ = fileA;
    percentSum_ = 0;
    rowCount_ = 0;
    if (fileA) {
        compareFiles(pathA, pathB);
    } else {
        rootA_ = pathA;
        rootB_ = pathB;
        FolderListings listingsA(kListingBudget), listingsB(kListingBudget);
        const std::string rootA = WithTrailingSeparator(pathA),
                          rootB = WithTrailingSeparator(pathB);
        Walker countA(*this, Walker::Mode::Count, listingsA, listingsB, rootA, rootB);
        Walker countB(*this, Walker::Mode::Count, listingsB, listingsA, rootB, rootA);
        const std::uint64_t total = countA.run() + countB.run();
        observer_.setOverallMax(total);
        // The contents read are those of A's files (each against its counterpart).
        if (compareContents_)
            observer_.setWorkTotal(countA.bytes());
        observer_.setOverallPosition(0);
        // At most every entry of both sides; room never written takes no memory.
        rows_.reserve(total, countA.nameBytes() + countB.nameBytes());
        std::optional<ContentComparisons> comparisons;
        if (compareContents_)
            comparisons_ = &comparisons.emplace(observer_, 0, cache_);
        Walker(*this, Walker::Mode::SideA, listingsA, listingsB, rootA, rootB).run();
        finishContentComparisons();
        comparisons_ = nullptr;
        Walker(*this, Walker::Mode::SideB, listingsB, listingsA, rootB, rootA).run();
    }
    // The listings are gone: their many small blocks go back to the system before
    // the order's keys are allocated, not beside them.
    platform::ReturnFreedMemory();
    // The window answers while the rows are put in order; the order is made whole even
    // after a stop, since a stopped run's rows are listed in it too.
    RestoreComparisonOrder(rows_, [this] {
        observer_.pumpMessages();
        return true;
    });
    averagePercent_ =
        compareContents_ && rowCount_ > 0 ? static_cast<int>(percentSum_ / rowCount_) : -1;
    return {true, {}};
}

void ComparisonEngine::adoptOpenedList(ComparisonList rows, std::string rootA, std::string rootB,
                                       std::string captionA, std::string captionB,
                                       int averagePercent)
{
    rows_ = std::move(rows);
    comparedAt_ = platform::CurrentFileTime();
    comparedFiles_ = false;
    rootA_ = std::move(rootA);
    rootB_ = std::move(rootB);
    captionA_ = std::move(captionA);
    captionB_ = std::move(captionB);
    averagePercent_ = averagePercent;
    rowCount_ = static_cast<std::int64_t>(rows_.size());
    percentSum_ = averagePercent < 0 ? 0 : averagePercent * rowCount_;
}

std::string ComparisonEngine::contentHeader(const ComparisonWords& words) const
{
    return averagePercent_ >= 0 ? std::to_string(averagePercent_) + "%" : words.contentHeader;
}

void ComparisonEngine::compareFiles(std::string_view pathA, std::string_view pathB)
{
    rowCount_ = 1;
    rootA_ = FileComparisonRoot(pathA);
    rootB_ = FileComparisonRoot(pathB);
    const EntryFacts factsA = GetFileFacts(pathA).value_or(EntryFacts{});
    const EntryFacts factsB = GetFileFacts(pathB).value_or(EntryFacts{});
    ComparisonRow& row =
        rows_.add(fileNameOf(pathA), rows_.addPathCell({}), true, true, fileNameOf(pathB));
    row.setRelations(factsA, factsB);
    int percent = -1;
    if (compareContents_) {
        ContentBuffers buffers;
        CompareContents(pathA, pathB, 0, percent, buffers, observer_);
        row.setContent(ContentCell::Percent, percent);
        percentSum_ = percent;
    } else {
        row.setContent(ContentCell::NotShown, percent);
    }
    row.setHidden((factsA.attributes & platform::kAttrHidden) != 0);
}

void ComparisonEngine::finishContentComparisons()
{
    if (comparisons_ == nullptr)
        return;
    comparisons_->finish([this](std::size_t row, int percent) {
        rows_[row].setContent(ContentCell::Percent, percent);
        percentSum_ += percent;
    });
}

bool ComparisonEngine::AddComparisonRow(std::string_view name, const std::string& relative,
                                        std::uint32_t pathCell, bool folder,
                                        const std::optional<EntryFacts>& factsA,
                                        const std::optional<EntryFacts>& factsB)
{
    bool queued = false;
    ++rowCount_;
    const std::size_t index = rows_.size();
    ComparisonRow& row = rows_.add(name, pathCell, factsA.has_value(), factsB.has_value());
    row.setHidden(factsA && (factsA->attributes & platform::kAttrHidden));
    if (factsA && factsB) {
        row.setRelations(*factsA, *factsB);
        if (folder) {
            percentSum_ += 100;
        } else if (compareContents_) {
            const std::string path = joined(relative, name);
            comparisons_->add(index, WithTrailingSeparator(rootA_) + path,
                              WithTrailingSeparator(rootB_) + path,
                              static_cast<std::uint64_t>(factsA->size));
            queued = true;
        } else {
            row.setContent(ContentCell::NotCompared, -1);
        }
    }
    if (queued && comparisons_->full())
        finishContentComparisons();
    return queued;
}

} // namespace quorvex
