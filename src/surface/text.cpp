#include "surface/text.h"

#include "surface/outline.h"
#include "surface/raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qimbora::raster {

namespace {

// Text coordinates (x along the baseline, y down) to image coordinates.
class Turn {
public:
    Turn(QPointF origin, double degrees)
        : m_origin(origin)
        , m_cos(std::cos(std::fmod(degrees, 360.0) * (std::numbers::pi / 180)))
        , m_sin(std::sin(std::fmod(degrees, 360.0) * (std::numbers::pi / 180)))
    {
    }

    // y grows downwards: counter-clockwise on screen.
    QPointF map(QPointF p) const
    {
        return {m_origin.x() + m_cos * p.x() + m_sin * p.y(), m_origin.y() - m_sin * p.x() + m_cos * p.y()};
    }

private:
    QPointF m_origin;
    double m_cos, m_sin;
};

// The cubic from p0 to p3 as chords of at most about a pixel, p0 left out.
void flattenCubic(QPointF p0, QPointF p1, QPointF p2, QPointF p3, Contour& out)
{
    const double length = std::abs(p1.x() - p0.x()) + std::abs(p1.y() - p0.y()) + std::abs(p2.x() - p1.x())
        + std::abs(p2.y() - p1.y()) + std::abs(p3.x() - p2.x()) + std::abs(p3.y() - p2.y());
    const int chords = int(std::clamp(std::ceil(length), 1.0, 64.0));
    flattenBezier({p0, p1, p2, p3}, chords, [&out](QPointF at) { out.push_back(at); });
}

// The glyph's outline, placed at `at` in text coordinates, as closed polygons in image coordinates.
void addGlyph(const QPainterPath& glyph, QPointF at, const Turn& turn, std::vector<Contour>& contours)
{
    Contour flat;
    const auto finish = [&] {
        if (flat.empty())
            return;
        Contour& turned = contours.emplace_back();
        turned.reserve(flat.size());
        for (const QPointF p : flat)
            turned.push_back(turn.map(p));
        flat.clear();
    };
    for (int i = 0; i < glyph.elementCount(); ++i) {
        const QPainterPath::Element e = glyph.elementAt(i);
        const QPointF p = QPointF(e.x, e.y) + at;
        if (e.isMoveTo()) {
            finish();
            flat.push_back(p);
        } else if (e.isLineTo()) {
            flat.push_back(p);
        } else if (e.isCurveTo() && i + 2 < glyph.elementCount() && !flat.empty()) {
            const QPointF c2 = QPointF(glyph.elementAt(i + 1).x, glyph.elementAt(i + 1).y) + at;
            const QPointF end = QPointF(glyph.elementAt(i + 2).x, glyph.elementAt(i + 2).y) + at;
            flattenCubic(flat.back(), p, c2, end, flat);
            i += 2;
        }
    }
    finish();
}

} // namespace

TextFont::TextFont(const QFont& font, const QImage& image)
    : m_font(font)
    , m_raw(QRawFont::fromFont(QFont(font, &image)))
{
}

const QPainterPath& TextFont::outline(quint32 glyph)
{
    auto it = m_outlines.find(glyph);
    if (it == m_outlines.end())
        it = m_outlines.emplace(glyph, m_raw.pathForGlyph(glyph)).first;
    return it->second;
}

QRect drawText(QImage& image, QPointF topLeft, const QString& text, TextFont& font, double angleDegrees,
               std::uint32_t pixel)
{
    const QRawFont& raw = font.raw();
    if (!raw.isValid() || !std::isfinite(topLeft.x()) || !std::isfinite(topLeft.y()))
        return {};
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    const Turn turn(topLeft, angleDegrees);
    std::vector<Contour> contours;
    QPointF pen(0, std::round(raw.ascent()));
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        addGlyph(font.outline(glyphs[i]), pen, turn, contours);
        pen.rx() += advances[i].x();
    }
    return fillOutline(image, contours, pixel);
}

} // namespace qimbora::raster
