#pragma once

#include <cstdint>
#include <string>

namespace qimbora {

class Canvas;
class RandomSource;

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

} // namespace qimbora
