#include "paint/place.h"

#include "common/convert.h"
#include "paint/flower.h"
#include "paint/random.h"
#include "surface/canvas.h"

namespace qimbora {

namespace {

// What a press and a random flower share once the rotation's draw is taken:
// the two colours (six draws), the rotation and the petal count of the combo
// box, in this order.
void chooseLook(const PaintContext& context, float turn, Flower& flower)
{
    flower.petalColor = RandomColor(context.random);
    flower.centerColor = RandomColor(context.random);
    flower.rotationDegrees = toInt32(double(turn) * 360);
    flower.petalCount = readAs(ErrorSubject::PetalCount, [&] { return textToInt32(context.petalCountText); });
}

void paintRandomFlower(const PaintContext& context)
{
    Pcg32& random = context.random;
    Flower flower;
    flower.outerRadius = toInt32(double(random.next()) * 200);
    const float across = random.next();
    const float width = context.canvas.scaleWidth();
    const float down = random.next();
    const float height = context.canvas.scaleHeight();
    chooseLook(context, random.next(), flower);
    flower.centerY = toInt32(double(down) * height);
    flower.centerX = toInt32(double(across) * width);
    PaintFlower(context.canvas, context.patternText, flower, context.stillDrawing);
}

} // namespace

void Pic_MouseDown(const PaintContext& context, Qt::MouseButton button, float x, float y)
{
    if (button != Qt::LeftButton)
        return;
    Flower flower;
    flower.outerRadius = toInt32(double(context.random.next()) * 150 + 20);
    chooseLook(context, context.random.next(), flower);
    flower.centerY = toInt32(y);
    flower.centerX = toInt32(x);
    PaintFlower(context.canvas, context.patternText, flower, context.stillDrawing);
}

void Command1_Click(const PaintContext& context, std::int16_t index)
{
    const std::int32_t bound = index == 1 ? 9 : 0;
    for (std::int32_t i = 0; i <= bound; ++i)
        paintRandomFlower(context);
}

} // namespace qimbora
