#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qimbora {

class Canvas;
class Pcg32;

// Called now and then while a drawing takes long, so that the window can show
// it is busy and keep itself painted.
using StillDrawing = std::function<void()>;

// The window's controls and generator as the paint handlers see them, read at
// the start of an event (no event runs while a handler does, so they hold still).
struct PaintContext {
    Canvas& canvas;
    Pcg32& random;
    std::string petalCountText; // the petal count combo box's text
    std::string patternText;    // the pattern combo box's text
    StillDrawing stillDrawing;
};

} // namespace qimbora
