#include "cli/PictureSupport.h"

#include "duplicates/ui/PictureFileReader.h"

namespace quorvex::cli {

std::unique_ptr<PictureReader> MakePictureReader()
{
    return std::make_unique<PictureFileReader>();
}

} // namespace quorvex::cli
