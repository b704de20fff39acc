#pragma once
// The picture reader of dups --pictures, where the build has one (Qt's image readers).

#include <memory>

#include "duplicates/PicturePairing.h"

namespace quorvex::cli {

// Null in a build without image readers.
std::unique_ptr<PictureReader> MakePictureReader();

} // namespace quorvex::cli
