#include "paint/circle_pieces.h"

#include "common/convert.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace qimbora {

namespace {

// Where coordinate `coordinate` of a spoke crosses below + 0.5: just before or
// after it the coordinate rounds to below or below + 1.
struct Crossing {
    double angle;
    int coordinate;
    std::int32_t below;
};

double onCircle(double angle) { return angle < 0 ? angle + kTurn : angle; }

// The angles where centre + radius * cos (or sin) crosses a half-integer.
void addCrossings(std::vector<Crossing>& crossings, int coordinate, std::int32_t center, std::int32_t radius)
{
    const bool sine = coordinate % 2 != 0;
    const std::int64_t reach = std::abs(std::int64_t(radius));
    for (std::int64_t n = center - reach; n < center + reach; ++n) {
        const double u = (double(n) + 0.5 - center) / radius;
        const double first = sine ? std::asin(u) : std::acos(u);
        const double second = sine ? kHalfTurn - first : kTurn - first;
        crossings.push_back({onCircle(first), coordinate, std::int32_t(n)});
        crossings.push_back({onCircle(second), coordinate, std::int32_t(n)});
    }
}

// Every spoke a zone's angles may round to: each coordinate keeps its value on
// either side, or takes either value of one of its crossings in the zone.
std::vector<Spoke> zoneSpokes(const Spoke& before, const Spoke& after, const Crossing* first,
                              const Crossing* last)
{
    std::array<std::vector<std::int32_t>, 4> options;
    for (int k = 0; k < 4; ++k)
        options[k] = {before[k], after[k]};
    for (const Crossing* c = first; c != last; ++c) {
        options[c->coordinate].push_back(c->below);
        options[c->coordinate].push_back(c->below + 1);
    }
    std::vector<Spoke> spokes{Spoke{}};
    for (int k = 0; k < 4; ++k) {
        std::sort(options[k].begin(), options[k].end());
        options[k].erase(std::unique(options[k].begin(), options[k].end()), options[k].end());
        std::vector<Spoke> grown;
        for (const Spoke& partial : spokes) {
            for (std::int32_t value : options[k]) {
                grown.push_back(partial);
                grown.back()[k] = value;
            }
        }
        spokes = std::move(grown);
    }
    return spokes;
}

// Sorts the crossings around the circle starting after the widest gap, with
// angles carried past a turn where they wrap, so that they only grow.
void startAfterWidestGap(std::vector<Crossing>& crossings)
{
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& x, const Crossing& y) { return x.angle < y.angle; });
    std::size_t start = 0;
    double widest = crossings.front().angle + kTurn - crossings.back().angle;
    for (std::size_t i = 1; i < crossings.size(); ++i) {
        if (crossings[i].angle - crossings[i - 1].angle > widest) {
            widest = crossings[i].angle - crossings[i - 1].angle;
            start = i;
        }
    }
    std::rotate(crossings.begin(), crossings.begin() + std::ptrdiff_t(start), crossings.end());
    for (std::size_t i = 1; i < crossings.size(); ++i) {
        if (crossings[i].angle < crossings[i - 1].angle)
            crossings[i].angle += kTurn;
    }
}

} // namespace

Spoke spokeAt(const PetalRing& r, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {roundHalfEven(c * r.innerRadius + r.centerX), roundHalfEven(s * r.innerRadius + r.centerY),
            roundHalfEven(c * r.outerRadius + r.centerX), roundHalfEven(s * r.outerRadius + r.centerY)};
}

std::optional<std::vector<CirclePiece>> circlePiecesOf(const PetalRing& ring, double crossingError)
{
    std::vector<Crossing> crossings;
    addCrossings(crossings, 0, ring.centerX, ring.innerRadius);
    addCrossings(crossings, 1, ring.centerY, ring.innerRadius);
    addCrossings(crossings, 2, ring.centerX, ring.outerRadius);
    addCrossings(crossings, 3, ring.centerY, ring.outerRadius);
    if (crossings.empty())
        return std::vector<CirclePiece>{{0, kTurn, {spokeAt(ring, 0)}}};
    startAfterWidestGap(crossings);

    // Zones as [first, last) into crossings: crossings closer than four errors
    // may change places, so they share a zone.
    std::vector<std::pair<std::size_t, std::size_t>> zones;
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        if (zones.empty() || crossings[i].angle - crossings[i - 1].angle >= 4 * crossingError)
            zones.push_back({i, i + 1});
        else
            zones.back().second = i + 1;
    }
    const auto zoneFrom = [&](std::size_t z) { return crossings[zones[z].first].angle; };
    const auto zoneTo = [&](std::size_t z) { return crossings[zones[z].second - 1].angle; };
    // Where the stretch after zone z ends: at the next zone, the last one's a turn on.
    const auto stretchTo
        = [&](std::size_t z) { return z + 1 < zones.size() ? zoneFrom(z + 1) : zoneFrom(0) + kTurn; };
    std::vector<Spoke> stretch(zones.size());
    for (std::size_t z = 0; z < zones.size(); ++z)
        stretch[z] = spokeAt(ring, (zoneTo(z) + stretchTo(z)) / 2);

    std::vector<CirclePiece> pieces;
    for (std::size_t z = 0; z < zones.size(); ++z) {
        const Spoke& before = stretch[z == 0 ? zones.size() - 1 : z - 1];
        std::vector<Spoke> spokes
            = zoneSpokes(before, stretch[z], &crossings[zones[z].first], &crossings[0] + zones[z].second);
        if (spokes.size() > kMostSpokesInZone)
            return std::nullopt;
        pieces.push_back({zoneFrom(z) - crossingError, zoneTo(z) + crossingError, std::move(spokes)});
        pieces.push_back({zoneTo(z), stretchTo(z), {stretch[z]}});
    }
    return pieces;
}

} // namespace qimbora
