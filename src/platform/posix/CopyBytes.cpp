#include "platform/posix/CopyBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/posix/WriteAll.h"

namespace quorvex::platform::posix {

bool CopyBytes(const std::string& from, const std::string& to, mode_t mode)
{
    InputFile source;
    if (!source.open(from))
        return false;
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        RememberFailure(errno);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    std::int64_t got;
    while ((got = source.read(buffer.data(), buffer.size())) > 0)
        if (IsFaultInjected(FaultPoint::Write, to) ||
            !WriteAll(fd, std::string_view(buffer.data(), static_cast<std::size_t>(got)))) {
            RememberFailure(errno);
            got = -1;
            break;
        }
    bool ok = got == 0 && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (!ok && got == 0)
        RememberFailure(errno);
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(to.c_str());
    return ok;
}

} // namespace quorvex::platform::posix
