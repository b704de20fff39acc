#include "support/GifWriter.h"

#include <QFile>
#include <QList>

#include <cstdint>
#include <string>

namespace quorvex::test {
namespace {

constexpr int kCodeBits = 9; // 8-bit pixels plus the clear and end codes
constexpr unsigned kClear = 256, kEnd = 257;
// A decoder adds one table entry per code after a clear; clearing this often keeps
// every code 9 bits wide.
constexpr int kLiteralsPerClear = 250;

void PutShort(std::string& out, int value)
{
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>((value >> 8) & 0xff);
}

class CodeStream
{
public:
    void put(unsigned code)
    {
        pending_ |= code << bits_;
        bits_ += kCodeBits;
        while (bits_ >= 8) {
            bytes_ += static_cast<char>(pending_ & 0xff);
            pending_ >>= 8;
            bits_ -= 8;
        }
    }
    // The codes as GIF data sub-blocks of at most 255 bytes, then the terminator.
    std::string blocks()
    {
        if (bits_ > 0)
            bytes_ += static_cast<char>(pending_ & 0xff);
        std::string out;
        for (std::size_t at = 0; at < bytes_.size(); at += 255) {
            const std::string block = bytes_.substr(at, 255);
            out += static_cast<char>(block.size());
            out += block;
        }
        out += '\0';
        return out;
    }

private:
    std::string bytes_;
    std::uint32_t pending_ = 0;
    int bits_ = 0;
};

} // namespace

bool WriteGif(const QImage& image, const QString& path)
{
    // Qt reduces a picture of many colours to its 6x6x6 cube, diffusing the error.
    const QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither | Qt::PreferDither);
    const QList<QRgb> palette = indexed.colorTable();
    std::string gif = "GIF89a";
    PutShort(gif, indexed.width());
    PutShort(gif, indexed.height());
    gif += '\xf7'; // a global table of 256 colours
    gif += '\0';   // background colour
    gif += '\0';   // pixel aspect ratio
    for (int index = 0; index < 256; ++index) {
        const QRgb colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
        gif += static_cast<char>(qRed(colour));
        gif += static_cast<char>(qGreen(colour));
        gif += static_cast<char>(qBlue(colour));
    }
    gif += '\x2c';
    PutShort(gif, 0);
    PutShort(gif, 0);
    PutShort(gif, indexed.width());
    PutShort(gif, indexed.height());
    gif += '\0';
    gif += '\x08'; // LZW minimum code size
    CodeStream codes;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.put(kClear);
                sinceClear = 0;
            }
            codes.put(line[x]);
            ++sinceClear;
        }
    }
    codes.put(kEnd);
    gif += codes.blocks();
    gif += '\x3b';

    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(gif.data(), static_cast<qint64>(gif.size())) ==
               static_cast<qint64>(gif.size()) &&
           file.flush();
}

} // namespace quorvex::test
