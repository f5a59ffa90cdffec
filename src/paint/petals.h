#pragma once

#include "paint/context.h"
#include "paint/ring.h"

#include <cstdint>
#include <functional>

namespace qimbora {

// How a long ring is walked and searched. The defaults are the program's;
// tests pass smaller ones to reach every path on small rings.
struct PetalLimits {
    // Below this many petals stepping by one is quicker than looking for runs.
    std::int64_t runsFrom = 16384;
    // From this many petals on, the ring stops once it has drawn every petal it can.
    std::int64_t completeFrom = 65536;
    // Past this many steps, the petals still missing are looked for where they can come.
    std::int64_t searchAfter = 1 << 16;
    // The most steps, walked or searched, that one ring takes, a petal drawn
    // counting as 64: beyond them the petals found are all that is drawn
    // (docs/petal-search.md, "Budget").
    std::int64_t mostSteps = 6 << 20;
};

using DrawPetal = std::function<void(const PetalPoints&)>;

// Calls draw once with the points of each distinct petal among petals 1 to
// count: a petal drawn again in the same pen changes no pixel, so the pixels
// drawn are exactly those of every petal. A long ring stops as soon as it has
// drawn every petal it can produce, or once it has taken limits.mostSteps
// steps; a ring of up to a 66th of that many petals is always drawn in full.
// Calls
// stillDrawing, if any, now and then during long rings. Throws
// RuntimeError where the plain loop would: FloatingPoint for an angle that is
// not finite, Overflow for a coordinate beyond 32 bits, petals before it drawn;
// and Overflow after the last petal when count is the largest 32-bit integer,
// as the loop's counter steps past it.
void drawPetals(const PetalRing& ring, std::int32_t count, const DrawPetal& draw,
                const StillDrawing& stillDrawing, const PetalLimits& limits = {});

} // namespace qimbora
