// Registry key files (the settings and the mask sets): whatever the bytes, parsing
// ends, and a file written from what was parsed reads back as the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"

using namespace quorvex::platform;

namespace {

bool SameValues(const std::vector<RegistryValue>& a, const std::vector<RegistryValue>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].kind != b[i].kind || a[i].text != b[i].text ||
            a[i].dword != b[i].dword)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex";
    const ParsedRegistryText parsed = ParseRegistryFile(bytes, kKey);
    const ParsedRegistryText again =
        ParseRegistryFile(FormatRegistryText(kKey, parsed.values), kKey);
    if (!again.complete || !SameValues(again.values, parsed.values))
        std::abort();
    return 0;
}
