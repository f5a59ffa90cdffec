#include "app/window_fit.h"

#include "app/layout.h"
#include "app/x11_shade.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qimbora {

namespace {

// Room for the frame and title bar a desktop adds, in its own logical pixels:
// the desktop draws them at its scale, not at the one the toy picks.
constexpr QSize kFrameAllowance(12, 48);

constexpr Qt::WindowStates kNotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalState : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & kNotNormal)) {
            // After the change has been handled: undoing it inside would be undone in turn.
            QMetaObject::invokeMethod(
                window, [window] { window->setWindowState(window->windowState() & ~kNotNormal); },
                Qt::QueuedConnection);
        }
        return false;
    }
};

// GNOME's compositor lays its screens out in device pixels unless its own
// fractional scaling is on, and then reports their sizes in device pixels where
// the toolkit expects logical ones: a 1920 x 1080 screen at scale 2 looks twice
// as large as it is. Its display settings say which layout it uses.
bool screenSizesInDevicePixels()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    constexpr int kPhysicalLayout = 2;
    const QString path = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
    const QString interface = QStringLiteral("org.gnome.Mutter.DisplayConfig");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(interface, path, interface, QStringLiteral("GetCurrentState")),
        QDBus::Block, 1000);
    // The serial, the monitors, the logical monitors, then the properties.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 4)
        return false;
    QVariantMap properties;
    reply.arguments().at(3).value<QDBusArgument>() >> properties;
    return properties.value(QStringLiteral("layout-mode")).toInt() == kPhysicalLayout;
}

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
    const QSize room = screen->availableGeometry().size();
    const double scale = fittingScale(desktopScale, screenSizesInDevicePixels() ? room : room * desktopScale);
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

void keepWindowNormal(QWidget& window)
{
    window.installEventFilter(new NormalState(&window));
    keepUnshaded(window);
}

} // namespace qimbora
