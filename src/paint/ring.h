#pragma once

#include <QPoint>

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_set>

namespace qimbora {

// A turn in radians: the double nearest to 2 pi, and the rest of 2 pi beyond
// it, for reducing angles more exactly than the double alone allows.
inline constexpr double kTurn = 6.28318530717958623200e+00;
inline constexpr double kTurnRest = 2.44929359829470635445e-16;
inline constexpr double kHalfTurn = kTurn / 2;
inline constexpr double kQuarterTurnsPerRadian = 0.63661977236758134308; // 2 / pi

// The angle less the nearest whole number of turns: within 1e-15 of the exact
// remainder for |angle| up to 2^40 (docs/petal-search.md, "Turns").
double remainderOfTurn(double angle);

using PetalPoints = std::array<QPoint, 4>;

struct PetalPointsHash {
    std::size_t operator()(const PetalPoints& points) const;
};

using PetalSet = std::unordered_set<PetalPoints, PetalPointsHash>;

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

struct PetalAngles {
    double a;
    double b;
};

// Not (i - 1) * step for b: this grouping decides which pixel a petal ends on.
inline PetalAngles anglesOf(const PetalRing& ring, std::int64_t i)
{
    return {(double(i) * ring.step) + ring.offset, ((double(i) * ring.step) - ring.step) + ring.offset};
}

struct PetalTrig {
    double cosA, sinA, cosB, sinB;
};

PetalTrig trigOf(const PetalAngles& angles);

// The eight coordinates before rounding, in the order x0, y0, x1, y1, x2, y2, x3, y3.
using PetalValues = std::array<double, 8>;

inline PetalValues valuesOf(const PetalRing& r, const PetalTrig& t)
{
    return {t.cosA * r.innerRadius + r.centerX, t.sinA * r.innerRadius + r.centerY,
            t.cosA * r.outerRadius + r.centerX, t.sinA * r.outerRadius + r.centerY,
            t.cosB * r.outerRadius + r.centerX, t.sinB * r.outerRadius + r.centerY,
            t.cosB * r.innerRadius + r.centerX, t.sinB * r.innerRadius + r.centerY};
}

// Rounds as the flower's loop does, raising its errors in its order: Overflow
// for a coordinate beyond 32 bits.
PetalPoints pointsOf(const PetalValues& values);

// Petal i of the ring, as the loop computes it.
inline PetalPoints petalAt(const PetalRing& ring, std::int64_t i)
{
    return pointsOf(valuesOf(ring, trigOf(anglesOf(ring, i))));
}

} // namespace qimbora
