// Registry key files (the settings and the mask sets): whatever the bytes, parsing
// ends, and a file written from what was parsed reads back as the same values once
// written again. (The first rewrite may turn bytes of no encoding that stood on lines
// of their own into text, when their new line reads as CP932; RegistryKey keeps the
// old file aside then.)
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"

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
    return 0;
}
