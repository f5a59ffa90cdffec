#include "surface/outline.h"

#include <algorithm>
#include <cmath>

namespace qimbora::raster {

namespace {

struct Edge {
    QPointF top;    // the end with the smaller y
    QPointF bottom; // the end with the larger y
    int winding;    // +1 going down, -1 going up
};

// The pixel that holds the point, clamped far beyond any image so that it fits an int.
QPoint pixelOf(QPointF p)
{
    constexpr double kFar = 1 << 24;
    return QPoint(int(std::floor(std::clamp(p.x(), -kFar, kFar))),
                  int(std::floor(std::clamp(p.y(), -kFar, kFar))));
}

struct Crossing {
    double x;
    int winding;
};

// Fills row y between the crossings of its centre line, by the non-zero rule.
void fillRow(QImage& image, int y, std::vector<Crossing>& crossings, std::uint32_t pixel)
{
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].winding;
        if (winding == 0)
            continue;
        // The pixels whose centres lie in [from, to).
        const double from = std::max(std::ceil(crossings[i].x - 0.5), 0.0);
        const double to = std::min(std::ceil(crossings[i + 1].x - 0.5), double(image.width()));
        if (from < to)
            std::fill(row + int(from), row + int(to), pixel);
    }
}

} // namespace

QRect fillOutline(QImage& image, const std::vector<Contour>& contours, std::uint32_t pixel)
{
    std::vector<Edge> edges;
    double top = INFINITY, bottom = -INFINITY, left = INFINITY, right = -INFINITY;
    for (const Contour& contour : contours) {
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const QPointF a = contour[i];
            const QPointF b = contour[(i + 1) % contour.size()];
            top = std::min(top, a.y());
            bottom = std::max(bottom, a.y());
            left = std::min(left, a.x());
            right = std::max(right, a.x());
            if (a.y() != b.y())
                edges.push_back(a.y() < b.y() ? Edge{a, b, 1} : Edge{b, a, -1});
        }
    }
    if (top > bottom)
        return {}; // no points at all
    const QRect reach = QRect(pixelOf({left, top}), pixelOf({right, bottom})) & image.rect();
    if (reach.isEmpty())
        return {};

    // Walks the rows downwards with the edges that span each centre line.
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top.y() < b.top.y(); });
    std::vector<const Edge*> active;
    auto next = edges.cbegin();
    std::vector<Crossing> crossings;
    for (int y = reach.top(); y <= reach.bottom(); ++y) {
        const double center = y + 0.5;
        for (; next != edges.cend() && next->top.y() <= center; ++next)
            active.push_back(&*next);
        std::erase_if(active, [center](const Edge* e) { return e->bottom.y() <= center; });
        crossings.clear();
        for (const Edge* e : active) {
            const double along = (center - e->top.y()) / (e->bottom.y() - e->top.y());
            crossings.push_back({e->top.x() + along * (e->bottom.x() - e->top.x()), e->winding});
        }
        fillRow(image, y, crossings, pixel);
    }
    return reach;
}

} // namespace qimbora::raster
