// Writes the picture search's benchmark corpus: COUNT distinct drawn pictures under
// OUT/set/source/ (JPEG, quality 90), each with its copies of every kind under
// OUT/set/KIND/ of the same name; and LARGE pictures of 12 megapixels (4000 x 3000,
// JPEG, with a photo's grain, so that they take as many bytes as photos do) under
// OUT/large/ for the speed per picture.
//
//   bench-picture-corpus OUT COUNT LARGE
#include <QDir>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "support/DrawnPictures.h"

// Noise of a camera sensor on every pixel: drawn shapes alone compress far better
// than photos, and a JPEG's decoding time grows with its compressed bytes.
QImage WithGrain(QImage image, unsigned seed)
{
    std::minstd_rand random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(random() % 41) - 20;
            const auto add = [grain](int c) { return std::clamp(c + grain, 0, 255); };
            line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
        }
    }
    return image;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench-picture-corpus OUT COUNT LARGE\n");
        return 64;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    const int large = std::atoi(argv[3]);
    QDir().mkpath(out + "/set/source");
    for (const auto& variant : quorvex::test::PictureVariants())
        QDir().mkpath(out + "/set/" + variant.kind);
    QDir().mkpath(out + "/large");
    for (int i = 0; i < count; ++i) {
        const QImage scene = quorvex::test::DrawnScene(1000 + i, 512, 384);
        const QString name = QStringLiteral("p%1").arg(i, 5, 10, QLatin1Char('0'));
        bool saved = scene.save(out + "/set/source/" + name + ".jpg", "JPEG", 90);
        for (const auto& variant : quorvex::test::PictureVariants())
            saved = saved && quorvex::test::SaveVariant(scene, variant,
                                                        out + "/set/" + variant.kind + "/" + name);
        if (!saved) {
            std::fprintf(stderr, "bench-picture-corpus: cannot write in %s\n", argv[1]);
            return 1;
        }
    }
    for (int i = 0; i < large; ++i) {
        const QString path = out + QStringLiteral("/large/l%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        const QImage scene = quorvex::test::DrawnScene(5000 + i, 4000, 3000);
        if (!WithGrain(scene, 5000 + i).save(path, "JPEG", 90)) {
            std::fprintf(stderr, "bench-picture-corpus: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
