// Copies that replace a file need a second name of it in the Recycle Bin, which it
// does not take; copying on Windows is not built yet.

#include "platform/CopyBatch.h"

#include <windows.h>

#include "platform/win32/LastError.h"

namespace quorvex::platform {

struct CopyBatch::Staged
{
};

CopyBatch::CopyBatch(TempJournal& journal) : journal_(journal) {}

CopyBatch::~CopyBatch() = default;

ReplaceResult CopyBatch::stage(std::string_view, const FileIdentity&, std::string_view,
                               const std::optional<FileIdentity>&, std::string_view,
                               const std::function<bool(const std::string&)>&)
{
    win32::RememberLastError(ERROR_NOT_SUPPORTED);
    return ReplaceResult::Failed;
}

std::vector<CopyBatch::Placed> CopyBatch::place()
{
    return {};
}

} // namespace quorvex::platform
