#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Squares of radii near the 32-bit limit need more than 64 bits.
__extension__ typedef __int128 Wide;

// The largest dx with 4 dx^2 <= limit, or -1 when limit < 0.
long long halfWidth(Wide limit)
{
    if (limit < 0)
        return -1;
    const auto quarter = (long long)(limit / 4);
    auto root = (long long)std::sqrt(double(quarter));
    while (root * root > quarter)
        --root;
    while ((root + 1) * (root + 1) <= quarter)
        ++root;
    return root;
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

// Stamps the pen square; the common case, a square wholly on the image, writes
// straight into the rows.
class Stamper {
public:
    Stamper(QImage& image, const Pen& pen)
        : m_image(image)
        , m_bits(reinterpret_cast<std::uint32_t*>(image.bits()))
        , m_stride(image.bytesPerLine() / 4)
        , m_imageWidth(image.width())
        , m_imageHeight(image.height())
        , m_width(penWidth(pen))
        , m_before(m_width / 2)
        , m_pixel(pen.pixel)
    {
    }

    int width() const { return m_width; }

    void operator()(long long x, long long y) const
    {
        const long long left = x - m_before;
        const long long top = y - m_before;
        if (left >= 0 && top >= 0 && left + m_width <= m_imageWidth && top + m_width <= m_imageHeight) {
            std::uint32_t* row = m_bits + m_stride * top + left;
            if (m_width == 2) { // the flower's pen
                row[0] = row[1] = row[m_stride] = row[m_stride + 1] = m_pixel;
                return;
            }
            for (int r = 0; r < m_width; ++r, row += m_stride) {
                for (int c = 0; c < m_width; ++c)
                    row[c] = m_pixel;
            }
            return;
        }
        const QRect square = clipBox(left, top, left + m_width - 1, top + m_width - 1, m_image);
        for (int r = square.top(); r <= square.bottom(); ++r)
            fillRow(m_image, r, square.left(), square.right(), m_pixel);
    }

    // The line from p0 to p1: at step k along the longer axis the minor offset is
    // the nearest to k * minor / steps, halves up, carried from step to step.
    // Only the steps whose pen can touch the image are walked.
    void line(QPoint p0, QPoint p1) const
    {
        const long long dx = (long long)p1.x() - p0.x();
        const long long dy = (long long)p1.y() - p0.y();
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const long long major = xMajor ? dx : dy;
        const long long minor = xMajor ? dy : dx;
        const long long steps = std::llabs(major);
        const int direction = major < 0 ? -1 : 1;
        const long long majorStart = xMajor ? p0.x() : p0.y();
        const long long minorStart = xMajor ? p0.y() : p0.x();

        const long long lo = -(m_width - 1 - m_before);
        const long long hi = (xMajor ? m_imageWidth : m_imageHeight) - 1 + m_before;
        const long long first = std::max(direction > 0 ? lo - majorStart : majorStart - hi, 0LL);
        const long long last = std::min(direction > 0 ? hi - majorStart : majorStart - lo, steps);
        if (first > last)
            return;

        const long long denominator = 2 * std::max(steps, 1LL);
        if (whollyInside(p0, p1)) {
            walkInside(p0, xMajor, direction, steps, 2 * minor, denominator);
            return;
        }
        const long long numerator = 2 * first * minor + steps;
        long long offset = first == 0 ? 0 : floorDiv(numerator, denominator);
        long long remainder = numerator - offset * denominator;
        if (xMajor)
            walk(first, last, majorStart, minorStart, direction, 2 * minor, denominator, offset, remainder,
                 [this](long long m, long long n) { (*this)(m, n); });
        else
            walk(first, last, majorStart, minorStart, direction, 2 * minor, denominator, offset, remainder,
                 [this](long long m, long long n) { (*this)(n, m); });
    }

private:
    bool wholeSquareAt(long long x, long long y) const
    {
        return x - m_before >= 0 && y - m_before >= 0 && x - m_before + m_width <= m_imageWidth
            && y - m_before + m_width <= m_imageHeight;
    }

    bool whollyInside(QPoint p0, QPoint p1) const
    {
        return wholeSquareAt(p0.x(), p0.y()) && wholeSquareAt(p1.x(), p1.y());
    }

    // The same walk with no clipping: a pointer steps along the major axis and
    // across the minor one when the carried rounding says so.
    void walkInside(QPoint p0, bool xMajor, int direction, long long steps, long long rise,
                    long long denominator) const
    {
        std::uint32_t* at = m_bits + m_stride * (p0.y() - m_before) + (p0.x() - m_before);
        const qsizetype majorStep = xMajor ? direction : direction * m_stride;
        const qsizetype minorStep = xMajor ? m_stride : 1;
        long long remainder = steps;
        for (long long k = 0; k <= steps; ++k) {
            if (m_width == 2) {
                at[0] = at[1] = at[m_stride] = at[m_stride + 1] = m_pixel;
            } else {
                for (int r = 0; r < m_width; ++r) {
                    for (int c = 0; c < m_width; ++c)
                        at[r * m_stride + c] = m_pixel;
                }
            }
            at += majorStep;
            remainder += rise;
            if (remainder >= denominator) {
                remainder -= denominator;
                at += minorStep;
            } else if (remainder < 0) {
                remainder += denominator;
                at -= minorStep;
            }
        }
    }

    template <typename Stamp>
    static void walk(long long first, long long last, long long majorStart, long long minorStart, int direction,
                     long long rise, long long denominator, long long offset, long long remainder, Stamp stamp)
    {
        for (long long k = first; k <= last; ++k) {
            stamp(majorStart + direction * k, minorStart + offset);
            remainder += rise;
            if (remainder >= denominator) {
                remainder -= denominator;
                ++offset;
            } else if (remainder < 0) {
                remainder += denominator;
                --offset;
            }
        }
    }

    QImage& m_image;
    std::uint32_t* m_bits;
    qsizetype m_stride;
    int m_imageWidth;
    int m_imageHeight;
    int m_width;
    int m_before;
    std::uint32_t m_pixel;
};

// The nearest whole pixel, halves to even, without a library call.
int roundToPixel(double v)
{
#ifdef __SSE2__
    return _mm_cvtsd_si32(_mm_set_sd(v));
#else
    return int(std::nearbyint(v));
#endif
}

} // namespace

