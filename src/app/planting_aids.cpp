#include "app/planting_aids.h"

#include "app/aid_clock.h"
#include "app/picbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <functional>
#include <utility>

namespace qimbora {

namespace {

// Smooth enough to follow, cheap enough to leave running.
constexpr int kTickMs = 20;
constexpr int kLineWidth = 6;
constexpr int kRingRadius = 22;

// Dark under light: seen on any canvas colour.
void drawTwoTone(QPainter& painter, int width, const std::function<void()>& draw)
{
    for (const auto& [color, w] :
         {std::pair(QColor(Qt::black), width), std::pair(QColor(Qt::yellow), width / 2)}) {
        painter.setPen(QPen(color, w, Qt::SolidLine, Qt::FlatCap));
        draw();
    }
}

void overCanvas(QWidget& aid, PicBox& pic)
{
    aid.setParent(&pic);
    aid.setGeometry(pic.contentsRect());
    aid.setAttribute(Qt::WA_TransparentForMouseEvents);
    aid.show();
}

bool isSwitchKey(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ScanAid::ScanAid(PicBox& pic, QWidget& window, const AidClock& clock, std::int64_t crossingMs)
    : m_pic(pic)
    , m_window(window)
    , m_clock(clock)
    , m_scan(pic.canvas().image().size(), crossingMs, clock.nowMs())
{
    overCanvas(*this, pic);
    qApp->installEventFilter(this);
    connect(&m_timer, &QTimer::timeout, this, &ScanAid::tick);
    m_timer.start(kTickMs);
    showLines();
}

ScanAid::~ScanAid() { qApp->removeEventFilter(this); }

void ScanAid::tick()
{
    if (!m_paused)
        showLines();
}

void ScanAid::showLines()
{
    const std::int64_t now = m_clock.nowMs();
    const QPoint lines(m_scan.column(now), m_scan.phase() == Scan::Phase::Down ? m_scan.row(now) : -1);
    if (lines == m_shown)
        return;
    const auto area = [this](QPoint at) {
        QRegion region;
        if (at.x() >= 0)
            region += QRect(at.x() - kLineWidth, 0, 2 * kLineWidth + 1, height());
        if (at.y() >= 0)
            region += QRect(0, at.y() - kLineWidth, width(), 2 * kLineWidth + 1);
        return region;
    };
    update(area(m_shown) + area(lines));
    m_shown = lines;
}

void ScanAid::paintEvent(QPaintEvent*)
{
    if (m_paused)
        return;
    QPainter painter(this);
    const QPointF at = QPointF(m_shown) + QPointF(0.5, 0.5);
    drawTwoTone(painter, kLineWidth, [&] {
        painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
        if (m_shown.y() >= 0)
            painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
    });
}

bool ScanAid::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &m_window && !m_window.isAncestorOf(widget)))
        return false;
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    const bool repeated = key && static_cast<const QKeyEvent*>(event)->isAutoRepeat();
    if (type == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (!repeated) {
            m_paused = !m_paused;
            m_shown = {-1, -1};
            update();
        }
        return true;
    }
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::MouseButtonRelease;
    if (m_paused || !(mouse || (key && isSwitchKey(event))))
        return false;
    if (repeated)
        return true;
    if (type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease)
        switchUp();
    else
        switchDown();
    return true;
}

void ScanAid::switchDown()
{
    if (m_planting)
        return;
    m_planting = m_scan.press(m_clock.nowMs());
    showLines();
    if (m_planting)
        m_pic.pressAt(*m_planting);
}

void ScanAid::switchUp()
{
    if (const std::optional<QPoint> at = std::exchange(m_planting, std::nullopt))
        m_pic.releaseAt(*at);
}

DwellAid::DwellAid(PicBox& pic, const AidClock& clock, std::int64_t restMs)
    : m_pic(pic)
    , m_clock(clock)
    , m_dwell(restMs)
{
    overCanvas(*this, pic);
    pic.setMouseTracking(true);
    pic.installEventFilter(this);
    connect(&m_timer, &QTimer::timeout, this, &DwellAid::tick);
    m_timer.start(kTickMs);
}

QRect DwellAid::ringArea(QPoint at) const
{
    const int reach = kRingRadius + kLineWidth;
    return QRect(at - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
}

void DwellAid::tick()
{
    const std::int64_t now = m_clock.nowMs();
    if (const std::optional<QPoint> at = m_dwell.due(now)) {
        m_pic.pressAt(*at);
        m_pic.releaseAt(*at);
    }
    const std::optional<Dwell::Rest> rest = m_dwell.rest(now);
    if (m_shown)
        update(ringArea(*m_shown));
    m_shown = rest ? std::optional(rest->at) : std::nullopt;
    if (m_shown)
        update(ringArea(*m_shown));
}

void DwellAid::paintEvent(QPaintEvent*)
{
    const std::optional<Dwell::Rest> rest = m_dwell.rest(m_clock.nowMs());
    if (!rest)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(QPointF(rest->at) - QPointF(kRingRadius, kRingRadius) + QPointF(0.5, 0.5),
                      QSizeF(2 * kRingRadius, 2 * kRingRadius));
    // The ring closes clockwise from the top as the rest goes on.
    drawTwoTone(painter, kLineWidth, [&] { painter.drawArc(ring, 90 * 16, -int(rest->passed * 360 * 16)); });
}

bool DwellAid::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        m_dwell.left();
        return false;
    }
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonPress)
        return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!m_pic.contentsRect().contains(at))
        m_dwell.left();
    else if (event->type() == QEvent::MouseButtonPress)
        m_dwell.planted(at - m_pic.contentsRect().topLeft());
    else
        m_dwell.moved(at - m_pic.contentsRect().topLeft(), m_clock.nowMs());
    return false;
}

} // namespace qimbora
