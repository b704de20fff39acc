// The picture reader as a module of its own, which quorvex-cli loads only for
// dups --pictures: its other commands start without Qt's libraries.
#include "duplicates/ui/PictureFileReader.h"

// The caller owns the reader; the plain C name is what the loader looks up.
extern "C" __attribute__((visibility("default"))) quorvex::PictureReader* QuorvexPictureReader()
{
    return new PictureFileReader;
}
