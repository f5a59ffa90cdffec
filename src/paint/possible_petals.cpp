#include "paint/possible_petals.h"

#include "common/convert.h"
#include "paint/rotation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qimbora {

namespace {

constexpr double kHalfTurn = 3.14159265358979323846;
constexpr double kUnit = 0x1p-52;
// Beyond this the angles of a petal are not known well enough to pair stretches.
constexpr double kWidestSlack = 0.01;
constexpr std::int32_t kMaxCenter = 1 << 24;
constexpr std::size_t kMostValuesInZone = 64;

// A petal's inner x, inner y, outer x and outer y at one angle.
using Corner = std::array<std::int32_t, 4>;

// Where coordinate `coordinate` crosses below + 0.5: just before or after, below or below + 1.
struct Change {
    double angle;
    int coordinate;
    std::int32_t below;
};

// An arc of the circle and the corners that angles in it may round to.
struct Piece {
    double from;
    double to;
    std::vector<Corner> corners;
};

Corner cornerAt(const PetalRing& r, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {roundHalfEven(c * r.innerRadius + r.centerX), roundHalfEven(s * r.innerRadius + r.centerY),
            roundHalfEven(c * r.outerRadius + r.centerX), roundHalfEven(s * r.outerRadius + r.centerY)};
}

double onCircle(double angle) { return angle < 0 ? angle + kTurn : angle; }

// The angles where centre + radius * cos (or sin) crosses a half-integer.
void addChanges(std::vector<Change>& changes, int coordinate, std::int32_t center, std::int32_t radius)
{
    const bool sine = coordinate % 2 != 0;
    const std::int64_t reach = std::abs(std::int64_t(radius));
    for (std::int64_t n = center - reach; n < center + reach; ++n) {
        const double u = (double(n) + 0.5 - center) / radius;
        const double first = sine ? std::asin(u) : std::acos(u);
        const double second = sine ? kHalfTurn - first : kTurn - first;
        changes.push_back({onCircle(first), coordinate, std::int32_t(n)});
        changes.push_back({onCircle(second), coordinate, std::int32_t(n)});
    }
}

// Every corner a zone's angles may round to: each coordinate keeps its value
// on either side, or takes either value of one of its changes in the zone.
std::vector<Corner> zoneCorners(const Corner& before, const Corner& after, const Change* first,
                                const Change* last)
{
    std::array<std::vector<std::int32_t>, 4> options;
    for (int k = 0; k < 4; ++k)
        options[k] = {before[k], after[k]};
    for (const Change* c = first; c != last; ++c) {
        options[c->coordinate].push_back(c->below);
        options[c->coordinate].push_back(c->below + 1);
    }
    std::vector<Corner> corners{Corner{}};
    for (int k = 0; k < 4; ++k) {
        std::sort(options[k].begin(), options[k].end());
        options[k].erase(std::unique(options[k].begin(), options[k].end()), options[k].end());
        std::vector<Corner> grown;
        for (const Corner& partial : corners) {
            for (std::int32_t value : options[k]) {
                grown.push_back(partial);
                grown.back()[k] = value;
            }
        }
        corners = std::move(grown);
    }
    return corners;
}

// The circle as alternating zones (around changes that may lie up to `blur`
// from where they were computed, and so may change places) and stretches
// between them, starting at the first zone after the widest gap so that no
// zone wraps around.
std::vector<Piece> piecesOf(const PetalRing& ring, std::vector<Change> changes, double blur)
{
    std::sort(changes.begin(), changes.end(),
              [](const Change& x, const Change& y) { return x.angle < y.angle; });
    std::size_t start = 0;
    double widest = changes.front().angle + kTurn - changes.back().angle;
    for (std::size_t i = 1; i < changes.size(); ++i) {
        if (changes[i].angle - changes[i - 1].angle > widest) {
            widest = changes[i].angle - changes[i - 1].angle;
            start = i;
        }
    }
    std::rotate(changes.begin(), changes.begin() + std::ptrdiff_t(start), changes.end());
    for (std::size_t i = 1; i < changes.size(); ++i) {
        if (changes[i].angle < changes[i - 1].angle)
            changes[i].angle += kTurn;
    }

    // Zones as [first, last) into changes.
    std::vector<std::pair<std::size_t, std::size_t>> zones;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (zones.empty() || changes[i].angle - changes[i - 1].angle >= 4 * blur)
            zones.push_back({i, i + 1});
        else
            zones.back().second = i + 1;
    }
    const auto zoneFrom = [&](std::size_t z) { return changes[zones[z].first].angle; };
    const auto zoneTo = [&](std::size_t z) { return changes[zones[z].second - 1].angle; };
    // Where the stretch after zone z ends: at the next zone, the last one's a turn on.
    const auto stretchTo
        = [&](std::size_t z) { return z + 1 < zones.size() ? zoneFrom(z + 1) : zoneFrom(0) + kTurn; };
    std::vector<Corner> stretch(zones.size());
    for (std::size_t z = 0; z < zones.size(); ++z)
        stretch[z] = cornerAt(ring, (zoneTo(z) + stretchTo(z)) / 2);