QRect stampPen(QImage& image, QPoint at, const Pen& pen)
{
    Stamper(image, pen)(at.x(), at.y());
    return penReach(at.x(), at.y(), at.x(), at.y(), penWidth(pen), image);
}

QRect drawLine(QImage& image, QPoint p0, QPoint p1, const Pen& pen)
{
    const QRect reach = penReach(std::min(p0.x(), p1.x()), std::min(p0.y(), p1.y()),
                                 std::max(p0.x(), p1.x()), std::max(p0.y(), p1.y()), penWidth(pen), image);
    if (reach.isEmpty())
        return {};
    Stamper(image, pen).line(p0, p1);
    return reach;
}

QRect drawBezier(QImage& image, const std::array<QPoint, 4>& p, const Pen& pen)
{
    // The curve stays inside the box of its control points (and its rounded
    // points within half a pixel of it).
    long long left = p[0].x(), right = left, top = p[0].y(), bottom = top;
    for (const QPoint& q : p) {
        left = std::min<long long>(left, q.x());
        right = std::max<long long>(right, q.x());
        top = std::min<long long>(top, q.y());
        bottom = std::max<long long>(bottom, q.y());
    }
    const QRect reach = penReach(left, top, right, bottom, penWidth(pen), image);
    if (reach.isEmpty())
        return {};

    double polygon = 0.0;
    for (int i = 0; i < 3; ++i)
        polygon += std::hypot(double(p[i + 1].x()) - p[i].x(), double(p[i + 1].y()) - p[i].y());
    const int chords = int(std::clamp(std::ceil(polygon / 6.0), 1.0, 1024.0));

    const Stamper stamper(image, pen);
    QPoint from = p[0];
    for (int i = 1; i <= chords; ++i) {
        QPoint to = p[3];
        if (i < chords) {
            const double t = double(i) / chords;
            const double s = 1.0 - t;
            const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
            to = QPoint(roundToPixel(a * p[0].x() + b * p[1].x() + c * p[2].x() + d * p[3].x()),
                        roundToPixel(a * p[0].y() + b * p[1].y() + c * p[2].y() + d * p[3].y()));
        }
        stamper.line(from, to);
        from = to;
    }
    return reach;
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
    const Wide outer2 = Wide(outerTwice) * outerTwice;
    const Wide inner2 = innerTwice < 0 ? -1 : Wide(innerTwice) * innerTwice;
    const long long reachR = outerTwice / 2;
    const QRect box = clipBox((long long)centre.x() - reachR, (long long)centre.y() - reachR,
                              (long long)centre.x() + reachR, (long long)centre.y() + reachR, image);
    // Each row is at most three runs: outline, inside, outline.
    auto paint = [&](int y, long long from, long long to, std::uint32_t pixel) {
        from = std::max<long long>(from, box.left());
        to = std::min<long long>(to, box.right());
        if (from <= to)
            fillRow(image, y, int(from), int(to), pixel);
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const Wide dy = (long long)y - centre.y();
        const long long outerReach = halfWidth(outer2 - 4 * dy * dy);
        if (outerReach < 0)
            continue;
        const long long innerReach = inner2 < 0 ? -1 : halfWidth(inner2 - 4 * dy * dy);
        const long long cx = centre.x();
        paint(y, cx - outerReach, cx - innerReach - 1, pen.pixel);
        paint(y, cx + innerReach + 1, cx + outerReach, pen.pixel);
        if (fill)
            paint(y, cx - innerReach, cx + innerReach, *fill);
    }
    return box;
}

} // namespace qimbora::raster
