#pragma once

#include <QPoint>

#include <cstdint>
#include <optional>

namespace qimbora {

// Planting by resting the pointer, in canvas pixels and milliseconds: a
// pointer that stays within kSlack pixels of where it came to rest for the
// rest time plants there once; it has to move away before it can plant again,
// so that a resting gaze does not plant a row of flowers.
class Dwell {
public:
    explicit Dwell(std::int64_t restMs)
        : m_restMs(restMs)
    {
    }

    static constexpr int kSlack = 8;

    void moved(QPoint at, std::int64_t now);
    void left();
    // A flower planted at `at` some other way: the pointer moves away before the next.
    void planted(QPoint at);
    // Where to plant, once the pointer has rested long enough there.
    std::optional<QPoint> due(std::int64_t now);
    // Where the pointer rests and how much of the rest has passed (0 to 1),
    // or none while nothing is counted.
    struct Rest {
        QPoint at;
        double passed;
    };
    std::optional<Rest> rest(std::int64_t now) const;

private:
    std::int64_t m_restMs;
    std::optional<QPoint> m_restingAt;
    std::int64_t m_since = 0;
    std::optional<QPoint> m_plantedAt;
};

} // namespace qimbora
