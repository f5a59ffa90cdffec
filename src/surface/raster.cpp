#include "surface/raster.h"

#include "common/convert.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qimbora::raster {

namespace {

int penWidth(const Pen& pen) { return std::max(pen.width, 1); }

// The part of the box from (left, top) to (right, bottom), ends included, that
// lies on an image of the given size; computed wide so that far-away
// coordinates cannot overflow.
QRect clipBox(long long left, long long top, long long right, long long bottom, QSize image)
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
    return clipBox(left - before, top - before, right + after, bottom + after, image.size());
}

// The largest d >= 0 with (2d)^2 + a^2 <= t^2, or -1 when there is none, for
// a, t >= 0 below 2^34. The squares need more than 64 bits, which 32-bit
// processors do not have; but the rest t^2 - a^2 - 4d^2 is small for a d near
// the answer, so it comes out exact when worked modulo 2^64.
long long halfChord(long long t, long long a)
{
    if (t < 0 || a > t)
        return -1;
    auto d = (long long)(std::sqrt(double(t - a) * double(t + a)) / 2);
    const auto square = [](long long v) { return std::uint64_t(v) * std::uint64_t(v); };
    auto rest = std::int64_t(square(t) - square(a) - 4 * square(d));
    for (; rest < 0; --d)
        rest += 8 * d - 4;
    for (; rest >= 8 * d + 4; ++d)
        rest -= 8 * d + 4;
    return d;
}

