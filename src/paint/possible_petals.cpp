#include "paint/possible_petals.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace qimbora {

namespace {

constexpr std::int32_t kMaxCenter = 1 << 24;

PetalPoints petalOf(const Spoke& a, const Spoke& b)
{
    return {QPoint(a[0], a[1]), QPoint(a[2], a[3]), QPoint(b[2], b[3]), QPoint(b[0], b[1])};
}

} // namespace

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
    const double largest
        = std::fabs(double(count) * ring.step) + std::fabs(ring.step) + std::fabs(ring.offset);
    if (!std::isfinite(largest * 4) || std::fabs(ring.step) > 0x1p40)
        return std::nullopt;
    // Rounding errors of the coordinates over their slope, which is at least the
    // square root of the radius at a half-integer (docs/petal-search.md, "Crossings").
    const double reach = std::max({std::abs(ring.centerX), std::abs(ring.centerY)})
        + std::max(std::abs(ring.innerRadius), std::abs(ring.outerRadius)) + 1.0;
    const double crossingError = 1e-9 + reach * 0x1p-44;
    const std::optional<std::vector<CirclePiece>> pieces = circlePiecesOf(ring, crossingError);
    std::optional<std::vector<IndexSpan>> spans = indexSpansOf(ring, count, crossingError);
    if (!pieces || !spans)
        return std::nullopt;

    PossiblePetals possible;
    possible.m_spans = std::move(*spans);
    for (std::size_t s = 0; s < possible.m_spans.size(); ++s) {
        const IndexSpan& span = possible.m_spans[s];
        if (span.pairing == IndexSpan::Pairing::Shifted) {
            possible.pair(*pieces, s);
            continue;
        }
        for (std::int64_t i = span.first; i <= span.last; ++i)
            possible.add(petalAt(ring, i), {0, kTurn, s});
    }
    return possible;
}

// For each piece of a, the pieces that b = a - shift may fall in, taken around
// the circle as the pieces lay it out.
void PossiblePetals::pair(const std::vector<CirclePiece>& pieces, std::size_t s)
{
    const double shift = m_spans[s].shift;
    const double slack = m_spans[s].slack;
    const double origin = pieces.front().from;
    for (const CirclePiece& a : pieces) {
        double from = a.from - shift - slack;
        const double turnsBack = std::floor((from - origin) / kTurn) * kTurn;
        from -= turnsBack;
        const double to = a.to - shift + slack - turnsBack;
        auto b = std::lower_bound(pieces.begin(), pieces.end(), from,
                                  [](const CirclePiece& p, double angle) { return p.to < angle; });
        // Turns added to the pieces of b once the search passes the last piece.
        double wrapped = 0;
        for (std::size_t seen = 0; seen <= pieces.size(); ++seen, ++b) {
            if (b == pieces.end()) {
                b = pieces.begin();
                wrapped += kTurn;
            }
            if (b->from + wrapped > to)
                break;
            // The angles a whose b may fall in this piece.
            const Arc arc{std::max(a.from, b->from + wrapped + turnsBack + shift) - slack,
                          std::min(a.to, b->to + wrapped + turnsBack + shift) + slack, s};
            for (const Spoke& spokeA : a.spokes) {
                for (const Spoke& spokeB : b->spokes)
                    add(petalOf(spokeA, spokeB), arc);
            }
        }
    }
}

void PossiblePetals::markDrawn(const PetalPoints& petal)
{
    const auto it = m_petals.find(petal);
    if (it == m_petals.end()) {
        m_accountsForDrawn = false;
    } else if (!it->second.drawn) {
        it->second.drawn = true;
        ++m_drawn;
    }
}

void PossiblePetals::walkedThrough(std::int64_t last)
{
    for (auto it = m_petals.begin(); it != m_petals.end();) {
        std::vector<Arc>& arcs = it->second.arcs;
        if (!it->second.drawn)
            std::erase_if(arcs, [&](const Arc& arc) { return m_spans[arc.span].last <= last; });
        it = arcs.empty() ? m_petals.erase(it) : std::next(it);
    }
}

std::vector<PossiblePetals::Place> PossiblePetals::missing() const
{
    std::vector<Place> places;
    for (const auto& [petal, entry] : m_petals) {
        if (entry.drawn)
            continue;
        for (const Arc& arc : entry.arcs) {
            const IndexSpan& span = m_spans[arc.span];
            const double hits = (arc.high - arc.low) * double(span.last - span.first + 1) / kTurn;
            places.push_back({petal, arc.low - span.indexError - span.skew,
                              arc.high + span.indexError - span.skew, span.first, span.last, hits});
        }
    }
    // In an order of their own, not the hash table's, which differs between
    // processors: a search cut short leaves the same petals out everywhere.
    const auto points = [](const Place& place) {
        std::array<int, 8> p;
        for (int k = 0; k < 4; ++k)
            p[2 * k] = place.petal[k].x(), p[2 * k + 1] = place.petal[k].y();
        return p;
    };
    std::sort(places.begin(), places.end(), [&](const Place& x, const Place& y) {
        return std::tuple(-x.expectedHits, x.first, x.low, points(x))
            < std::tuple(-y.expectedHits, y.first, y.low, points(y));
    });
    return places;
}

} // namespace qimbora
