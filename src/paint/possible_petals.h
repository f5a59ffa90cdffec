#pragma once

#include "paint/petals.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qimbora {

struct PetalPointsHash {
    std::size_t operator()(const PetalPoints& points) const;
};

using PetalSet = std::unordered_set<PetalPoints, PetalPointsHash>;

// Every petal that a ring can draw at any index. All petals of a flower share
// one pen, so once each of these has been drawn the rest of a long ring adds
// no pixel and can be left out.
//
// The set is found from the circle, not from the indices: around it, each of a
// petal's coordinates changes where the unrounded value crosses a half-integer,
// so the angles split into stretches of one rounded value, with a narrow zone
// around each change where either side's value may come out. A petal pairs the
// value at its angle a with the one at b, and b lies within a few units in the
// last place of a - step, so each stretch pairs only with the stretches that a
// turn back by step reaches. The set may hold petals the ring never draws (then
// it is never completed), but never misses one that it draws.
class PossiblePetals {
public:
    // None when the ring is beyond what the bounds above cover: radii beyond
    // kMaxRadius, a centre beyond 2^24, angles so large that the petals' two
    // angles are not known to a hundredth of a radian, or a ring that can
    // raise an error on the way.
    static std::optional<PossiblePetals> of(const PetalRing& ring, std::int32_t count);

    static constexpr std::int32_t kMaxRadius = 1024;

    // Counts `drawn`, a petal drawn for the first time. True once every
    // possible petal has been drawn. A petal outside the set (which would mean
    // the bounds were wrong) makes it never true, so that nothing is left out.
    bool completedBy(const PetalPoints& drawn);
    bool trusted() const { return m_trusted; }

    // The arcs (radians, low <= high) that hold every angle a at which a petal
    // not drawn yet may come, each with that petal.
    struct Arc {
        double low;
        double high;
    };
    struct Missing {
        PetalPoints petal;
        Arc arc;
    };
    std::vector<Missing> missing() const;

    std::size_t size() const { return m_petals.size(); }

private:
    struct Entry {
        std::vector<Arc> arcs;
        bool drawn = false;
    };
    std::unordered_map<PetalPoints, Entry, PetalPointsHash> m_petals;
    std::size_t m_drawn = 0;
    bool m_trusted = true;
};

} // namespace qimbora
