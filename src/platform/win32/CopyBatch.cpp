// On Windows each copy is made, flushed and put in place on its own when it is
// staged (CopyEntry.h); placing the batch reports what staging did. A replaced file
// kept under a versioned name is not offered there yet.

#include "platform/CopyBatch.h"

#include <windows.h>

#include "platform/win32/CopyEntry.h"
#include "platform/win32/LastError.h"

namespace quorvex::platform {

struct CopyBatch::Staged
{
    std::string trashedAt;
};

CopyBatch::CopyBatch(TempJournal& journal) : journal_(journal) {}

CopyBatch::~CopyBatch() = default;

void CopyBatch::settle() {} // each copy was flushed in place when it was staged

ReplaceResult CopyBatch::stage(std::string_view source, const FileIdentity& sourceExpected,
                               std::string_view destination,
                               const std::optional<FileIdentity>& replaced, std::string_view keepAs,
                               const std::function<bool(const std::string&)>& sound)
{
    if (!keepAs.empty()) {
        win32::RememberLastError(ERROR_NOT_SUPPORTED);
        return ReplaceResult::Failed;
    }
    auto staged = std::make_unique<Staged>();
    const ReplaceResult result = CopyEntryInto(source, sourceExpected, destination, replaced,
                                               journal_, sound, staged->trashedAt);
    if (result == ReplaceResult::Done) {
        bytes_ += sourceExpected.size;
        staged_.push_back(std::move(staged));
    }
    return result;
}

std::vector<CopyBatch::Placed> CopyBatch::place()
{
    std::vector<Placed> placed;
    for (const std::unique_ptr<Staged>& staged : staged_)
        placed.push_back({ReplaceResult::Done, staged->trashedAt, {}});
    staged_.clear();
    bytes_ = 0;
    return placed;
}

} // namespace quorvex::platform
