#include "platform/TempEntry.h"

#include "platform/FileSystem.h"
#include "platform/TempFileNames.h"

namespace quorvex::platform {

namespace {
constexpr int kNameAttempts = 100;
} // namespace

TempEntry::~TempEntry()
{
    if (!path_.empty() && DeleteRegularFile(path_))
        journal_.settle();
}

bool TempEntry::make(const std::string& besidePath,
                     const std::function<Attempt(const std::string&)>& make)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = TempPathBeside(besidePath);
        if (!journal_.note(name))
            return false;
        const Attempt made = make(name);
        if (made == Attempt::Made) {
            path_ = name;
            return true;
        }
        journal_.settle(); // nothing was made
        if (made == Attempt::Failed)
            return false;
    }
    return false;
}

void TempEntry::renamed()
{
    path_.clear();
    journal_.settle();
}

} // namespace quorvex::platform
