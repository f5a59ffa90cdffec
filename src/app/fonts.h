#pragma once

#include "font/std_font.h"

#include <QFont>

namespace qimbora {

// The interface's font as a Qt font at the given size in points.
QFont songFont(double points);

// The canvas's font, in which the numbers are printed, at 15.75 points.
StdFontRef canvasFont();

} // namespace qimbora
