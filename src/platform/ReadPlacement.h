#pragma once
// What the system tells of where an opened file's data lies and of the storage
// beneath it, so that many files can be read in the order the disk holds them, by as
// many readers as the device serves well, and with hints for its read-ahead.

#include <cstdint>

#include "platform/FileSystem.h"

namespace quorvex::platform {

enum class StorageKind : std::uint8_t
{
    Unknown,    // the system does not say (read as on a solid-state device)
    SolidState, // no seek penalty: reads in flight side by side keep it busy
    Rotational, // a seek costs milliseconds: one reader, in the order of the data
    Network     // a share: every request pays a round trip, read as on a hard disk
};

// Where a file's data begins on its file system's device.
struct DataPlace
{
    std::uint64_t device = 0;
    // The first extent's byte offset on the device where the system tells it
    // (`physical`), else the file's number: files numbered close together were
    // mostly written close together.
    std::uint64_t offset = 0;
    bool physical = false;
};

DataPlace PlaceOfData(const InputFile& file);

// The kind of the device holding the opened file's file system.
StorageKind StorageKindOf(const InputFile& file);

// The range will be read soon: the system may start reading it now.
void AdviseWillRead(const InputFile& file, std::uint64_t offset, std::uint64_t length);
// Whether the page at `offset` is in the system's cache, asked without reading the
// disk; false where the system cannot tell.
bool IsPageCached(const InputFile& file, std::uint64_t offset);
// The range was read and need not stay in the system's cache.
void AdviseReadDone(const InputFile& file, std::uint64_t offset, std::uint64_t length);

} // namespace quorvex::platform
