#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>

namespace qimbora {

// Scanning for one switch, in canvas pixels and milliseconds: a line sweeps
// across the canvas from left to right and back, a crossing every crossingMs;
// a switch press stops it; then a line sweeps from top to bottom and back; the
// second press gives the point where they cross, and the scan starts again.
class Scan {
public:
    Scan(QSize area, std::int64_t crossingMs, std::int64_t now)
        : m_area(area)
        , m_crossingMs(crossingMs)
        , m_since(now)
    {
    }

    enum class Phase { Across, Down };
    Phase phase() const { return m_phase; }
    // The column of the line across: sweeping, or where the first press stopped it.
    int column(std::int64_t now) const;
    // The row of the line down, while it sweeps.
    int row(std::int64_t now) const;
    std::optional<QPoint> press(std::int64_t now);

private:
    int sweep(std::int64_t now, int length) const;

    QSize m_area;
    std::int64_t m_crossingMs;
    std::int64_t m_since;
    Phase m_phase = Phase::Across;
    int m_column = 0;
};

} // namespace qimbora
