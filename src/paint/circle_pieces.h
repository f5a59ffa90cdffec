#pragma once

#include "paint/ring.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qimbora {

// A petal's inner x, inner y, outer x and outer y at one angle: the rounded
// ends of the spoke there.
using Spoke = std::array<std::int32_t, 4>;

Spoke spokeAt(const PetalRing& ring, double angle);

// An arc of the circle (radians, from <= to) and every spoke that an angle in
// it may round to.
struct CirclePiece {
    double from;
    double to;
    std::vector<Spoke> spokes;
};

// The circle cut where a spoke's coordinates change. Around the circle each
// coordinate changes where its unrounded value crosses a half-integer; a
// crossing may lie up to crossingError from where it is computed (the
// library's sine and cosine round too), so the circle alternates between zones
// around crossings, each with every spoke its angles may round to, and the
// stretches between them, each with its one spoke. Zones reach crossingError
// beyond their crossings, overlapping the stretches beside them. The pieces
// follow each other around one turn from the first one's start, which lies
// after the widest gap between crossings, so that no zone wraps around. None
// when a zone may round to more than kMostSpokesInZone spokes.
std::optional<std::vector<CirclePiece>> circlePiecesOf(const PetalRing& ring, double crossingError);

inline constexpr std::size_t kMostSpokesInZone = 64;

} // namespace qimbora
