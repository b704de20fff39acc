#include "empty/EmptyEntryChecks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace quorvex {

bool IsRegularFileEntry(std::string_view path)
{
    const std::string pathText(path);
    struct stat status;
    return ::lstat(pathText.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool DeleteFileIfEmpty(std::string_view path)
{
    // lstat needs no read permission on the file and never follows a link; unlink
    // works on the name either way, so an open descriptor would narrow nothing.
    const std::string pathText(path);
    struct stat status;
    if (::lstat(pathText.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size != 0)
        return false;
    return ::unlink(pathText.c_str()) == 0;
}

} // namespace quorvex
