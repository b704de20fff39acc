#pragma once
// One copy on Windows, made durable and put in place on its own.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileReplace.h"

namespace quorvex::platform {

// Copies the regular file at `source`, which must still be `sourceExpected`, to
// `destination`: written under a temporary name there with the source's time and
// attributes, flushed, judged by `sound` (by the copy's path), and only then put in
// place while the source is still untouched. Where `replaced` is given the
// destination must still hold that file, unchanged: it first gets a second name, in
// the Recycle Bin or, where `keepAs` is given, that name beside it (where nothing may
// be yet), told in `keptAt` (empty for the Recycle Bin, whose place the shell does not
// tell). Without `replaced` nothing may be at the destination. On any result but Done
// the destination still holds what it held and no temporary file, second name or
// Recycle Bin entry is left. Symbolic links are refused.
ReplaceResult CopyEntryInto(std::string_view source, const FileIdentity& sourceExpected,
                            std::string_view destination,
                            const std::optional<FileIdentity>& replaced, std::string_view keepAs,
                            TempJournal& journal,
                            const std::function<bool(const std::string& copy)>& sound,
                            std::string& keptAt);

} // namespace quorvex::platform
