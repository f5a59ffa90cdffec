#pragma once

#include <QElapsedTimer>

#include <cstdint>

namespace qimbora {

// Milliseconds from some start, as the planting aids read the time; tests hand
// in a clock that they move themselves.
class AidClock {
public:
    virtual ~AidClock() = default;
    virtual std::int64_t nowMs() const = 0;
};

class SteadyAidClock final : public AidClock {
public:
    SteadyAidClock() { m_timer.start(); }
    std::int64_t nowMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace qimbora
