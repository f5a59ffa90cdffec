#include "app/normal_state.h"

#include "app/x11_shade.h"

#include <QEvent>
#include <QWidget>

namespace qimbora {

namespace {

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

} // namespace

void keepWindowNormal(QWidget& window)
{
    window.installEventFilter(new NormalState(&window));
    keepUnshaded(window);
}

} // namespace qimbora
