#pragma once
// Paths longer than the kernel accepts in one call (PATH_MAX, 4096 bytes) are reached
// step by step: the folder holding the last component is opened piecewise, and the
// operation runs relative to it. Short paths cost nothing extra.

#include <string>

namespace quorvex::platform::posix {

class PathAnchor
{
public:
    // `path` without a trailing '/'.
    explicit PathAnchor(const std::string& path);
    ~PathAnchor();
    PathAnchor(const PathAnchor&) = delete;
    PathAnchor& operator=(const PathAnchor&) = delete;

    bool isValid() const { return valid_; }
    // AT_FDCWD for a short path, else an open descriptor of the containing folder.
    int dirFd() const { return dirFd_; }
    // The path relative to dirFd(): the whole path when it is short.
    const char* name() const { return name_; }

private:
    int dirFd_;
    const char* name_ = nullptr;
    bool valid_ = false;
    bool ownsFd_ = false;
};

} // namespace quorvex::platform::posix
