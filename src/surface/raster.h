#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>
#include <cstdint>
#include <optional>

// Pixel operations on a QImage::Format_RGB32 image. Nothing is anti-aliased:
// every pixel touched gets exactly the given value, so later flood fills stop
// exactly at these outlines. Every function clips silently to the image and
// returns the rectangle of the pixels it may have changed (empty when none).
namespace qimbora::raster {

struct Pen {
    int width = 1;           // below 1 counts as 1
    std::uint32_t pixel = 0; // 0xFFRRGGBB
};

// The pen covers the width x width square whose top-left pixel is
// (x - width / 2, y - width / 2): width 1 the pixel itself, width 2 the pixel
// with its neighbours to the left, above and above-left.
QRect stampPen(QImage& image, QPoint at, const Pen& pen);

// The line from p0 to p1, both ends included: for every step along the longer
// axis the pixel nearest to the exact line (where two are equally near, the one
// with the larger coordinate across), with the pen stamped on it. Consecutive pixels are 8-connected, so the
// line parts a 4-connected fill even at width 1.
QRect drawLine(QImage& image, QPoint p0, QPoint p1, const Pen& pen);

// The cubic Bezier curve from p[0] to p[3] with control points p[1] and p[2]:
// cut into chords of about 6 pixels (by the length of the control polygon; at
// least 1, at most 1024), whose ends are the curve's points rounded to the
// nearest pixel, the first p[0] and the last p[3] exactly; each chord is drawLine.
QRect drawBezier(QImage& image, const std::array<QPoint, 4>& p, const Pen& pen);

// The point at t of the cubic Bezier curve with control points p, in Bernstein
// form; the petals' curves and the numbers' outlines take their points here.
QPointF bezierPoint(const std::array<QPointF, 4>& p, double t);

// The curve as `chords` chords: calls chordEnd with the points at i / chords
// for i = 1 to chords - 1, then with p[3] exactly; p[0], where the first chord
// starts, is left out.
template <typename ChordEnd>
void flattenBezier(const std::array<QPointF, 4>& p, int chords, ChordEnd chordEnd)
{
    for (int i = 1; i < chords; ++i)
        chordEnd(bezierPoint(p, double(i) / chords));
    chordEnd(p[3]);
}

// The circle of the given radius around an integer centre. With d the distance
// of a pixel from the centre and w the pen width, the outline is the pixels with
// r - w/2 < d <= r + w/2 and, when a fill is given, the pixels with d <= r - w/2
// take the fill. A negative radius draws nothing.
QRect drawCircle(QImage& image, QPoint center, int radius, const Pen& pen, std::optional<std::uint32_t> fill);

} // namespace qimbora::raster
