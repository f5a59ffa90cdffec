#include "app/long_drawing.h"

#include <QApplication>
#include <QSinglePointEvent>
#include <QWidget>
#include <QWindow>

namespace qimbora {

namespace {

// A close request is heard within a fifth of a second, whenever it comes.
constexpr qint64 kLongAfterMs = 100;
constexpr qint64 kBreathEveryMs = 50;

bool isInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

LongDrawing::LongDrawing(QWidget& guarded)
    : m_guarded(guarded)
{
}

LongDrawing::Scope::Scope(LongDrawing& drawing)
    : m_drawing(drawing)
{
    m_drawing.m_running.start();
    m_drawing.m_closing = false;
}

LongDrawing::Scope::~Scope()
{
    if (m_drawing.m_busyPointer)
        QApplication::restoreOverrideCursor();
    m_drawing.m_busyPointer = false;
    m_drawing.m_running.invalidate();
    // Input that came while the handler ran is handled after it, in its order.
    auto held = std::move(m_drawing.m_heldInput);
    m_drawing.m_heldInput.clear();
    for (auto& [window, event] : held) {
        if (window && !m_drawing.m_closing)
            QCoreApplication::postEvent(window, event.release());
    }
}

void LongDrawing::stillDrawing()
{
    if (!m_running.isValid() || m_running.elapsed() < kLongAfterMs)
        return;
    if (!m_busyPointer) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_busyPointer = true;
        m_lastBreath.start();
    } else if (m_lastBreath.elapsed() < kBreathEveryMs) {
        return;
    }
    m_lastBreath.restart();
    m_breathing = true;
    qApp->installEventFilter(this);
    QApplication::processEvents();
    qApp->removeEventFilter(this);
    m_breathing = false;
    if (m_closing)
        throw HandlerAbandoned{};
}

void LongDrawing::closeRequested()
{
    if (m_running.isValid())
        m_closing = true;
}

bool LongDrawing::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_breathing || !watched->isWindowType() || !isInput(event))
        return false;
    if (event->isSinglePointEvent()) {
        const QPointF at = static_cast<QSinglePointEvent*>(event)->globalPosition();
        if (!m_guarded.rect().contains(m_guarded.mapFromGlobal(at).toPoint()))
            return false;
    }
    m_heldInput.emplace_back(static_cast<QWindow*>(watched), event->clone());
    return true;
}

} // namespace qimbora
