#include "export/bmp.h"

#include <cstdint>

namespace qimbora {

namespace {

constexpr int kHeaderSize = 14 + 40;
constexpr int kPixelsPerMetre = 3780; // 96 dots per inch

void put16(char*& at, std::uint16_t value)
{
    *at++ = char(value & 0xFF);
    *at++ = char(value >> 8);
}

void put32(char*& at, std::uint32_t value)
{
    put16(at, std::uint16_t(value & 0xFFFF));
    put16(at, std::uint16_t(value >> 16));
}

} // namespace

QByteArray encodeBmp(const QImage& source)
{
    const QImage image = source.format() == QImage::Format_RGB32 ? source
                                                                  : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const qsizetype pixelBytes = rowBytes * height;

    QByteArray file(kHeaderSize + pixelBytes, '\0');
    char* at = file.data();
    *at++ = 'B';
    *at++ = 'M';
    put32(at, std::uint32_t(file.size()));
    put32(at, 0);           // reserved
    put32(at, kHeaderSize); // offset of the pixels
    put32(at, 40);          // BITMAPINFOHEADER
    put32(at, std::uint32_t(width));
    put32(at, std::uint32_t(height)); // positive: rows bottom-up
    put16(at, 1);                     // planes
    put16(at, 24);                    // bits per pixel
    put32(at, 0);                     // BI_RGB, no compression
    put32(at, std::uint32_t(pixelBytes));
    put32(at, kPixelsPerMetre);
    put32(at, kPixelsPerMetre);
    put32(at, 0); // colours used
    put32(at, 0); // important colours

    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        char* out = file.data() + kHeaderSize + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = row[x];
            *out++ = char(pixel & 0xFF);
            *out++ = char((pixel >> 8) & 0xFF);
            *out++ = char((pixel >> 16) & 0xFF);
        }
    }
    return file;
}

} // namespace qimbora
