#include "paint/new_canvas.h"

#include "paint/context.h"
#include "paint/random.h"
#include "surface/canvas.h"

namespace qimbora {

void Command2_Click(const PaintContext& context, std::int16_t& flowerCount)
{
    flowerCount = 0;
    context.canvas.setBackColor(RandomDimColor(context.random));
}

} // namespace qimbora
