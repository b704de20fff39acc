#pragma once
// Writes a picture as a GIF for the picture search's tests: Qt reads GIF but has no
// GIF writer. Colours are reduced to a 6x6x6 cube without dithering, as a simple
// converter does, and the data is stored as literal LZW codes (valid, not compressed).

#include <QImage>
#include <QString>

namespace quorvex::test {

// False when the file could not be written.
bool WriteGif(const QImage& image, const QString& path);

} // namespace quorvex::test
