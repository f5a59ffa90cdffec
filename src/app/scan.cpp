#include "app/scan.h"

namespace qimbora {

int Scan::sweep(std::int64_t now, int length) const
{
    const std::int64_t t = (now - m_since) % (2 * m_crossingMs);
    const std::int64_t along = t < m_crossingMs ? t : 2 * m_crossingMs - t;
    return int(along * (length - 1) / m_crossingMs);
}

int Scan::column(std::int64_t now) const
{
    return m_phase == Phase::Across ? sweep(now, m_area.width()) : m_column;
}

int Scan::row(std::int64_t now) const { return sweep(now, m_area.height()); }

std::optional<QPoint> Scan::press(std::int64_t now)
{
    if (m_phase == Phase::Across) {
        m_column = column(now);
        m_phase = Phase::Down;
        m_since = now;
        return std::nullopt;
    }
    const QPoint crossing(m_column, row(now));
    m_phase = Phase::Across;
    m_since = now;
    return crossing;
}

} // namespace qimbora
