#include "paint/flower.h"

#include "common/convert.h"
#include "common/runtime_error.h"
#include "paint/petals.h"
#include "surface/canvas.h"

namespace qimbora {

namespace {

// The flower's own approximation of pi: with pattern 2 the petals stop 0.000185
// radians short of a full turn, which the rounding to whole pixels closes.
constexpr double kPi = 3.1415;

} // namespace

void PaintFlower(Canvas& canvas, std::string_view patternText, Flower& f, const StillDrawing& stillDrawing)
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

    const double k = readAs(ErrorSubject::Pattern, [&] { return textToDouble(patternText); });
    const double step = checkedFloat((k * kPi) / f.petalCount);
    const std::int32_t bound = f.petalCount;
    const double offset = checkedFloat((f.rotationDegrees * kPi) / 180.0);

    const PetalRing ring{step, offset, f.innerRadius, f.outerRadius, f.centerX, f.centerY};
    drawPetals(
        ring, bound, [&canvas](const PetalPoints& points) { canvas.polyBezier(points); }, stillDrawing);

    canvas.floodFill(f.centerX, f.centerY, f.petalColor);
    // The style was Solid already and is set again with the rest; only the colour changes.
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(f.centerColor);
    canvas.circle(f.centerX, f.centerY, f.innerRadius);
}

} // namespace qimbora
