#pragma once

#include "app/dwell.h"
#include "app/scan.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace qimbora {

class AidClock;
class PicBox;

// Ways to plant without a precise press, each drawn over the canvas (never into
// it) and ending in the canvas's own press and release at a point. They read
// the time from their clock at each tick of a timer; tests call tick().

// One switch: in the window, Space, Enter and any mouse button are the switch,
// wherever the keyboard focus is (Scan). Escape pauses the scan and gives the
// window back to an adult, and resumes it.
class ScanAid final : public QWidget {
public:
    ScanAid(PicBox& pic, QWidget& window, const AidClock& clock, std::int64_t crossingMs);
    ~ScanAid() override;

    void tick();
    bool paused() const { return m_paused; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void switchDown();
    void switchUp();
    void showLines();

    PicBox& m_pic;
    QWidget& m_window;
    const AidClock& m_clock;
    Scan m_scan;
    QTimer m_timer;
    std::optional<QPoint> m_planting; // pressed at the crossing, not yet released
    bool m_paused = false;
    QPoint m_shown{-1, -1}; // the column and row drawn last; -1 for none
};

// Resting the pointer on the canvas (Dwell), with a ring that closes around it.
class DwellAid final : public QWidget {
public:
    DwellAid(PicBox& pic, const AidClock& clock, std::int64_t restMs);

    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect ringArea(QPoint at) const;

    PicBox& m_pic;
    const AidClock& m_clock;
    Dwell m_dwell;
    QTimer m_timer;
    std::optional<QPoint> m_shown; // where the ring was drawn last
};

} // namespace qimbora
