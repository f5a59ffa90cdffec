#pragma once

#include <cstdint>
#include <string>

namespace qimbora {

class Canvas;
class Pcg32;

// The window's controls and generator as the paint handlers see them, read at
// the start of an event (no event runs while a handler does, so they hold still).
struct PaintContext {
    Canvas& canvas;
    Pcg32& random;
    std::string petalCountText; // the petal count combo box's text
    std::string patternText;    // the pattern combo box's text
};

} // namespace qimbora
