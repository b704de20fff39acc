// What InputFile does the same on every system: closing at the end, taking an opened
// file in, handing the open file over on a move, the bound of reads and forgetting a closed file.
// Opening, reading and closing are each system's own (posix/InputFile.cpp, win32/InputFile.cpp).

#include <algorithm>
#include <utility>

#include "platform/FaultHook.h"
#include "platform/FileSystem.h"

namespace quorvex::platform {

InputFile::~InputFile()
{
    close();
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)),
      position_(std::exchange(other.position_, 0)), faultPath_(std::move(other.faultPath_))
{
}

InputFile& InputFile::operator=(InputFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        size_ = std::exchange(other.size_, 0);
        position_ = std::exchange(other.position_, 0);
        faultPath_ = std::move(other.faultPath_);
    }
    return *this;
}

std::size_t InputFile::lengthWithin(std::size_t length, std::uint64_t offset) const
{
    const std::uint64_t left = size_ - std::min(offset, size_);
    return static_cast<std::size_t>(std::min<std::uint64_t>(length, left));
}

void InputFile::adopt(int fd, std::uint64_t size, std::string_view path)
{
    fd_ = fd;
    size_ = size;
    if (IsFaultHookInstalled())
        faultPath_ = std::string(path);
}

void InputFile::forget()
{
    fd_ = -1;
    size_ = 0;
    position_ = 0;
    faultPath_.clear();
}

} // namespace quorvex::platform
