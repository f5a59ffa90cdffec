#include "paint/index_angles.h"

#include "paint/modular.h"
#include "paint/ring.h"

#include <cmath>

namespace qimbora {

namespace {

using u64 = std::uint64_t;

constexpr u64 kTurnUnits = u64(1) << 63;
constexpr u64 kMask = kTurnUnits - 1;

// An angle in radians as a fraction of a turn.
u64 toUnits(double angle)
{
    const double turns = angle / kTurn;
    return u64((turns - std::floor(turns)) * 0x1p63) & kMask;
}

} // namespace

IndexAngles::IndexAngles(double step, double start)
{
    // step / 2 pi to about 100 bits: the rest of the division comes exact from
    // a fused multiply-add, so that 2^31 steps stray by less than 2^-32 turns.
    const double high = step / kTurn;
    const double rest = (std::fma(-high, kTurn, step) - high * kTurnRest) / kTurn;
    const double whole = std::floor(high);
    m_step = (u64((high - whole) * 0x1p63) + u64(std::int64_t(rest * 0x1p63))) & kMask;
    m_start = toUnits(start);
}

IndexAngles::Hits::Hits(const modular::ArcHits& hits, std::int64_t from, std::int64_t last)
    : m_hits(hits)
    , m_from(from)
    , m_last(last)
{
}

std::optional<std::int64_t> IndexAngles::Hits::next()
{
    const std::optional<u64> n = m_hits.next();
    if (!n || m_from > m_last || *n > u64(m_last - m_from))
        return std::nullopt;
    return m_from + std::int64_t(*n);
}

IndexAngles::Hits IndexAngles::in(double low, double high, std::int64_t from, std::int64_t last) const
{
    const double stray = kStray * (0x1p63 / kTurn);
    const double width = (high - low) * (0x1p63 / kTurn) + 2 * stray;
    const u64 first = (toUnits(low) - u64(stray)) & kMask;
    const u64 at = (m_start + u64(from) * m_step) & kMask;
    // An arc wider than half a turn is taken as the whole turn.
    const u64 units = width < 0x1p62 ? u64(width) + 1 : kTurnUnits;
    return Hits(modular::ArcHits(m_step, kTurnUnits, at, first, units), from, last);
}

} // namespace qimbora
