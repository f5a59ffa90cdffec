#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <cstdint>

namespace qimbora::raster {

// Writes the text in the font, at the image's resolution, with the top-left
// corner of its first character cell at topLeft, along a baseline turned
// angleDegrees counter-clockwise about that corner. The glyphs are the font's
// own outlines, unhinted, one after another by their design advances, the
// baseline one ascent (rounded to a whole pixel) below the top; they are
// turned and filled as fillOutline fills, exactly `pixel`, with no background.
// So the same text paints the same pixels whatever the screen, the toolkit's
// version and the processor. Underline and strike-out are not drawn.
// Returns a rectangle holding every painted pixel.
QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, double angleDegrees,
               std::uint32_t pixel);

} // namespace qimbora::raster
