// Registry key files (the settings and the mask sets), whatever their bytes: parsing
// ends; a file written from what was parsed reads back complete with the same values,
// and once written again it stays the same. A value that holds bytes of no encoding
// is only checked from the second rewrite on: the first may turn such bytes into text
// when their new line reads as CP932 (RegistryKey keeps the old file aside then).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"
#include "platform/TextFile.h"

using namespace quorvex::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex";
    const ParsedRegistryText parsed = ParseRegistryFile(bytes, kKey);
    const ParsedRegistryText written =
        ParseRegistryFile(FormatRegistryText(kKey, parsed.values), kKey);
    const ParsedRegistryText again =
        ParseRegistryFile(FormatRegistryText(kKey, written.values), kKey);
    if (!written.complete || !again.complete || again.values != written.values ||
        written.values.size() != parsed.values.size())
        std::abort();
    for (std::size_t i = 0; i < parsed.values.size(); ++i) {
        const RegistryValue& value = parsed.values[i];
        if (IsValidUtf8(value.name) && IsValidUtf8(value.text) && written.values[i] != value)
            std::abort();
    }
    return 0;
}
