#pragma once

#include "font/std_font.h"

#include <QFont>

namespace qimbora {

// "宋体", bold (weight 700), at the given size in points.
QFont songFont(double points);

// The canvas's font, in which the numbers are printed: "宋体", 15.75 points,
// weight 700, character set 134 (GB2312).
StdFontRef canvasFont();

} // namespace qimbora
