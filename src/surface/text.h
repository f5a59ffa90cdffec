#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <unordered_map>

namespace qimbora::raster {

// A font as drawText uses it: resolved for the image, so that a size in points
// counts at the image's dots per inch, not the screen's, with the outlines of
// the glyphs drawn so far. Loading an outline runs the font's own program and
// costs far more than filling it, so a caller keeps one while its font stays.
class TextFont {
public:
    TextFont(const QFont& font, const QImage& image);

    const QFont& font() const { return m_font; }
    const QRawFont& raw() const { return m_raw; }
    // The glyph's outline, unhinted, its baseline's start at the origin.
    const QPainterPath& outline(quint32 glyph);

private:
    QFont m_font;
    QRawFont m_raw;
    std::unordered_map<quint32, QPainterPath> m_outlines;
};

// Writes the text with the top-left corner of its first character cell at
// topLeft, along a baseline turned angleDegrees counter-clockwise about that
// corner. The glyphs are the font's own outlines, unhinted, one after another
// by their design advances, the baseline one ascent (rounded to a whole pixel)
// below the top; they are turned and filled as fillOutline fills, exactly
// `pixel`, with no background. So the same text paints the same pixels whatever
// the screen, the toolkit's version and the processor. Underline and strike-out
// are not drawn. Returns a rectangle holding every painted pixel.
QRect drawText(QImage& image, QPointF topLeft, const QString& text, TextFont& font, double angleDegrees,
               std::uint32_t pixel);

} // namespace qimbora::raster
