#include "cli/PictureSupport.h"

namespace quorvex::cli {

std::unique_ptr<PictureReader> MakePictureReader()
{
    return nullptr;
}

} // namespace quorvex::cli
