#pragma once

#include "common/color.h"

#include <cstdint>

namespace qimbora {

// The program's one source of random numbers. Each draw returns the next
// single-precision r with 0 <= r < 1; the order of draws decides the flowers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// PCG32 (XSH-RR output on a 64-bit linear congruential state, M. E. O'Neill),
// started from a fixed state: every run on every machine draws the same
// sequence. Each draw keeps the top 24 bits, so r is an exact float below 1.
class Pcg32 final : public RandomSource {
public:
    Pcg32() = default;
    float next() override;

private:
    std::uint32_t nextBits();

    std::uint64_t m_state = 0x853c49e6748fea9bULL;
    static constexpr std::uint64_t kIncrement = 0xda3e39cb94b95bdbULL;
};

// Three draws, red then green then blue, each scaled to 0..255 (nearest, halves to even).
Color RandomColor(RandomSource& random);

// Three draws, red then green then blue, each channel the whole part of the
// draw times 235: 0..234, never the brightest colours. The praise label's
// colour and a new canvas's background.
Color RandomDimColor(RandomSource& random);

} // namespace qimbora
