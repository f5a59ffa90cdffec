#pragma once

#include "paint/context.h"

#include <QtCore/qnamespace.h>

#include <cstdint>

namespace qimbora {

// A left press paints a flower of random size, rotation and colours centred on
// (x, y), with the petal count of the combo box. Takes eight draws; other
// buttons take none and paint nothing.
void Pic_MouseDown(const PaintContext& context, Qt::MouseButton button, float x, float y);

// index 1 paints ten random flowers, any other index one. Each flower takes ten
// draws (outer radius, x, y, rotation, petal colour, centre colour) and the petal
// count of the combo box; a flower that raises an error ends the batch, and the
// flowers before it stay. Random flowers are not counted.
void Command1_Click(const PaintContext& context, std::int16_t index);

} // namespace qimbora
