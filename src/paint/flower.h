#pragma once

#include "../common/color.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qimbora {

class Canvas;
class RandomSource;

// One flower as PaintFlower takes it. PaintFlower writes the defaults that it
// applies back into these fields.
struct Flower {
    std::int32_t centerX = 0;
    std::int32_t centerY = 0;
    std::int32_t outerRadius = 0;     // carries the two control points of every petal
    std::int32_t innerRadius = 0;     // petals start and end here; the centre disc. 0: outerRadius / 4
    std::int32_t petalCount = 0;      // below 2: 9
    std::int32_t rotationDegrees = 0;
    Color petalColor = 0;             // outline, fill and number colour. 0: yellow
    Color centerColor = 0;            // inside of the centre disc. 0: red
};

// The window's controls and generator as the paint handlers see them, read at
// the start of an event (no event runs while a handler does, so they hold still).
struct PaintContext {
    Canvas& canvas;
    RandomSource& random;
    std::string petalCountText; // the petal count combo box's text
    std::string patternText;    // the pattern combo box's text
};

enum class MouseButton : std::int16_t {
    Left = 1,
    Right = 2,
    Middle = 4,
};

// Draws a ring of flower.petalCount petals, each a Bezier curve from the inner
// circle out towards the outer circle and back, spanning k half-turns in all
// (k is patternText read as a number), flood-fills the flower from its centre
// in the petal colour and draws the centre disc. Leaves the canvas with pen
// width 2, solid fill in the centre colour and the pen in the petal colour.
// Throws RuntimeError: TypeMismatch for a pattern that is not a number (after
// the pen and fill are set and the defaults written back), FloatingPoint or
// Overflow where the arithmetic leaves its range (petals drawn before stay).
void PaintFlower(Canvas& canvas, std::string_view patternText, Flower& flower);

// Three draws, red then green then blue, each scaled to 0..255.
Color RandomColor(RandomSource& random);

// A left press paints a flower of random size, rotation and colours centred on
// (x, y), with the petal count of the combo box. Takes eight draws; other
// buttons take none and paint nothing.
void Pic_MouseDown(const PaintContext& context, MouseButton button, float x, float y);

} // namespace qimbora
