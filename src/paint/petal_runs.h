#pragma once

#include "paint/ring.h"

#include <cstdint>

namespace qimbora {

// Runs of consecutive petals that round alike. Between the turning points of
// sine and cosine every coordinate moves monotonically with i (the angles are
// monotone in i, being products and sums of doubles rounded to nearest), so
// when the first and the last petal of a stretch round to the same points with
// a margin that covers the library's error in sine and cosine, so does every
// petal between them, and the stretch is one petal drawn once.
class PetalRuns {
public:
    explicit PetalRuns(const PetalRing& ring);

    // Whether the angles of petals first to last stay where their zones can be
    // told apart exactly.
    bool anglesExact(std::int64_t first, std::int64_t last) const;

    // The last petal from `from` up to `last` that is known to round to
    // `points`, as every petal between them does; `from` itself when none is.
    std::int64_t lastAlike(std::int64_t from, const PetalPoints& points, std::int64_t last) const;

private:
    struct Probe {
        std::int64_t zoneA;
        std::int64_t zoneB;
        PetalValues values;
        bool interior() const { return zoneA % 2 != 0 && zoneB % 2 != 0; }
    };

    Probe probe(std::int64_t i) const;
    bool roundsSafelyTo(const PetalValues& v, const PetalPoints& points) const;

    const PetalRing& m_ring;
    double m_margin[8];
};

} // namespace qimbora
