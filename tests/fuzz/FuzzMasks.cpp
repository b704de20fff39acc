// Mask texts (a mask set's value, or the file of quorvex-cli --masks) against a file
// name: input is the mask text, a NUL, the name. Every key passes exactly one of the
// two exclusion settings.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/Filters.h"
#include "platform/TextFile.h"

using namespace quorvex;

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
        settings.exclusion = false;
        const bool taken = PassesMaskFilter(key, settings);
        settings.exclusion = true;
        if (PassesMaskFilter(key, settings) == taken)
            std::abort();
    }
    for (std::size_t i = 0; i < settings.activeMasks.size(); ++i)
        (void)ExclusionForMaskTitle(static_cast<int>(i), settings.activeMasks[i]);
    return 0;
}
