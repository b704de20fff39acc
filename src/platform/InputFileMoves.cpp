// The life of an InputFile that is the same on every system: closing at the end and
// handing the open file over on a move. Opening, reading and closing are each
// system's own (posix/InputFile.cpp, win32/InputFile.cpp).

#include <utility>

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

} // namespace quorvex::platform
