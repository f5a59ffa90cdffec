#include "app/window_fit.h"

#include "app/gnome_display.h"
#include "app/layout.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qimbora {

namespace {

// Room for the frame and title bar a desktop adds, in its own logical pixels:
// the desktop draws them at its scale, not at the one the toy picks.
constexpr QSize kFrameAllowance(12, 48);

} // namespace

double fittingScale(double desktopScale, QSize room)
{
    const QSize frame = kFrameAllowance * desktopScale;
    const auto fits = [&](double scale) {
        const QSize window = layout::kClientSize * scale + frame;
        return window.width() <= room.width() && window.height() <= room.height();
    };
    if (desktopScale <= 1 || fits(desktopScale))
        return desktopScale;
    for (double scale = std::ceil(desktopScale) - 1; scale > 1; --scale) {
        if (fits(scale))
            return scale;
    }
    return 1;
}

std::optional<double> scaleFactorToFit()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return std::nullopt;
    const double desktopScale = screen->devicePixelRatio();
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const std::optional<QSize> gnome = wayland ? gnomePrimaryScreenPixels() : std::nullopt;
    const double scale
        = fittingScale(desktopScale, gnome.value_or(screen->availableGeometry().size() * desktopScale));
    if (scale == desktopScale)
        return std::nullopt;
    return scale / desktopScale;
}

void keepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int x = std::max(room.left(), std::min(frame.x(), room.right() + 1 - frame.width()));
    const int y = std::max(room.top(), std::min(frame.y(), room.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y())
        window.move(x, y);
}

} // namespace qimbora
