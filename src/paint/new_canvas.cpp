#include "new_canvas.h"

#include "../common/convert.h"
#include "../surface/canvas.h"
#include "flower.h"
#include "random.h"

#include <cmath>

namespace qimbora {

namespace {

void paintRandomFlower(const PaintContext& context)
{
    RandomSource& random = context.random;
    Flower flower;
    flower.outerRadius = toInt32(double(random.next()) * 200);
    const float across = random.next();
    const float width = context.canvas.scaleWidth();
    const float down = random.next();
    const float height = context.canvas.scaleHeight();
    const float turn = random.next();
    flower.petalColor = RandomColor(random);
    flower.centerColor = RandomColor(random);
    flower.rotationDegrees = toInt32(double(turn) * 360);
    flower.petalCount = textToInt32(context.petalCountText);
    flower.centerY = toInt32(double(down) * height);
    flower.centerX = toInt32(double(across) * width);
    PaintFlower(context.canvas, context.patternText, flower);
}

int backgroundChannel(float r) { return int(std::floor(double(r) * 235)); }

} // namespace

void Command1_Click(const PaintContext& context, std::int16_t index)
{
    const std::int32_t bound = index == 1 ? 9 : 0;
    for (std::int32_t i = 0; i <= bound; ++i)
        paintRandomFlower(context);
}

void Command2_Click(const PaintContext& context, std::int16_t& flowerCount)
{
    flowerCount = 0;
    const float r1 = context.random.next();
    const float r2 = context.random.next();
    const float r3 = context.random.next();
    const int blue = backgroundChannel(r3);
    const int green = backgroundChannel(r2);
    const int red = backgroundChannel(r1);
    context.canvas.setBackColor(rgbColor(red, green, blue));
}

} // namespace qimbora
