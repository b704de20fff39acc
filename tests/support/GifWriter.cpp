#include "support/GifWriter.h"

#include <QFile>

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

int CubeLevel(int channel)
{
    return (channel * 5 + 127) / 255;
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
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::string gif = "GIF89a";
    PutShort(gif, rgb.width());
    PutShort(gif, rgb.height());
    gif += '\xf7'; // a global table of 256 colours
    gif += '\0';   // background colour
    gif += '\0';   // pixel aspect ratio
    for (int index = 0; index < 256; ++index) {
        const bool inCube = index < 216;
        gif += static_cast<char>(inCube ? index / 36 * 51 : 0);
        gif += static_cast<char>(inCube ? index / 6 % 6 * 51 : 0);
        gif += static_cast<char>(inCube ? index % 6 * 51 : 0);
    }
    gif += '\x2c';
    PutShort(gif, 0);
    PutShort(gif, 0);
    PutShort(gif, rgb.width());
    PutShort(gif, rgb.height());
    gif += '\0';
    gif += '\x08'; // LZW minimum code size
    CodeStream codes;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.put(kClear);
                sinceClear = 0;
            }
            codes.put(CubeLevel(qRed(line[x])) * 36 + CubeLevel(qGreen(line[x])) * 6 +
                      CubeLevel(qBlue(line[x])));
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
