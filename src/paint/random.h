#pragma once

#include "common/color.h"

#include <cstdint>

namespace qimbora {

// The program's one source of random numbers: PCG32 (XSH-RR output on a
// 64-bit linear congruential state, M. E. O'Neill), started from a fixed state,
// so every run on every machine draws the same sequence. Each draw returns the
// next single-precision r with 0 <= r < 1, keeping the top 24 bits, so r is
// exact; the order of draws decides the flowers.
class Pcg32 {
public:
    float next();

private:
    std::uint32_t nextBits();

    std::uint64_t m_state = 0x853c49e6748fea9bULL;
    static constexpr std::uint64_t kIncrement = 0xda3e39cb94b95bdbULL;
};

// Three draws, red then green then blue, each scaled to 0..255 (nearest, halves to even).
Color RandomColor(Pcg32& random);

// Three draws, red then green then blue, each channel the whole part of the
// draw times 235: 0..234, never the brightest colours. The praise label's
// colour and a new canvas's background.
Color RandomDimColor(Pcg32& random);

} // namespace qimbora
