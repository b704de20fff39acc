#include "cache/ContentHash.h"

#include <xxhash.h>

#include <algorithm>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/ReadFully.h"

namespace quorvex::cache {

namespace {

ContentHash FromXxh(XXH128_hash_t hash)
{
    return {hash.low64, hash.high64};
}

} // namespace

FileStamp StampOf(const platform::DirEntry& entry)
{
    return {entry.id.device, entry.id.number, entry.size,
            entry.lastWrite.seconds * 1'000'000'000 + entry.lastWrite.nanoseconds,
            entry.id.birthNs};
}

ContentHash HashBytes(const void* bytes, std::size_t size)
{
    return FromXxh(XXH3_128bits(bytes, size));
}

std::optional<ContentHash> HashFile(std::string_view path, std::uint64_t size, std::string& failure,
                                    const std::function<bool()>& keepGoing,
                                    platform::InputFile file)
{
    constexpr std::size_t kChunk = 1024 * 1024;
    constexpr const char* kChanged = "its size changed during the search";
    if (!file.isOpen() && !file.open(path)) {
        failure = platform::LastFailureText();
        return std::nullopt;
    }
    if (file.size() != size) {
        failure = kChanged;
        return std::nullopt;
    }
    const bool dropBehind = platform::DropsBehind(file);
    std::vector<unsigned char> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunk)));
    ContentHasher hasher;
    for (std::uint64_t offset = 0; offset < size;) {
        const auto length =
            static_cast<std::size_t>(std::min<std::uint64_t>(size - offset, kChunk));
        const std::int64_t got =
            platform::ReadFullyAt(file, buffer.data(), length, offset, dropBehind);
        if (got < 0) {
            failure = platform::LastFailureText();
            return std::nullopt;
        }
        if (got < static_cast<std::int64_t>(length)) {
            failure = kChanged;
            return std::nullopt;
        }
        hasher.add(buffer.data(), length);
        offset += length;
        if (!keepGoing())
            return std::nullopt;
    }
    return hasher.result();
}

ContentHasher::ContentHasher()
    : state_(XXH3_createState(), [](XXH3_state_t* state) { XXH3_freeState(state); })
{
    reset();
}

ContentHasher::~ContentHasher() = default;

void ContentHasher::reset()
{
    XXH3_128bits_reset(state_.get());
}

void ContentHasher::add(const void* bytes, std::size_t size)
{
    XXH3_128bits_update(state_.get(), bytes, size);
}

ContentHash ContentHasher::result() const
{
    return FromXxh(XXH3_128bits_digest(state_.get()));
}

} // namespace quorvex::cache
