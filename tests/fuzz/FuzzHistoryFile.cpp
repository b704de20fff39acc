// The history files "data1.txt" .. "data4.txt": one entry per line, decoded on its
// own or kept byte for byte, written back as read; pruning keeps at most 16.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "paths/HistoryFile.h"
#include "platform/TextFile.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = platform::SplitDecodedLines(bytes);
    std::string written;
    for (const std::string& line : lines) {
        if (platform::DecodeLegacyLine(line) != line ||
            line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        written += line + "\r\n";
    }
    if (platform::SplitDecodedLines(written) != lines)
        std::abort();
    if (PruneHistory(lines).size() > kHistoryLimit)
        std::abort();
    return 0;
}
