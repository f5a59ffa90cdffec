#pragma once

#include <QByteArray>
#include <QImage>

namespace qimbora {

// The image as a Windows bitmap file: BITMAPFILEHEADER and BITMAPINFOHEADER
// (54 bytes), then 24 bits per pixel (blue, green, red), rows bottom-up, each
// padded with zeros to a multiple of four bytes. Alpha is dropped.
QByteArray encodeBmp(const QImage& image);

} // namespace qimbora
