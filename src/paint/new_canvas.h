#pragma once

#include <cstdint>

namespace qimbora {

struct PaintContext;

// Starts a new canvas: flowerCount back to 0, then three draws for a background
// whose channels are 0..234, which erases everything drawn.
void Command2_Click(const PaintContext& context, std::int16_t& flowerCount);

} // namespace qimbora