// Floor division for a positive divisor.
long long floorDiv(long long n, long long d)
{
    const long long q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

void fillSpan(QImage& image, int y, int left, int right, std::uint32_t pixel)
{
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    std::fill(row + left, row + right + 1, pixel);
}

// Whether a pen square may reach beyond the image.
enum class Clipping { None, ToImage };

// Stamps the pen square, writing straight into the rows.
class PenStamp {
public:
    PenStamp(QImage& image, const Pen& pen)
        : m_bits(reinterpret_cast<std::uint32_t*>(image.bits()))
        , m_stride(image.bytesPerLine() / 4)
        , m_imageWidth(image.width())
        , m_imageHeight(image.height())
        , m_width(penWidth(pen))
        , m_before(m_width / 2)
        , m_pixel(pen.pixel)
    {
        Q_ASSERT(image.format() == QImage::Format_RGB32);
    }

    // The square whose centre pixel is (x, y). With Clipping::None the caller
    // knows that it lies wholly on the image.
    template <Clipping clipping>
    void at(long long x, long long y) const
    {
        long long left = x - m_before;
        long long top = y - m_before;
        long long right = left + m_width - 1;
        long long bottom = top + m_width - 1;
        if constexpr (clipping == Clipping::ToImage) {
            const QRect box = clipBox(left, top, right, bottom, QSize(m_imageWidth, m_imageHeight));
            if (box.isEmpty())
                return;
            left = box.left();
            top = box.top();
            right = box.right();
            bottom = box.bottom();
        }
        std::uint32_t* row = m_bits + m_stride * top + left;
        if (m_width == 2 && clipping == Clipping::None) { // the flower's pen
            row[0] = row[1] = row[m_stride] = row[m_stride + 1] = m_pixel;
            return;
        }
        for (long long r = top; r <= bottom; ++r, row += m_stride)
            std::fill(row, row + (right - left + 1), m_pixel);
    }

    // The line from p0 to p1: at step k along the longer axis the minor offset is
    // the nearest to k * minor / steps, halves up, carried from step to step.
    // Only the steps whose pen can touch the image are walked.
    void line(QPoint p0, QPoint p1) const
    {
        const long long dx = (long long)p1.x() - p0.x();
        const long long dy = (long long)p1.y() - p0.y();
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        Walk walk;
        const long long major = xMajor ? dx : dy;
        walk.minor = xMajor ? dy : dx;
        walk.steps = std::llabs(major);
        walk.direction = major < 0 ? -1 : 1;
        walk.majorStart = xMajor ? p0.x() : p0.y();
        walk.minorStart = xMajor ? p0.y() : p0.x();

        const long long lo = -(m_width - 1 - m_before);
        const long long hi = (xMajor ? m_imageWidth : m_imageHeight) - 1 + m_before;
        walk.first = std::max(walk.direction > 0 ? lo - walk.majorStart : walk.majorStart - hi, 0LL);
        walk.last = std::min(walk.direction > 0 ? hi - walk.majorStart : walk.majorStart - lo, walk.steps);
        if (walk.first > walk.last)
            return;
        // Both ends wholly on the image: so is every square between them.
        if (holdsSquareAt(p0) && holdsSquareAt(p1))
            run<Clipping::None>(walk, xMajor);
        else
            run<Clipping::ToImage>(walk, xMajor);
    }

private:
    // A Bresenham walk along the major axis from step `first` to `last`.
    struct Walk {
        long long majorStart, minorStart, minor, steps, first, last;
        int direction;
    };

    bool holdsSquareAt(QPoint p) const
    {
        const long long left = (long long)p.x() - m_before;
        const long long top = (long long)p.y() - m_before;
        return left >= 0 && top >= 0 && left + m_width <= m_imageWidth && top + m_width <= m_imageHeight;
    }

    template <Clipping clipping>
    void run(const Walk& walk, bool xMajor) const
    {
        if (xMajor)
            steps(walk, [this](long long m, long long n) { at<clipping>(m, n); });
        else
            steps(walk, [this](long long m, long long n) { at<clipping>(n, m); });
    }

    template <typename Stamp>
    static void steps(const Walk& walk, Stamp stamp)
    {
        // The offset is floor((2 k minor + steps) / (2 steps)); the remainder
        // carries the fraction from one step to the next.
        const long long rise = 2 * walk.minor;
        const long long denominator = 2 * std::max(walk.steps, 1LL);
        const long long numerator = walk.first * rise + walk.steps;
        long long offset = walk.first == 0 ? 0 : floorDiv(numerator, denominator);
        long long remainder = numerator - offset * denominator;
        for (long long k = walk.first; k <= walk.last; ++k) {
            stamp(walk.majorStart + walk.direction * k, walk.minorStart + offset);
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

    std::uint32_t* m_bits;
    qsizetype m_stride;
    int m_imageWidth;
    int m_imageHeight;
    int m_width;
    int m_before;
    std::uint32_t m_pixel;
};

} // namespace

QRect stampPen(QImage& image, QPoint at, const Pen& pen)
{
    PenStamp(image, pen).at<Clipping::ToImage>(at.x(), at.y());
    return penReach(at.x(), at.y(), at.x(), at.y(), penWidth(pen), image);
}

QRect drawLine(QImage& image, QPoint p0, QPoint p1, const Pen& pen)
{
    const QRect reach = penReach(std::min(p0.x(), p1.x()), std::min(p0.y(), p1.y()), std::max(p0.x(), p1.x()),
                                 std::max(p0.y(), p1.y()), penWidth(pen), image);
    if (reach.isEmpty())
        return {};
    PenStamp(image, pen).line(p0, p1);
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

    const PenStamp stamper(image, pen);
    const std::array<QPointF, 4> exact{p[0], p[1], p[2], p[3]};
    QPoint from = p[0];
    flattenBezier(exact, chords, [&](QPointF at) {
        const QPoint to(roundHalfEven(at.x()), roundHalfEven(at.y()));
        stamper.line(from, to);
        from = to;
    });
    return reach;
}

QPointF bezierPoint(const std::array<QPointF, 4>& p, double t)
{
    const double s = 1.0 - t;
    const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    return {a * p[0].x() + b * p[1].x() + c * p[2].x() + d * p[3].x(),
            a * p[0].y() + b * p[1].y() + c * p[2].y() + d * p[3].y()};
}

QRect drawCircle(QImage& image, QPoint center, int radius, const Pen& pen, std::optional<std::uint32_t> fill)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    if (radius < 0)
        return {};
    // Compared in halves of a pixel, squared: 4 d^2 against (2r -+ w)^2.
    const long long w = penWidth(pen);
    const long long innerTwice = 2LL * radius - w;
    const long long outerTwice = 2LL * radius + w;
    const long long reachR = outerTwice / 2;
    const QRect box = clipBox((long long)center.x() - reachR, (long long)center.y() - reachR,
                              (long long)center.x() + reachR, (long long)center.y() + reachR, image.size());
    // Each row is at most three runs: outline, inside, outline.
    auto paint = [&](int y, long long from, long long to, std::uint32_t pixel) {
        from = std::max<long long>(from, box.left());
        to = std::min<long long>(to, box.right());
        if (from <= to)
            fillSpan(image, y, int(from), int(to), pixel);
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const long long twiceDy = 2 * std::abs((long long)y - center.y());
        const long long outerReach = halfChord(outerTwice, twiceDy);
        if (outerReach < 0)
            continue;
        const long long innerReach = halfChord(innerTwice, twiceDy);
        const long long cx = center.x();
        paint(y, cx - outerReach, cx - innerReach - 1, pen.pixel);
        paint(y, cx + innerReach + 1, cx + outerReach, pen.pixel);
        if (fill)
            paint(y, cx - innerReach, cx + innerReach, *fill);
    }
    return box;
}

} // namespace qimbora::raster
