#pragma once

#include <cstddef>
#include <cstdint>

namespace qimbora::fuzz {

// The next little-endian 32-bit integer of the input (zero-filled where the
// input runs out), taken off its front.
inline std::int32_t take(const std::uint8_t*& data, std::size_t& size)
{
    std::uint32_t value = 0;
    const std::size_t n = size < 4 ? size : 4;
    for (std::size_t i = 0; i < n; ++i)
        value |= std::uint32_t(data[i]) << (8 * i);
    data += n;
    size -= n;
    return std::int32_t(value);
}

} // namespace qimbora::fuzz
