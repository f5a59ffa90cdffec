#include "app/patience.h"

#include <QApplication>

namespace qimbora {

namespace {

constexpr qint64 kLongAfterMs = 500;
constexpr qint64 kBreathEveryMs = 50;

} // namespace

Patience::Scope::Scope(Patience& patience)
    : m_patience(patience)
{
    m_patience.m_running.start();
    m_patience.m_closing = false;
}

Patience::Scope::~Scope()
{
    if (m_patience.m_busyPointer)
        QApplication::restoreOverrideCursor();
    m_patience.m_busyPointer = false;
    m_patience.m_running.invalidate();
}

void Patience::breathe()
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

void Patience::closeRequested()
{
    if (m_running.isValid())
        m_closing = true;
}

} // namespace qimbora
