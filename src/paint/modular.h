#pragma once

#include <cstdint>
#include <optional>

// Unsigned arithmetic past 64 bits and the search for where a rotation of the
// circle enters an arc, written out because 32-bit processors have no 128-bit
// integers.
namespace qimbora::modular {

// A 128-bit number as two halves.
struct Wide {
    std::uint64_t high;
    std::uint64_t low;
};

Wide multiply(std::uint64_t x, std::uint64_t y);

// n / d rounded up, or none when the quotient does not fit 64 bits (d = 0 included).
std::optional<std::uint64_t> divideUp(Wide n, std::uint64_t d);

// (x * y) mod m, for m > 0.
std::uint64_t multiplyModulo(std::uint64_t x, std::uint64_t y, std::uint64_t m);

// The smallest x >= 0 with low <= (a * x) mod m <= high, or none where there is
// none; for low <= high < m <= 2^63 and a < m.
std::optional<std::uint64_t> firstMultipleIn(std::uint64_t a, std::uint64_t m, std::uint64_t low,
                                             std::uint64_t high);

// The n >= 0, in increasing order, at which start + n * step lands in the arc
// [low, low + width) modulo m, for step, start, low < m <= 2^63 and width >= 1.
// After the first, each comes in a few operations: the gaps between returns to
// an arc take at most three values, the third the sum of the other two.
class ArcHits {
public:
    ArcHits(std::uint64_t step, std::uint64_t m, std::uint64_t start, std::uint64_t low, std::uint64_t width);

    std::optional<std::uint64_t> next();

private:
    std::uint64_t m_width;
    std::optional<std::uint64_t> m_n; // the hit last given, or the first one
    bool m_started = false;
    std::uint64_t m_into = 0;               // how far into the arc the hit lies
    std::optional<std::uint64_t> m_forward; // the least n >= 1 with n * step in [0, width)
    std::uint64_t m_forwardBy = 0;          // and that n * step
    std::optional<std::uint64_t> m_back;    // the least n >= 1 with n * step in (-width, 0)
    std::uint64_t m_backBy = 0;             // and -(n * step)
};

} // namespace qimbora::modular
