#pragma once

#include <QSize>

#include <optional>

class QWidget;

namespace qimbora {

// The largest scale, not above the desktop's, at which the window and the
// frame a desktop adds around it fit a screen whose free area is `room` device
// pixels: the desktop's own scale, else the largest whole scale below it, else
// 1. Whole scales keep each canvas pixel a sharp square block.
double fittingScale(double desktopScale, QSize room);

// After the application is made: the factor for QT_SCALE_FACTOR that brings
// the primary screen's scale down to the fitting one, or none when it fits as
// it is or the user set QT_SCALE_FACTOR.
std::optional<double> scaleFactorToFit();

// Moves the shown window so that it lies on the screen's free area, its title
// bar (by which it is moved and closed) on the screen above all.
void keepOnScreen(QWidget& window);

} // namespace qimbora
