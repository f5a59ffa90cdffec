#include "random.h"

namespace qimbora {

std::uint32_t Pcg32::nextBits()
{
    const std::uint64_t old = m_state;
    m_state = old * 6364136223846793005ULL + kIncrement;
    const auto xorshifted = std::uint32_t(((old >> 18u) ^ old) >> 27u);
    const auto rot = std::uint32_t(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

float Pcg32::next()
{
    return float(nextBits() >> 8) * (1.0f / 16777216.0f);
}

} // namespace qimbora
