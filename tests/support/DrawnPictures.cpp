#include "support/DrawnPictures.h"

#include "support/GifWriter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <random>

namespace quorvex::test {

QImage DrawnScene(unsigned seed, int width, int height)
{
    std::mt19937 random(seed);
    const auto any = [&](int below) { return static_cast<int>(random() % below); };
    const auto colour = [&] { return QColor(any(256), any(256), any(256)); };
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, any(width), height);
    sky.setColorAt(0, colour());
    sky.setColorAt(1, colour());
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int shape = 0; shape < 14; ++shape) {
        painter.setBrush(colour());
        const QRect box(any(width) - width / 10, any(height) - height / 10,
                        width / 16 + any(width / 2), height / 12 + any(height / 2));
        if (shape % 3 == 0)
            painter.drawEllipse(box);
        else if (shape % 3 == 1)
            painter.drawRect(box);
        else
            painter.drawPolygon(QPolygon({box.topLeft(), box.bottomRight(), box.bottomLeft()}));
    }
    return image;
}

namespace {

QImage Scaled(const QImage& image, int percent)
{
    return image.scaled(image.width() * percent / 100, image.height() * percent / 100,
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Brightened(const QImage& image)
{
    QImage bright = image.convertToFormat(QImage::Format_RGB32);
    const auto up = [](int c) { return std::min(255, c + 20); };
    for (int y = 0; y < bright.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bright.scanLine(y));
        for (int x = 0; x < bright.width(); ++x)
            line[x] = qRgb(up(qRed(line[x])), up(qGreen(line[x])), up(qBlue(line[x])));
    }
    return bright;
}

QImage Cropped(const QImage& image)
{
    const int dx = image.width() / 100, dy = image.height() / 100;
    return image.copy(dx, dy, image.width() - 2 * dx, image.height() - 2 * dy);
}

} // namespace

const std::vector<PictureVariant>& PictureVariants()
{
    const auto same = [](const QImage& image) { return image; };
    static const std::vector<PictureVariant> variants{
        {"half", ".jpg", [](const QImage& image) { return Scaled(image, 50); }, 90},
        {"quarter", ".jpg", [](const QImage& image) { return Scaled(image, 25); }, 90},
        {"q95", ".jpg", same, 95},
        {"q60", ".jpg", same, 60},
        {"png", ".png", same},
        {"gif", ".gif", same},
        {"bmp", ".bmp", same},
        {"crop", ".jpg", Cropped, 90},
        {"turned", ".jpg",
         [](const QImage& image) { return image.transformed(QTransform().rotate(90)); }, 90},
        {"mirror", ".jpg", [](const QImage& image) { return image.mirrored(true, false); }, 90},
        {"bright", ".jpg", Brightened, 90},
    };
    return variants;
}

bool SaveVariant(const QImage& source, const PictureVariant& variant, const QString& stem)
{
    const QString path =
        stem + QLatin1Char('-') + QLatin1String(variant.kind) + QLatin1String(variant.suffix);
    const QImage picture = variant.make(source);
    const QString suffix = QLatin1String(variant.suffix);
    if (suffix == QLatin1String(".gif"))
        return WriteGif(picture, path);
    return picture.save(path, suffix == QLatin1String(".jpg") ? "JPEG" : nullptr, variant.quality);
}

} // namespace quorvex::test
