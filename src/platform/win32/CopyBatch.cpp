// On Windows each copy is made, flushed and put in place on its own when it is
// staged (CopyEntry.h); placing the batch reports what staging did.

#include "platform/CopyBatch.h"

#include "platform/win32/CopyEntry.h"

namespace quorvex::platform {

// Staging also puts the copy in place, and a replaced file into the Recycle Bin, whose
// shell calls belong to the calling thread.
const unsigned CopyBatch::kConcurrentStages = 1;

struct CopyBatch::Staged
{
    std::size_t tag;
    std::string keptAt;
};

CopyBatch::CopyBatch(TempJournal& journal) : journal_(journal) {}

CopyBatch::~CopyBatch() = default;

void CopyBatch::settle() {} // each copy was flushed in place when it was staged

ReplaceResult CopyBatch::stage(std::size_t tag, std::string_view source,
                               const FileIdentity& sourceExpected, std::string_view destination,
                               const std::optional<FileIdentity>& replaced, std::string_view keepAs,
                               const std::function<bool(InputFile&, InputFile&)>& sound)
{
    const auto soundAt = [&](const std::string& copyPath) {
        InputFile sourceFile, copyFile;
        return sourceFile.open(source) && copyFile.open(copyPath) && sound(sourceFile, copyFile);
    };
    auto staged = std::make_unique<Staged>();
    staged->tag = tag;
    const ReplaceResult result = CopyEntryInto(source, sourceExpected, destination, replaced,
                                               keepAs, journal_, soundAt, staged->keptAt);
    if (result == ReplaceResult::Done)
        staged_.push_back(std::move(staged));
    return result;
}

std::vector<CopyBatch::Placed> CopyBatch::place()
{
    std::vector<Placed> placed;
    for (const std::unique_ptr<Staged>& staged : staged_)
        placed.push_back({staged->tag, ReplaceResult::Done, staged->keptAt, {}});
    staged_.clear();
    return placed;
}

} // namespace quorvex::platform