    std::vector<Piece> pieces;
    for (std::size_t z = 0; z < zones.size(); ++z) {
        const Corner& before = stretch[z == 0 ? zones.size() - 1 : z - 1];
        std::vector<Corner> corners
            = zoneCorners(before, stretch[z], &changes[zones[z].first], &changes[0] + zones[z].second);
        if (corners.size() > kMostValuesInZone)
            return {};
        pieces.push_back({zoneFrom(z) - blur, zoneTo(z) + blur, std::move(corners)});
        pieces.push_back({zoneTo(z), stretchTo(z), {stretch[z]}});
    }
    return pieces;
}

PetalPoints petalOf(const Corner& a, const Corner& b)
{
    return {QPoint(a[0], a[1]), QPoint(a[2], a[3]), QPoint(b[2], b[3]), QPoint(b[0], b[1])};
}

} // namespace

std::size_t PetalPointsHash::operator()(const PetalPoints& points) const
{
    std::uint64_t h = 0;
    for (const QPoint& p : points) {
        h = (h ^ std::uint32_t(p.x())) * 0x9E3779B97F4A7C15ull;
        h = (h ^ std::uint32_t(p.y())) * 0x9E3779B97F4A7C15ull;
    }
    return std::size_t(h ^ (h >> 29));
}

std::optional<PossiblePetals> PossiblePetals::of(const PetalRing& ring, std::int32_t count)
{
    for (std::int32_t radius : {ring.innerRadius, ring.outerRadius}) {
        if (std::abs(std::int64_t(radius)) > kMaxRadius)
            return std::nullopt;
    }
    for (std::int32_t center : {ring.centerX, ring.centerY}) {
        if (std::abs(std::int64_t(center)) > kMaxCenter)
            return std::nullopt;
    }
    // The largest angle any petal reaches (and its sums and differences) bounds
    // how far b may lie from a - step: a few units in its last place.
    const double largest
        = std::fabs(double(count) * ring.step) + std::fabs(ring.step) + std::fabs(ring.offset);
    if (!std::isfinite(largest * 4) || std::fabs(ring.step) > 0x1p40)
        return std::nullopt;
    const double turns = std::nearbyint(ring.step / kTurn);
    const double step = (ring.step - turns * kTurn) - turns * kTurnRest;
    const double reach = std::max({std::abs(ring.centerX), std::abs(ring.centerY)})
        + std::max(std::abs(ring.innerRadius), std::abs(ring.outerRadius)) + 1.0;
    // How far a change may lie from where it is computed, or where the library's
    // sine and cosine put it: rounding errors of the coordinates over their slope,
    // which is at least the square root of the radius at a half-integer.
    const double blur = 1e-9 + reach * 0x1p-44;
    const double slack = 4 * largest * kUnit + 8 * std::fabs(ring.step) * kUnit + 2 * blur;
    if (slack > kWidestSlack)
        return std::nullopt;

    std::vector<Change> changes;
    addChanges(changes, 0, ring.centerX, ring.innerRadius);
    addChanges(changes, 1, ring.centerY, ring.innerRadius);
    addChanges(changes, 2, ring.centerX, ring.outerRadius);
    addChanges(changes, 3, ring.centerY, ring.outerRadius);

    PossiblePetals possible;
    if (changes.empty()) {
        const Corner only = cornerAt(ring, 0);
        possible.m_petals[petalOf(only, only)].arcs.push_back({0, kTurn});
        return possible;
    }
    const std::vector<Piece> pieces = piecesOf(ring, std::move(changes), blur);
    if (pieces.empty())
        return std::nullopt;
    const double origin = pieces.front().from;
    for (const Piece& a : pieces) {
        // Where b may lie, brought onto the circle as the pieces lay it out.
        double from = a.from - step - slack;
        const double shift = std::floor((from - origin) / kTurn) * kTurn;
        from -= shift;
        const double to = a.to - step + slack - shift;
        auto it = std::lower_bound(pieces.begin(), pieces.end(), from,
                                   [](const Piece& p, double angle) { return p.to < angle; });
        double lap = 0;
        for (std::size_t seen = 0; seen <= pieces.size(); ++seen, ++it) {
            if (it == pieces.end()) {
                it = pieces.begin();
                lap += kTurn;
            }
            if (it->from + lap > to)
                break;
            // The angles a whose b may fall in this piece.
            const Arc arc{std::max(a.from, it->from + lap + shift + step) - slack,
                          std::min(a.to, it->to + lap + shift + step) + slack};
            for (const Corner& ca : a.corners) {
                for (const Corner& cb : it->corners)
                    possible.m_petals[petalOf(ca, cb)].arcs.push_back(arc);
            }
        }
    }
    return possible;
}

bool PossiblePetals::completedBy(const PetalPoints& drawn)
{
    const auto it = m_petals.find(drawn);
    if (it == m_petals.end()) {
        m_trusted = false;
    } else if (!it->second.drawn) {
        it->second.drawn = true;
        ++m_drawn;
    }
    return m_trusted && m_drawn == m_petals.size();
}

std::vector<PossiblePetals::Missing> PossiblePetals::missing() const
{
    std::vector<Missing> missing;
    for (const auto& [petal, entry] : m_petals) {
        if (entry.drawn)
            continue;
        for (const Arc& arc : entry.arcs)
            missing.push_back({petal, arc});
    }
    return missing;
}

} // namespace qimbora
