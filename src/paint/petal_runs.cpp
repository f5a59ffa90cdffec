#include "paint/petal_runs.h"

#include <algorithm>
#include <cmath>

namespace qimbora {

namespace {

// Angles this close to a multiple of a quarter turn (in quarter turns) lie
// where sine or cosine may turn: those petals are taken one by one.
constexpr double kNearTurn = 1e-6;

// Odd inside a quarter turn, even near its ends; never decreases as the angle grows.
std::int64_t zoneOf(double angle)
{
    const double t = angle * kQuarterTurnsPerRadian;
    const double whole = std::floor(t);
    const double part = t - whole;
    if (part < kNearTurn)
        return 2 * std::int64_t(whole);
    if (part > 1.0 - kNearTurn)
        return 2 * std::int64_t(whole) + 2;
    return 2 * std::int64_t(whole) + 1;
}

} // namespace

PetalRuns::PetalRuns(const PetalRing& ring)
    : m_ring(ring)
{
    const double radius[8] = {double(ring.innerRadius), double(ring.innerRadius), double(ring.outerRadius),
                              double(ring.outerRadius), double(ring.outerRadius), double(ring.outerRadius),
                              double(ring.innerRadius), double(ring.innerRadius)};
    for (int k = 0; k < 8; ++k) {
        const double center = k % 2 == 0 ? ring.centerX : ring.centerY;
        // Sine and cosine are within 2 units in the last place (2^-52 at most),
        // the product and the sum add one rounding each: twice that is safe.
        m_margin[k] = (std::fabs(radius[k]) + std::fabs(center) + 1.0) * 0x1p-48;
    }
}

bool PetalRuns::anglesExact(std::int64_t first, std::int64_t last) const
{
    for (std::int64_t i : {first, last}) {
        const PetalAngles angles = anglesOf(m_ring, i);
        for (double angle : {angles.a, angles.b}) {
            if (!(std::fabs(angle * kQuarterTurnsPerRadian) < 0x1p30))
                return false;
        }
    }
    return true;
}

std::int64_t PetalRuns::lastAlike(std::int64_t from, const PetalPoints& points, std::int64_t last) const
{
    const Probe start = probe(from);
    if (!start.interior() || !roundsSafelyTo(start.values, points))
        return from;
    const auto alike = [&](std::int64_t i) {
        const Probe p = probe(i);
        return p.zoneA == start.zoneA && p.zoneB == start.zoneB && roundsSafelyTo(p.values, points);
    };
    // Gallop out from `from`, then halve the gap between alike and not.
    std::int64_t good = from;
    std::int64_t bad = last + 1;
    for (std::int64_t span = 1; good < last; span *= 2) {
        const std::int64_t i = std::min(from + span, last);
        if (!alike(i)) {
            bad = i;
            break;
        }
        good = i;
    }
    while (bad - good > 1) {
        const std::int64_t middle = good + (bad - good) / 2;
        (alike(middle) ? good : bad) = middle;
    }
    return good;
}

PetalRuns::Probe PetalRuns::probe(std::int64_t i) const
{
    const PetalAngles angles = anglesOf(m_ring, i);
    return {zoneOf(angles.a), zoneOf(angles.b), valuesOf(m_ring, trigOf(angles))};
}

bool PetalRuns::roundsSafelyTo(const PetalValues& v, const PetalPoints& points) const
{
    for (int k = 0; k < 8; ++k) {
        const double target = k % 2 == 0 ? points[k / 2].x() : points[k / 2].y();
        if (!(std::fabs(v[k] - target) < 0.5 - m_margin[k]))
            return false;
    }
    return true;
}

} // namespace qimbora
