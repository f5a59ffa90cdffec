#include "paint/flower.h"

#include "common/convert.h"
#include "common/runtime_error.h"
#include "surface/canvas.h"

#include <array>
#include <cmath>
#include <limits>

namespace qimbora {

namespace {

// The flower's own approximation of pi: with pattern 2 the petals stop 0.000185
// radians short of a full turn, which the rounding to whole pixels closes.
constexpr double kPi = 3.1415;

QPoint pointOnCircle(double cosine, double sine, std::int32_t radius, const Flower& f)
{
    const std::int32_t x = toInt32(checkedFloat(cosine * radius + f.centerX));
    const std::int32_t y = toInt32(checkedFloat(sine * radius + f.centerY));
    return {x, y};
}

} // namespace

void PaintFlower(Canvas& canvas, std::string_view patternText, Flower& f)
{
    if (f.petalColor == 0)
        f.petalColor = kYellow;
    if (f.centerColor == 0)
        f.centerColor = kRed;
    canvas.setDrawWidth(2);
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(f.petalColor);
    canvas.setForeColor(f.petalColor);
    if (f.petalCount < 2)
        f.petalCount = 9;
    if (f.innerRadius == 0)
        f.innerRadius = toInt32(f.outerRadius / 4.0);

    const double k = textToDouble(patternText);
    const double step = checkedFloat((k * kPi) / f.petalCount);
    const std::int32_t bound = f.petalCount;
    const double offset = checkedFloat((f.rotationDegrees * kPi) / 180.0);

    std::array<QPoint, 4> previous;
    double lastA = std::numeric_limits<double>::quiet_NaN();
    double cosA = 0.0, sinA = 0.0;
    for (std::int64_t i = 1; i <= bound; ++i) {
        const double a = checkedFloat((double(i) * step) + offset);
        // Not (i - 1) * step: this grouping decides which pixel a petal ends on.
        const double b = checkedFloat(((double(i) * step) - step) + offset);
        // b is usually the a of the petal before, to the bit: its sine is known.
        const double cosB = b == lastA ? cosA : std::cos(b);
        const double sinB = b == lastA ? sinA : std::sin(b);
        cosA = std::cos(a);
        sinA = std::sin(a);
        lastA = a;
        const std::array<QPoint, 4> points = {
            pointOnCircle(cosA, sinA, f.innerRadius, f),
            pointOnCircle(cosA, sinA, f.outerRadius, f),
            pointOnCircle(cosB, sinB, f.outerRadius, f),
            pointOnCircle(cosB, sinB, f.innerRadius, f),
        };
        // A petal on the same four points as the one before changes no pixel.
        if (i == 1 || points != previous)
            canvas.polyBezier(points);
        previous = points;
        // The 32-bit counter's step past the last petal overflows, as that counter would.
        if (i == std::numeric_limits<std::int32_t>::max())
            throw RuntimeError(ErrorKind::Overflow);
    }

    canvas.floodFill(f.centerX, f.centerY, f.petalColor);
    // Solid already; set again so the disc is filled whatever the fill did.
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(f.centerColor);
    canvas.circle(f.centerX, f.centerY, f.innerRadius);
}

} // namespace qimbora
