#pragma once
// Writes a picture as a GIF for the picture search's tests: Qt reads GIF but has no
// GIF writer. Colours are reduced to at most 256 with error diffusion, as common
// converters do, and the data is stored as literal LZW codes (valid, not compressed).

#include <QImage>
#include <QString>

namespace quorvex::test {

// False when the file could not be written.
bool WriteGif(const QImage& image, const QString& path);

} // namespace quorvex::test
