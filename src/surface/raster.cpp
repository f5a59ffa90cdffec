#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qimbora::raster {

namespace {

int penWidth(const Pen& pen) { return std::max(pen.width, 1); }

// The part of the box from (left, top) to (right, bottom), ends included, that
// lies on the image; computed wide so that far-away coordinates cannot overflow.
QRect clipBox(long long left, long long top, long long right, long long bottom, const QImage& image)
{
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min<long long>(right, image.width() - 1);
    bottom = std::min<long long>(bottom, image.height() - 1);
    if (left > right || top > bottom)
        return {};
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

// The pixels a pen can reach when stamped anywhere from (left, top) to (right, bottom).
QRect penReach(long long left, long long top, long long right, long long bottom, int width,
               const QImage& image)
{
    const int before = width / 2;
    const int after = width - 1 - before;
    return clipBox(left - before, top - before, right + after, bottom + after, image);
}

// Floor division for a positive divisor.
long long floorDiv(long long n, long long d)
{
    const long long q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

void fillRow(QImage& image, int y, int left, int right, std::uint32_t pixel)
{
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    std::fill(row + left, row + right + 1, pixel);
}

} // namespace

QRect stampPen(QImage& image, QPoint at, const Pen& pen)
{
    const int width = penWidth(pen);
    const QRect square = penReach(at.x(), at.y(), at.x(), at.y(), width, image);
    for (int y = square.top(); y <= square.bottom(); ++y)
        fillRow(image, y, square.left(), square.right(), pen.pixel);
    return square;
}

QRect drawLine(QImage& image, QPoint p0, QPoint p1, const Pen& pen)
{
    const int width = penWidth(pen);
    const QRect reach = penReach(std::min(p0.x(), p1.x()), std::min(p0.y(), p1.y()),
                                 std::max(p0.x(), p1.x()), std::max(p0.y(), p1.y()), width, image);
    if (reach.isEmpty())
        return {};

    const long long dx = (long long)p1.x() - p0.x();
    const long long dy = (long long)p1.y() - p0.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? dx : dy;
    const long long minor = xMajor ? dy : dx;
    const long long steps = std::llabs(major);
    const int direction = major < 0 ? -1 : 1;
    const long long majorStart = xMajor ? p0.x() : p0.y();
    const long long minorStart = xMajor ? p0.y() : p0.x();

    // Only the steps whose pen can touch the image are walked, so a line from far
    // outside costs no more than its visible part.
    const int before = width / 2;
    const long long lo = (xMajor ? reach.left() : reach.top()) - (width - 1 - before);
    const long long hi = (xMajor ? reach.right() : reach.bottom()) + before;
    long long first = direction > 0 ? lo - majorStart : majorStart - hi;
    long long last = direction > 0 ? hi - majorStart : majorStart - lo;
    first = std::max(first, 0LL);
    last = std::min(last, steps);

    for (long long k = first; k <= last; ++k) {
        // The minor coordinate nearest to the exact line at step k.
        const long long offset = steps == 0 ? 0 : floorDiv(2 * k * minor + steps, 2 * steps);
        const long long m = majorStart + direction * k;
        const long long n = minorStart + offset;
        stampPen(image, xMajor ? QPoint(int(m), int(n)) : QPoint(int(n), int(m)), pen);
    }
    return reach;
}

QRect drawBezier(QImage& image, const std::array<QPoint, 4>& p, const Pen& pen)
{
    double polygon = 0.0;
    for (int i = 0; i < 3; ++i)
        polygon += std::hypot(double(p[i + 1].x()) - p[i].x(), double(p[i + 1].y()) - p[i].y());
    const int chords = int(std::clamp(std::ceil(polygon / 4.0), 1.0, 1024.0));

    QRect changed;
    QPoint from = p[0];
    for (int i = 1; i <= chords; ++i) {
        QPoint to = p[3];
        if (i < chords) {
            const double t = double(i) / chords;
            const double s = 1.0 - t;
            const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
            to = QPoint(int(std::lround(a * p[0].x() + b * p[1].x() + c * p[2].x() + d * p[3].x())),
                        int(std::lround(a * p[0].y() + b * p[1].y() + c * p[2].y() + d * p[3].y())));
        }
        changed |= drawLine(image, from, to, pen);
        from = to;
    }
    return changed;
}

QRect drawCircle(QImage& image, QPoint centre, int radius, const Pen& pen,
                 std::optional<std::uint32_t> fill)
{
    if (radius < 0)
        return {};
    // Compared in halves of a pixel, squared: 4 d^2 against (2r -+ w)^2.
    const long long w = penWidth(pen);
    const long long innerTwice = 2LL * radius - w;
    const long long outerTwice = 2LL * radius + w;
    const long long outer2 = outerTwice * outerTwice;
    const long long inner2 = innerTwice < 0 ? -1 : innerTwice * innerTwice;
    const long long reachR = outerTwice / 2;
    const QRect box = clipBox((long long)centre.x() - reachR, (long long)centre.y() - reachR,
                              (long long)centre.x() + reachR, (long long)centre.y() + reachR, image);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const long long dy = (long long)y - centre.y();
        for (int x = box.left(); x <= box.right(); ++x) {
            const long long dx = (long long)x - centre.x();
            const long long d4 = 4 * (dx * dx + dy * dy);
            if (d4 > outer2)
                continue;
            if (d4 > inner2)
                row[x] = pen.pixel;
            else if (fill)
                row[x] = *fill;
        }
    }
    return box;
}

} // namespace qimbora::raster
