#include "compare/PathCaption.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

constexpr int kMaxCaptionDepth = 30;

using platform::IsSeparatorAt;

// The head shows the root: "/" on Linux, the first three characters (the drive,
// "C:\") on Windows.
std::string captionHead(std::string_view path)
{
    return platform::kSeparator == '/' ? std::string("/") : std::string(path.substr(0, 3));
}

} // namespace

std::string RemoveLastComponent(std::string& path)
{
    std::string copy = path;
    if (!copy.empty() && IsSeparatorAt(copy, copy.size() - 1))
        copy.pop_back();
    std::size_t slash = copy.size();
    while (slash > 0 && !IsSeparatorAt(copy, slash - 1))
        --slash;
    if (slash == 0)
        return {};
    std::string component = copy.substr(slash);
    copy.resize(slash - 1);
    path = std::move(copy);
    return component;
}

std::string AbbreviatePathCaption(std::string_view given)
{
    // A relative path has no root to show: it is shown from the current folder.
    const std::string path = platform::AbsolutePath(given);
    std::string copy(path);
    if (copy.find('.') != std::string::npos && !platform::IsExistingFolder(path))
        RemoveLastComponent(copy);
    int depth = 0;
    while (depth < kMaxCaptionDepth && !RemoveLastComponent(copy).empty())
        ++depth;
    std::string caption = captionHead(path);
    if (depth == 0)
        return caption;
    std::string last = path;
    caption.append(static_cast<std::size_t>(depth), '.');
    caption += "[" + RemoveLastComponent(last) + "]";
    return caption;
}

} // namespace quorvex
