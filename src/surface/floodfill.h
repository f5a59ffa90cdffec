#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>

namespace qimbora::raster {

// Paints with `fill` every pixel of the 4-connected area around `seed` whose
// pixels are not exactly `border`; the area ends at border pixels and at the
// image edge. Paints nothing when the seed lies outside the image or on a border
// pixel. The image must be QImage::Format_RGB32. Returns the bounding rectangle
// of the painted pixels (empty when none).
//
// A span fill with an explicit stack: memory grows with the number of runs
// filled, never with recursion depth or the number of pixels.
QRect floodFill(QImage& image, QPoint seed, std::uint32_t border, std::uint32_t fill);

} // namespace qimbora::raster
