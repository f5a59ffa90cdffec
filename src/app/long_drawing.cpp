#include "app/long_drawing.h"

#include <QApplication>

namespace qimbora {

namespace {

constexpr qint64 kLongAfterMs = 500;
constexpr qint64 kBreathEveryMs = 50;

} // namespace

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
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_closing)
        throw HandlerAbandoned{};
}

void LongDrawing::closeRequested()
{
    if (m_running.isValid())
        m_closing = true;
}

} // namespace qimbora
