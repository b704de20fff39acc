#pragma once
// The pictures of the duplicate search, decoded by Qt's image readers: JPEG, PNG,
// GIF and BMP, and WebP and TIFF where their image plugins are installed. Needs no
// application object, so the command-line tool uses it as the desktop does.

#include <string>
#include <vector>

#include "duplicates/PicturePairing.h"

class PictureFileReader : public quorvex::PictureReader
{
public:
    // Learns which of those formats the installed readers decode.
    PictureFileReader();

    bool readsName(std::string_view name) const override;
    bool decodeGrey(const unsigned char* bytes, std::size_t size, quorvex::GreyPicture& picture,
                    std::string& reason) const override;

private:
    std::vector<std::string> suffixes_; // lower case, each with its dot
};
