#pragma once
// Pictures drawn for the picture search's tests and benchmark: scenes of a gradient
// sky and random shapes, one for each seed, and the copies a photo collection
// gathers (resized, saved again, converted, cropped, turned, mirrored, brightened).

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace quorvex::test {

QImage DrawnScene(unsigned seed, int width = 480, int height = 360);

struct PictureVariant
{
    const char* kind; // "half", "quarter", "q95", "q60", "png", "crop", "turned", ...
    const char* suffix;
    std::function<QImage(const QImage&)> make;
    int quality = -1; // of a JPEG
};

// The source is saved as JPEG of quality 90; each variant in the format its suffix
// names.
const std::vector<PictureVariant>& PictureVariants();

// Saves the variant of `source` at `stem` + '-' + kind + suffix; false when it failed.
bool SaveVariant(const QImage& source, const PictureVariant& variant, const QString& stem);

} // namespace quorvex::test
