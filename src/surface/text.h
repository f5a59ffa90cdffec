#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <cstdint>

namespace qimbora::raster {

// Writes the text in the font with the top-left corner of its first character
// cell at topLeft, along a baseline turned angleDegrees counter-clockwise about
// that corner. Only the glyphs' pixels are painted, each exactly `pixel` (no
// background, no anti-aliasing). Returns a rectangle holding every painted pixel.
QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, double angleDegrees,
               std::uint32_t pixel);

} // namespace qimbora::raster
