#include "paint/ring.h"

#include "common/convert.h"

#include <cmath>

namespace qimbora {

double remainderOfTurn(double angle)
{
    const double turns = std::nearbyint(angle / kTurn);
    // turns * kTurn is split into its double and the exact rest of that product.
    const double whole = turns * kTurn;
    const double rest = std::fma(turns, kTurn, -whole);
    return ((angle - whole) - rest) - turns * kTurnRest;
}

std::size_t PetalPointsHash::operator()(const PetalPoints& points) const
{
    std::uint64_t h = 0;
    for (const QPoint& p : points) {
        h = (h ^ std::uint32_t(p.x())) * 0x9E3779B97F4A7C15ull;
        h = (h ^ std::uint32_t(p.y())) * 0x9E3779B97F4A7C15ull;
    }
    return std::size_t(h ^ (h >> 29));
}

PetalTrig trigOf(const PetalAngles& angles)
{
    return {std::cos(angles.a), std::sin(angles.a), std::cos(angles.b), std::sin(angles.b)};
}

PetalPoints pointsOf(const PetalValues& v)
{
    PetalPoints points;
    for (int k = 0; k < 4; ++k)
        points[k] = QPoint(toInt32(checkedFloat(v[2 * k])), toInt32(checkedFloat(v[2 * k + 1])));
    return points;
}

} // namespace qimbora
