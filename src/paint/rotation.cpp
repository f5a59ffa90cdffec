#include "paint/rotation.h"

#include <cmath>

namespace qimbora {

namespace {

using u64 = std::uint64_t;

constexpr u64 kTurnUnits = u64(1) << 63;
constexpr u64 kMask = kTurnUnits - 1;

// Products and quotients past 64 bits, written out because 32-bit processors
// have no 128-bit integers.
struct Wide {
    u64 high;
    u64 low;
};

Wide multiply(u64 x, u64 y)
{
    const u64 x0 = x & 0xFFFFFFFFu, x1 = x >> 32, y0 = y & 0xFFFFFFFFu, y1 = y >> 32;
    const u64 p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
    const u64 middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
}

// The quotient rounded up, or none when it does not fit 64 bits.
std::optional<u64> divideUp(Wide n, u64 d)
{
    if (n.high >= d)
        return std::nullopt;
    u64 quotient = 0;
    u64 rest = n.high;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = rest >> 63;
        rest = (rest << 1) | ((n.low >> bit) & 1);
        quotient <<= 1;
        if (carry || rest >= d) {
            rest -= d;
            quotient |= 1;
        }
    }
    if (rest == 0)
        return quotient;
    if (quotient == ~u64(0))
        return std::nullopt;
    return quotient + 1;
}

// The smallest x >= 0 with low <= (a * x) mod m <= high, for 0 <= low <= high < m
// <= 2^63: if no multiple of a lands in [low, high] directly, a * x = m * y + v
// with y >= 1, which is the same question for (m mod a) * y modulo a.
std::optional<u64> firstMultipleIn(u64 a, u64 m, u64 low, u64 high)
{
    if (low == 0)
        return 0;
    if (a == 0)
        return std::nullopt;
    const u64 k = low / a + (low % a != 0);
    if (a * k <= high)
        return k;
    const std::optional<u64> y = firstMultipleIn(m % a, a, (a - high % a) % a, (a - low % a) % a);
    if (!y)
        return std::nullopt;
    Wide n = multiply(m, *y);
    n.low += low;
    n.high += n.low < low;
    return divideUp(n, a);
}

// An angle in radians as a fraction of a turn.
u64 toUnits(double angle)
{
    const double turns = angle / kTurn;
    return u64((turns - std::floor(turns)) * 0x1p63) & kMask;
}

} // namespace

Rotation::Rotation(double step, double start)
{
    // step / 2 pi to about 100 bits: the rest of the division comes exact from
    // a fused multiply-add, so that 2^31 steps stray by less than 2^-32 turns.
    const double high = step / kTurn;
    const double rest = (std::fma(-high, kTurn, step) - high * kTurnRest) / kTurn;
    const double whole = std::floor(high);
    m_step = (u64((high - whole) * 0x1p63) + u64(std::int64_t(rest * 0x1p63))) & kMask;
    m_start = toUnits(start);
}

std::optional<std::int64_t> Rotation::firstIn(double low, double high, std::int64_t from,
                                              std::int64_t last) const
{
    if (from > last)
        return std::nullopt;
    const double stray = kStray * (0x1p63 / kTurn);
    const double width = (high - low) * (0x1p63 / kTurn) + 2 * stray;
    if (!(width < 0x1p62))
        return from;
    const u64 first = (toUnits(low) - u64(stray)) & kMask;
    const u64 span = u64(width);
    const u64 at = (m_start + u64(from) * m_step) & kMask;
    // Offsets from `at`: [first - at, first - at + span] modulo a turn.
    const u64 begin = (first - at) & kMask;
    std::optional<u64> x;
    if (begin + span >= kTurnUnits || begin == 0)
        x = 0;
    else
        x = firstMultipleIn(m_step, kTurnUnits, begin, begin + span);
    if (!x || *x > u64(last - from))
        return std::nullopt;
    return from + std::int64_t(*x);
}

} // namespace qimbora
