#include "paint/modular.h"

#include <algorithm>

namespace qimbora::modular {

namespace {

using u64 = std::uint64_t;

struct Division {
    u64 quotient;
    u64 rest;
};

// Long division a bit at a time, for n.high < d: the rest stays below d, so
// one bit above 64 (carry) is all it can reach before the subtraction.
Division divide(Wide n, u64 d)
{
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
    return {quotient, rest};
}

// The least n >= 1 with n * a = 0 modulo m, a power of two or not.
u64 orderOf(u64 a, u64 m)
{
    u64 x = a, y = m;
    while (x != 0) {
        y %= x;
        std::swap(x, y);
    }
    return m / y;
}

} // namespace

Wide multiply(u64 x, u64 y)
{
    const u64 x0 = x & 0xFFFFFFFFu, x1 = x >> 32, y0 = y & 0xFFFFFFFFu, y1 = y >> 32;
    const u64 p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
    const u64 middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
}

std::optional<u64> divideUp(Wide n, u64 d)
{
    if (n.high >= d)
        return std::nullopt;
    const Division division = divide(n, d);
    if (division.rest == 0)
        return division.quotient;
    if (division.quotient == ~u64(0))
        return std::nullopt;
    return division.quotient + 1;
}

u64 multiplyModulo(u64 x, u64 y, u64 m)
{
    Wide n = multiply(x, y);
    n.high %= m;
    return divide(n, m).rest;
}

// If no multiple of a lands in [low, high] before the first wrap, then
// a * x = m * y + v with y >= 1 and v in [low, high], which is the same question
// for (m mod a) * y modulo a, with a smaller modulus: Euclid's steps.
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

ArcHits::ArcHits(u64 step, u64 m, u64 start, u64 low, u64 width)
    : m_width(std::min(width, m))
{
    // The first hit: n * step in [low - start, low - start + width) modulo m.
    const u64 begin = (low + m - start) % m;
    if (begin == 0 || begin + m_width - 1 >= m)
        m_n = 0;
    else
        m_n = firstMultipleIn(step, m, begin, begin + m_width - 1);
    if (!m_n)
        return;
    m_into = (multiplyModulo(*m_n, step, m) + m - begin) % m;
    if (m_width == m) {
        // Every n lands in the arc.
        m_forward = 1;
        return;
    }
    m_forward = orderOf(step, m);
    if (m_width >= 2) {
        if (const auto n = firstMultipleIn(step, m, 1, m_width - 1))
            m_forward = std::min(*m_forward, *n);
        m_back = firstMultipleIn(step, m, m - m_width + 1, m - 1);
    }
    m_forwardBy = multiplyModulo(*m_forward, step, m);
    if (m_back)
        m_backBy = m - multiplyModulo(*m_back, step, m);
}

std::optional<u64> ArcHits::next()
{
    if (!m_started || !m_n) {
        m_started = true;
        return m_n;
    }
    u64 by = 0;
    if (m_into + m_forwardBy < m_width) {
        by = *m_forward;
        m_into += m_forwardBy;
    } else if (m_back && m_into >= m_backBy) {
        by = *m_back;
        m_into -= m_backBy;
    } else if (m_back) {
        by = *m_forward + *m_back;
        m_into = m_into + m_forwardBy - m_backBy;
    } else {
        // Without a way back every later landing lies further on: none is in the arc.
        m_n.reset();
        return m_n;
    }
    if (*m_n > ~u64(0) - by)
        m_n.reset();
    else
        *m_n += by;
    return m_n;
}

} // namespace qimbora::modular
