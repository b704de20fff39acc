#include "compare/PathCaption.h"

#include "platform/FileSystem.h"

namespace quorvex {

namespace {

constexpr std::string_view kCaptionHead = "/";
constexpr int kMaxCaptionDepth = 30;

// In UTF-8 every '/' byte is a separator (no multi-byte character contains one).
bool isSeparatorAt(std::string_view text, std::size_t index)
{
    return text[index] == '/';
}

} // namespace

std::string RemoveLastComponent(std::string& path)
{
    std::string copy = path;
    if (!copy.empty() && isSeparatorAt(copy, copy.size() - 1))
        copy.pop_back();
    std::size_t slash = copy.size();
    while (slash > 0 && !isSeparatorAt(copy, slash - 1))
        --slash;
    if (slash == 0)
        return {};
    std::string component = copy.substr(slash);
    copy.resize(slash - 1);
    path = std::move(copy);
    return component;
}

std::string AbbreviatePathCaption(std::string_view path)
{
    std::string copy(path);
    if (copy.find('.') != std::string::npos && !platform::IsExistingFolder(path))
        RemoveLastComponent(copy);
    int depth = 0;
    while (depth < kMaxCaptionDepth && !RemoveLastComponent(copy).empty())
        ++depth;
    std::string caption(kCaptionHead);
    if (depth == 0)
        return caption;
    std::string last(path);
    caption.append(static_cast<std::size_t>(depth), '.');
    caption += "[" + RemoveLastComponent(last) + "]";
    return caption;
}

} // namespace quorvex
