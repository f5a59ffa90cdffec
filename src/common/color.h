#pragma once

#include <cstdint>

namespace qimbora {

// A colour as the program passes it around: red + 256 * green + 65536 * blue,
// each channel 0 to 255, in a signed 32-bit integer.
using Color = std::int32_t;

constexpr Color rgbColor(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

constexpr Color kYellow = rgbColor(255, 255, 0);
constexpr Color kRed = rgbColor(255, 0, 0);

constexpr int redOf(Color c) { return c & 0xFF; }
constexpr int greenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Color c) { return (c >> 16) & 0xFF; }

// The same colour as an opaque 0xAARRGGBB pixel value.
constexpr std::uint32_t toPixel(Color c)
{
    return 0xFF000000u | (std::uint32_t(redOf(c)) << 16) | (std::uint32_t(greenOf(c)) << 8)
        | std::uint32_t(blueOf(c));
}

} // namespace qimbora
