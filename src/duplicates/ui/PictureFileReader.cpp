#include "duplicates/ui/PictureFileReader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace {

// The formats the search takes (by the names Qt's readers give them), and the
// suffixes of their files.
struct PictureFormat
{
    const char* format;
    std::vector<const char*> suffixes;
};
const std::vector<PictureFormat>& PictureFormats()
{
    static const std::vector<PictureFormat> formats{{"jpeg", {".jpg", ".jpeg", ".jpe"}},
                                                    {"png", {".png"}},
                                                    {"gif", {".gif"}},
                                                    {"bmp", {".bmp"}},
                                                    {"webp", {".webp"}},
                                                    {"tiff", {".tif", ".tiff"}}};
    return formats;
}

// The least pixels a side keeps when a reader decodes at reduced size: twice the
// fingerprint's cells, so that each cell averages several pixels.
constexpr int kLeastSide = 64;

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A transparent picture shows over white, as viewers show it.
QImage OverWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

PictureFileReader::PictureFileReader()
{
    const QList<QByteArray> supported = QImageReader::supportedImageFormats();
    for (const PictureFormat& format : PictureFormats())
        if (supported.contains(QByteArray(format.format)))
            suffixes_.insert(suffixes_.end(), format.suffixes.begin(), format.suffixes.end());
}

bool PictureFileReader::readsName(std::string_view name) const
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string suffix = Lower(name.substr(dot));
    return std::find(suffixes_.begin(), suffixes_.end(), suffix) != suffixes_.end();
}

bool PictureFileReader::decodeGrey(const unsigned char* bytes, std::size_t size,
                                   quorvex::GreyPicture& picture, std::string& reason) const
{
    QByteArray held =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    QBuffer buffer(&held);
    buffer.open(QIODevice::ReadOnly);
    // The format by the contents: a picture saved under another suffix still reads.
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        // JPEG decodes at 1/2, 1/4 or 1/8 of its size for a fraction of the work.
        int divisor = 1;
        while (divisor < 8 && full.width() / (divisor * 2) >= kLeastSide &&
               full.height() / (divisor * 2) >= kLeastSide)
            divisor *= 2;
        reader.setScaledSize(
            QSize((full.width() + divisor - 1) / divisor, (full.height() + divisor - 1) / divisor));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        reason = reader.error() == QImageReader::UnsupportedFormatError
                     ? "not a picture"
                     : "damaged picture: " + reader.errorString().toStdString();
        return false;
    }
    const QImage grey = OverWhite(image).convertToFormat(QImage::Format_Grayscale8);
    picture.width = grey.width();
    picture.height = grey.height();
    picture.stride = static_cast<std::size_t>(grey.width());
    picture.pixels.resize(picture.stride * static_cast<std::size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(),
                    picture.pixels.data() + y * picture.stride);
    return true;
}
