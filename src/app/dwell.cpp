#include "app/dwell.h"

#include <algorithm>
#include <utility>

namespace qimbora {

namespace {

bool near(QPoint a, QPoint b)
{
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y() <= Dwell::kSlack * Dwell::kSlack;
}

} // namespace

void Dwell::moved(QPoint at, std::int64_t now)
{
    if (m_plantedAt) {
        if (near(at, *m_plantedAt))
            return;
        m_plantedAt.reset();
    }
    if (!m_restingAt || !near(at, *m_restingAt)) {
        m_restingAt = at;
        m_since = now;
    }
}

void Dwell::planted(QPoint at)
{
    m_restingAt.reset();
    m_plantedAt = at;
}

void Dwell::left()
{
    m_restingAt.reset();
    m_plantedAt.reset();
}

std::optional<QPoint> Dwell::due(std::int64_t now)
{
    if (!m_restingAt || now - m_since < m_restMs)
        return std::nullopt;
    m_plantedAt = std::exchange(m_restingAt, std::nullopt);
    return m_plantedAt;
}

std::optional<Dwell::Rest> Dwell::rest(std::int64_t now) const
{
    if (!m_restingAt)
        return std::nullopt;
    return Rest{*m_restingAt, std::clamp(double(now - m_since) / double(m_restMs), 0.0, 1.0)};
}

} // namespace qimbora
