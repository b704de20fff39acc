// Mask texts (a mask set's value, or the file of quorvex-cli --masks) against a file
// name: input is the mask text, a NUL, the name. A mask matches a key exactly when it
// is "*.*", or as long as the key or longer with "?" past the key's end, and at every
// place "?" or the key's byte without regard to ASCII letter case; the first mask
// that matches decides, and the exclusion switch turns every answer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/Filters.h"
#include "platform/TextFile.h"

using namespace quorvex;

namespace {

char Folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Matches(std::string_view mask, std::string_view key)
{
    if (mask == "*.*")
        return true;
    if (mask.size() < key.size())
        return false;
    for (std::size_t j = 0; j < mask.size(); ++j)
        if (mask[j] != '?' && (j >= key.size() || Folded(mask[j]) != Folded(key[j])))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view name = nul == std::string_view::npos ? "" : input.substr(nul + 1);
    FilterSettings settings;
    settings.useMasks = true;
    settings.activeMasks = platform::SplitDecodedLines(input.substr(0, nul));
    for (const ExtensionRule rule : {ExtensionRule::LastDot, ExtensionRule::FirstDot}) {
        const std::string key = ExtensionKey(name, rule);
        bool matched = false;
        for (const std::string& mask : settings.activeMasks)
            matched = matched || Matches(mask, key);
        for (const bool exclusion : {false, true}) {
            settings.exclusion = exclusion;
            if (PassesMaskFilter(key, settings) != (matched != exclusion))
                std::abort();
        }
    }
    for (std::size_t i = 0; i < settings.activeMasks.size(); ++i)
        (void)ExclusionForMaskTitle(static_cast<int>(i), settings.activeMasks[i]);
    return 0;
}
