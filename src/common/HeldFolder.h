#pragma once
// The folder of the files a worker opens one after another, held open between them:
// as long as the files lie in the same folder, each opens by its name, and the
// system walks the folder's path once instead of twice for every file.

#include <string_view>

#include "platform/FileSystem.h"

namespace quorvex {

class HeldFolder
{
public:
    // Opens the file `name` of `folder` (ending in the separator), holding `folder`
    // open in place of the folder held before. A folder that cannot be held open is
    // passed by the file's full path, so a failure is the one opening by path gives.
    bool open(std::string_view folder, std::string_view name, platform::InputFile& file);
    // The same for a file given by its full path.
    bool open(std::string_view path, platform::InputFile& file);

private:
    platform::OpenFolder folder_;
};

} // namespace quorvex
