#pragma once

#include <cstdint>
#include <optional>

namespace qimbora {

// A turn in radians: the double nearest to 2 pi, and the rest of 2 pi beyond it,
// for reducing angles more exactly than the double alone allows.
inline constexpr double kTurn = 6.28318530717958623200e+00;
inline constexpr double kTurnRest = 2.44929359829470635445e-16;

// The angles i * step + start of a ring's petals as a rotation of the circle,
// held as 63-bit fractions of a turn, so that the indices whose angle falls in
// an arc are found in a few dozen steps each, without visiting the others.
class Rotation {
public:
    Rotation(double step, double start);

    // The first index in [from, last] whose angle lies in the arc [low, high]
    // (radians, low <= high), or none. Up to kStray radians around the arc
    // count as in it, and for up to 2^31 indices the rotation strays from the
    // exact angles by less than that.
    std::optional<std::int64_t> firstIn(double low, double high, std::int64_t from, std::int64_t last) const;

    static constexpr double kStray = 1e-8;

private:
    std::uint64_t m_step;
    std::uint64_t m_start;
};

} // namespace qimbora
