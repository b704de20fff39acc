#include "platform/posix/ProcessUmask.h"

#include <sys/stat.h>

#include <fstream>
#include <string>

namespace quorvex::platform::posix {

mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace quorvex::platform::posix
