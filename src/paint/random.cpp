#include "paint/random.h"

#include "common/convert.h"

#include <cmath>

namespace qimbora {

std::uint32_t Pcg32::nextBits()
{
    const std::uint64_t old = m_state;
    m_state = old * 6364136223846793005ULL + kIncrement;
    const auto xorshifted = std::uint32_t(((old >> 18u) ^ old) >> 27u);
    const auto rot = std::uint32_t(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

float Pcg32::next() { return float(nextBits() >> 8) * (1.0f / 16777216.0f); }

Color RandomColor(Pcg32& random)
{
    const std::int32_t red = toInt32(double(random.next()) * 255);
    const std::int32_t green = toInt32(double(random.next()) * 255);
    const std::int32_t blue = toInt32(double(random.next()) * 255);
    return rgbColor(red, green, blue);
}

Color RandomDimColor(Pcg32& random)
{
    auto channel = [&random] { return int(std::floor(double(random.next()) * 235)); };
    const int red = channel();
    const int green = channel();
    const int blue = channel();
    return rgbColor(red, green, blue);
}

} // namespace qimbora
