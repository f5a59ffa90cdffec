#pragma once

#include "paint/context.h"

#include <QPoint>

#include <array>
#include <cstdint>
#include <functional>

namespace qimbora {

using PetalPoints = std::array<QPoint, 4>;

// The ring of petals of one flower. Petal i runs from the inner circle at angle
// a = i * step + offset out towards the outer circle and back to the inner
// circle at b = (i * step - step) + offset; each coordinate is the double
// cos or sin times the radius plus the centre, rounded to the nearest integer,
// halves to even.
struct PetalRing {
    double step = 0.0;
    double offset = 0.0;
    std::int32_t innerRadius = 0;
    std::int32_t outerRadius = 0;
    std::int32_t centerX = 0;
    std::int32_t centerY = 0;
};

// Calls draw once with the points of each distinct petal among petals 1 to
// count, in the order they first come: a petal drawn again in the same pen
// changes no pixel, so the pixels drawn are exactly those of every petal. A long
// ring stops as soon as it has drawn every petal it can produce. Calls
// stillDrawing, if any, now and then during long rings. Throws RuntimeError where the plain loop
// would: FloatingPoint for an angle that is not finite, Overflow for a
// coordinate beyond 32 bits, petals before it drawn; and Overflow after the
// last petal when count is the largest 32-bit integer, as the loop's counter
// steps past it.
void drawPetals(const PetalRing& ring, std::int32_t count,
                const std::function<void(const PetalPoints&)>& draw, const StillDrawing& stillDrawing);

} // namespace qimbora
