#pragma once

#include "paint/ring.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace qimbora {

// A stretch of a ring's indices over which each petal's angle b is its angle a
// less one shift, known within a slack; or a short stretch whose petals are
// taken one by one.
struct IndexSpan {
    enum class Pairing { Shifted, EachIndex };
    std::int64_t first;
    std::int64_t last;
    Pairing pairing;
    double shift;      // radians, less whole turns
    double slack;      // how far b may lie from a - shift
    double indexError; // how far an index's angle a may lie from i * step + offset + skew
    double skew;       // the offset as the span rounds it, less the offset
};

// Indices 1 to count as spans in order, or none where a long stretch's slack
// is wider than kWidestSlack. Where i * step keeps well inside one binade of
// doubles, the shift is exact (docs/petal-search.md, "Exact shift"); elsewhere
// it is the step, within the rounding of the largest angle on the way.
std::optional<std::vector<IndexSpan>> indexSpansOf(const PetalRing& ring, std::int64_t count,
                                                   double crossingError);

// Beyond this slack a stretch pairs with too many others to be worth listing.
inline constexpr double kWidestSlack = 0.01;
// Stretches up to this many petals outside a binade's interior are taken one by one.
inline constexpr std::int64_t kMostEachIndex = 256;

} // namespace qimbora
