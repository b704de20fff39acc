#include "common/Filters.h"

#include "platform/FileSystem.h"

namespace quorvex {

namespace {

// Folds ASCII letters only, so multi-byte characters stay whole byte for byte.
std::string foldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool maskMatches(std::string_view mask, std::string_view key)
{
    if (mask == "*.*")
        return true;
    const std::string lm = foldCase(mask);
    std::string lk = foldCase(key);
    // Every "?" of the mask blots out the key's byte at the same position, or is
    // appended when the key is shorter: "?" also accepts a missing character there.
    for (std::size_t j = 0; j < lm.size(); ++j) {
        if (lm[j] != '?')
            continue;
        if (j < lk.size())
            lk[j] = '?';
        else
            lk.push_back('?');
    }
    return lm == lk;
}

} // namespace

bool PassesAttributeFilter(std::uint32_t attributes, const FilterSettings& settings)
{
    if ((attributes & platform::kAttrHidden) && !settings.includeHidden)
        return false;
    if ((attributes & platform::kAttrSystem) && !settings.includeSystem)
        return false;
    return true;
}

std::string ExtensionKey(std::string_view name, ExtensionRule rule)
{
    const auto dot = rule == ExtensionRule::LastDot ? name.rfind('.') : name.find('.');
    std::string key = "*";
    if (dot != std::string_view::npos)
        key.append(name.substr(dot));
    return key;
}

bool PassesMaskFilter(std::string_view key, const FilterSettings& settings)
{
    for (const auto& mask : settings.activeMasks)
        if (maskMatches(mask, key))
            return !settings.exclusion;
    return settings.exclusion;
}

std::string FormatAttributeText(std::uint32_t attributes)
{
    static constexpr struct
    {
        std::uint32_t bit;
        const char* letter;
    } kLetters[] = {
        {platform::kAttrArchive, "A"},   {platform::kAttrDirectory, "D"},
        {platform::kAttrHidden, "H"},    {platform::kAttrReadOnly, "R"},
        {platform::kAttrNormal, "N"},    {platform::kAttrSystem, "S"},
        {platform::kAttrTemporary, "T"},
    };
    std::string text;
    for (const auto& [bit, letter] : kLetters) {
        if (!(attributes & bit))
            continue;
        if (!text.empty())
            text.push_back('/');
        text.append(letter);
    }
    return text;
}

std::optional<bool> ExclusionForMaskTitle(int index, std::string_view title)
{
    if (index == 0)
        return false;
    if (title.find("除外") != std::string_view::npos)
        return true;
    if (title.find("コピー") != std::string_view::npos)
        return false;
    return std::nullopt;
}

} // namespace quorvex
