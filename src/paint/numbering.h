#pragma once

#include "common/color.h"
#include "font/std_font.h"

#include <cstdint>
#include <memory>

namespace qimbora {

class Canvas;
class CLogFont;
class FontService;
class Pcg32;

// What a release tells the praise label.
struct Praise {
    std::int16_t count = 0; // the flower just counted
    Color color = 0;
};

// The load step's numbering set-up: a rotatable copy of the canvas's font, at 0 degrees.
std::unique_ptr<CLogFont> NumberingSetup(FontService& fonts, const StdFontRef& canvasFont);

// A release of any button on the canvas: one more flower counted, the count
// printed 22 pixels left of and 8 above the pointer in the number font and the
// canvas's pen colour, then the count for the praise, in a colour of three
// draws (channels 0..234). At a count of 32767 it raises Overflow before
// anything changes.
Praise Pic_MouseUp(Canvas& canvas, Pcg32& random, CLogFont& numberFont, std::int16_t& flowerCount, float x,
                   float y);

// Starts a new canvas: the count back to 0, then three draws for a background
// whose channels are 0..234, which erases everything drawn.
void Command2_Click(Canvas& canvas, Pcg32& random, std::int16_t& flowerCount);

// The scroll bar's position becomes the numbers' angle in degrees.
void HScroll1_Change(CLogFont& numberFont, std::int16_t value);

} // namespace qimbora
