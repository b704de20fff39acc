#pragma once
// The name under which a file that a copy replaces stays beside it, where the user
// keeps replaced files there rather than in the desktop trash.

#include <cstdint>
#include <functional>
#include <string>

namespace quorvex {

// "<stem> (yyyy-mm-dd hhmmss)<extension>" beside `path`, the time being the replaced
// file's last write (`lastWrite`, seconds since the Unix epoch, in local time), so
// that the versions of one file sort by age; "(yyyy-mm-dd hhmmss 2)" and on while
// `taken` says a name is in use. A name that begins with its only dot has no
// extension.
std::string VersionedPath(const std::string& path, std::int64_t lastWrite,
                          const std::function<bool(const std::string&)>& taken);

} // namespace quorvex
