#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <cstdint>
#include <vector>

// Solid shapes given by their outlines, on a QImage::Format_RGB32 image, in our
// own arithmetic so that the same outline paints the same pixels on every
// processor and with every version of the toolkit. Pixel (x, y) is the square
// from (x, y) to (x + 1, y + 1).
namespace qimbora::raster {

// A closed polygon: the last point joins the first.
using Contour = std::vector<QPointF>;

// Paints exactly `pixel`, without anti-aliasing, every pixel whose centre
// (x + 0.5, y + 0.5) has a non-zero winding number around the contours; a centre
// exactly on an edge is inside when the shape lies to its right, or below it for
// a level edge. Clips silently; returns the rectangle of the pixels it may have
// changed.
QRect fillOutline(QImage& image, const std::vector<Contour>& contours, std::uint32_t pixel);

} // namespace qimbora::raster
