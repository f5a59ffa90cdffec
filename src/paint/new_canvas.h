#pragma once

#include <cstdint>

namespace qimbora {

struct PaintContext;

// index 1 paints ten random flowers, any other index one. Each flower takes ten
// draws (outer radius, x, y, rotation, petal colour, centre colour) and the petal
// count of the combo box; a flower that raises an error ends the batch, and the
// flowers before it stay. Random flowers are not counted.
void Command1_Click(const PaintContext& context, std::int16_t index);

// Starts a new canvas: flowerCount back to 0, then three draws for a background
// whose channels are 0..234, which erases everything drawn.
void Command2_Click(const PaintContext& context, std::int16_t& flowerCount);

} // namespace qimbora
