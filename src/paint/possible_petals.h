#pragma once

#include "paint/circle_pieces.h"
#include "paint/index_spans.h"
#include "paint/ring.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace qimbora {

// Every petal that a ring can draw at any index. All petals of a flower share
// one pen, so once each of these has been drawn the rest of a long ring adds
// no pixel and can be left out.
//
// The set is found from the circle, not from the indices: the circle is cut
// into pieces, each with the spokes its angles round to (CirclePiece), and a
// petal pairs the spoke at its angle a with the spoke at b, which lies one
// shift before a within a slack (IndexSpan). The set may hold petals the ring
// never draws (then it is never completed), but never misses one that it
// draws (docs/petal-search.md).
class PossiblePetals {
public:
    // None when the ring is beyond what the bounds cover: radii beyond
    // kMaxRadius, a centre beyond 2^24, a step beyond 2^40 radians, angles
    // that are not finite, or too many petals that may come.
    static std::optional<PossiblePetals> of(const PetalRing& ring, std::int32_t count);

    static constexpr std::int32_t kMaxRadius = 1024;

    // Notes a petal drawn for the first time. One outside the set means the
    // bounds were wrong: from then on the set accounts for nothing.
    void markDrawn(const PetalPoints& petal);
    bool allDrawn() const { return m_accountsForDrawn && m_drawn == m_petals.size(); }
    bool accountsForDrawn() const { return m_accountsForDrawn; }
    // Every petal up to index `last` has been drawn: a petal that could come
    // only there cannot come at all.
    void walkedThrough(std::int64_t last);

    // Where a petal not drawn yet may come: at an index from first to last
    // whose angle i * step + offset lies in [low, high] (radians). Most
    // likely first: the widest arcs over the most indices, apart from the
    // angles' own error, come first.
    struct Place {
        PetalPoints petal;
        double low;
        double high;
        std::int64_t first;
        std::int64_t last;
        double expectedHits;
    };
    std::vector<Place> missing() const;

private:
    struct Arc {
        double low;
        double high;
        std::size_t span;
    };
    struct Entry {
        std::vector<Arc> arcs;
        bool drawn = false;
    };
    void add(const PetalPoints& petal, const Arc& arc) { m_petals[petal].arcs.push_back(arc); }
    void pair(const std::vector<CirclePiece>& pieces, std::size_t span);

    std::unordered_map<PetalPoints, Entry, PetalPointsHash> m_petals;
    std::vector<IndexSpan> m_spans;
    std::size_t m_drawn = 0;
    bool m_accountsForDrawn = true;
};

} // namespace qimbora
