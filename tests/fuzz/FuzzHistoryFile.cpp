// The history files "data1.txt" .. "data4.txt", whatever their bytes: loading gives
// one entry per line, without line breaks, and writing the entries back loads as the
// same entries. Behind a line longer than what is read of a history file, the file
// loads as read in part, with the lines before it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ScratchFile.h"
#include "paths/HistoryFile.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string folder = WriteScratchFile("data1.txt", bytes);
    const platform::StateFileText loaded = LoadHistory(folder, 1);
    if (loaded.read != platform::StateFileRead::Whole)
        std::abort();
    for (const std::string& line : loaded.lines)
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
    if (!platform::WriteTextLinesAtomically(HistoryFilePath(folder, 1), loaded.lines) ||
        LoadHistory(folder, 1).lines != loaded.lines)
        std::abort();

    if (size >= kHistoryFileLimit)
        return 0;
    std::string tooLong(bytes);
    if (!tooLong.empty() && tooLong.back() != '\n' && tooLong.back() != '\r')
        tooLong += '\n';
    tooLong.append(kHistoryFileLimit + 1, 'x');
    WriteScratchFile("data1.txt", tooLong);
    const platform::StateFileText cut = LoadHistory(folder, 1);
    if (cut.read != platform::StateFileRead::InPart || cut.lines != loaded.lines)
        std::abort();
    return 0;
}
