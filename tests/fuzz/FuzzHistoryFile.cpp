// The history files "data1.txt" .. "data4.txt", whatever their bytes: loading gives
// one entry per line, without line breaks, and writing the entries back loads as the
// same entries. Behind a line longer than what is read of a history file, the file
// loads as read in part, with the lines before it.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "ScratchFolder.h"
#include "paths/HistoryFile.h"

using namespace quorvex;

namespace {

void Write(const std::string& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& folder = ScratchFolder::path();
    const std::string file = HistoryFilePath(folder, 1);
    Write(file, bytes);
    const platform::StateFileText loaded = LoadHistory(folder, 1);
    if (loaded.read != platform::StateFileRead::Whole)
        std::abort();
    for (const std::string& line : loaded.lines)
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
    if (!platform::WriteTextLinesAtomically(file, loaded.lines) ||
        LoadHistory(folder, 1).lines != loaded.lines)
        std::abort();

    if (size >= kHistoryFileLimit)
        return 0;
    std::string tooLong(bytes);
    if (!tooLong.empty() && tooLong.back() != '\n' && tooLong.back() != '\r')
        tooLong += '\n';
    tooLong.append(kHistoryFileLimit + 1, 'x');
    Write(file, tooLong);
    const platform::StateFileText cut = LoadHistory(folder, 1);
    if (cut.read != platform::StateFileRead::InPart || cut.lines != loaded.lines)
        std::abort();
    return 0;
}
