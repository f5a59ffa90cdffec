#pragma once

#include "common/color.h"
#include "paint/context.h"

#include <cstdint>
#include <string_view>

namespace qimbora {

class Canvas;

// One flower as PaintFlower takes it. PaintFlower writes the defaults that it
// applies back into these fields.
struct Flower {
    std::int32_t centerX = 0;
    std::int32_t centerY = 0;
    std::int32_t outerRadius = 0; // carries the two control points of every petal
    std::int32_t innerRadius = 0; // petals start and end here; the centre disc. 0: outerRadius / 4
    std::int32_t petalCount = 0;  // below 2: 9
    std::int32_t rotationDegrees = 0;
    Color petalColor = 0;  // outline, fill and number colour. 0: kYellow
    Color centerColor = 0; // inside of the centre disc. 0: kRed
};

// Draws a ring of flower.petalCount petals, each a Bezier curve from the inner
// circle out towards the outer circle and back, spanning k half-turns in all
// (k is patternText read as a number), flood-fills the flower from its centre
// in the petal colour and draws the centre disc. Leaves the canvas with pen
// width 2, solid fill in the centre colour and the pen in the petal colour.
// Throws RuntimeError: TypeMismatch for a pattern that is not a number (after
// the pen and fill are set and the defaults written back), FloatingPoint or
// Overflow where the arithmetic leaves its range (petals drawn before stay).
void PaintFlower(Canvas& canvas, std::string_view patternText, Flower& flower,
                 const StillDrawing& stillDrawing = {});

} // namespace qimbora
