#include "app/picbox.h"

#include "app/layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>

#include <algorithm>
#include <utility>

namespace qimbora {

PicBox::PicBox(QSize drawingArea, Color background, const QtFontService* fonts, QWidget* parent)
    : QFrame(parent)
    , m_canvas(drawingArea, background, fonts)
    , m_cursor(drawingArea.width() / 2, drawingArea.height() / 2)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(layout::kPicFrameWidth);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    m_canvas.setChangeListener(
        [this](const QRect& changed) { update(changed.translated(contentsRect().topLeft())); });
}

bool PicBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        // Taken here, the touch is not reported a second time as a mouse.
        touch(static_cast<QTouchEvent*>(event));
        return true;
    case QEvent::TouchCancel:
        m_touchesInside.clear();
        return true;
    default:
        return QFrame::event(event);
    }
}

// Like the left button: a finger down inside paints, its lift numbers, in the
// order the fingers lift.
void PicBox::touch(QTouchEvent* event)
{
    event->accept();
    for (const QEventPoint& point : event->points()) {
        const QPointF at = toCanvas(point.position());
        if (point.state() == QEventPoint::Pressed && contentsRect().contains(point.position().toPoint())) {
            m_touchesInside.insert(point.id());
            setFocus(Qt::MouseFocusReason);
            moveCursor(at.toPoint());
            emit mouseDown(Qt::LeftButton, float(at.x()), float(at.y()));
        } else if (point.state() == QEventPoint::Released && m_touchesInside.remove(point.id())) {
            emit mouseUp(Qt::LeftButton, float(at.x()), float(at.y()));
        }
    }
}

void PicBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // On a high-density screen each image pixel becomes a sharp block, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & contentsRect();
    painter.drawImage(area, m_canvas.image(), area.translated(-contentsRect().topLeft()));
    if (!hasFocus())
        return;
    // A ring with a cross, dark under light, stands out on any canvas colour.
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF at = QPointF(contentsRect().topLeft() + m_cursor) + QPointF(0.5, 0.5);
    for (const auto& [color, width] :
         {std::pair(QColor(Qt::black), 5.0), std::pair(QColor(Qt::white), 2.0)}) {
        painter.setPen(QPen(color, width));
        painter.drawEllipse(at, kCursorReach * 2 / 3.0, kCursorReach * 2 / 3.0);
        painter.drawLine(at - QPointF(kCursorReach, 0), at + QPointF(kCursorReach, 0));
        painter.drawLine(at - QPointF(0, kCursorReach), at + QPointF(0, kCursorReach));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRegion(QRegion(rect()).subtracted(contentsRect()));
    painter.fillRect(rect(), palette().highlight());
}

void PicBox::updateFrame() { update(QRegion(rect()).subtracted(contentsRect()) + cursorArea()); }

QRect PicBox::cursorArea() const
{
    const int reach = kCursorReach + 4;
    return QRect(contentsRect().topLeft() + m_cursor - QPoint(reach, reach),
                 QSize(2 * reach + 1, 2 * reach + 1));
}

void PicBox::moveCursor(QPoint to)
{
    const QSize area = m_canvas.image().size();
    to = QPoint(std::clamp(to.x(), 0, area.width() - 1), std::clamp(to.y(), 0, area.height() - 1));
    if (to == m_cursor)
        return;
    update(cursorArea());
    m_cursor = to;
    update(cursorArea());
}

void PicBox::focusInEvent(QFocusEvent*) { updateFrame(); }

void PicBox::focusOutEvent(QFocusEvent*)
{
    updateFrame();
    // A key held down as the focus leaves is let go here: its release goes elsewhere.
    if (std::exchange(m_heldKey, 0) != 0)
        releaseAt(m_cursor);
}

void PicBox::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? kLargeStep : kSmallStep;
    switch (event->key()) {
    case Qt::Key_Left:
        return moveCursor(m_cursor - QPoint(step, 0));
    case Qt::Key_Right:
        return moveCursor(m_cursor + QPoint(step, 0));
    case Qt::Key_Up:
        return moveCursor(m_cursor - QPoint(0, step));
    case Qt::Key_Down:
        return moveCursor(m_cursor + QPoint(0, step));
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Holding the key down repeats nothing.
        if (event->isAutoRepeat() || m_heldKey != 0)
            return;
        m_heldKey = event->key();
        pressAt(m_cursor);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void PicBox::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || event->key() != m_heldKey) {
        QFrame::keyReleaseEvent(event);
        return;
    }
    m_heldKey = 0;
    releaseAt(m_cursor);
}

QPointF PicBox::toCanvas(const QPointF& widgetPosition) const
{
    return widgetPosition - QPointF(contentsRect().topLeft());
}

void PicBox::forward(QMouseEvent* event, void (PicBox::*signal)(Qt::MouseButton, float, float))
{
    // The back and forward buttons are not the canvas's.
    if (!(event->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)))
        return;
    const QPointF at = toCanvas(event->position());
    emit(this->*signal)(event->button(), float(at.x()), float(at.y()));
}

void PicBox::mousePressEvent(QMouseEvent* event)
{
    // The sunken frame is not the drawing area: a press there is no canvas press,
    // and its release counts nothing.
    if (!contentsRect().contains(event->position().toPoint()))
        return;
    m_pressedInside |= event->button();
    moveCursor(toCanvas(event->position()).toPoint());
    forward(event, &PicBox::mouseDown);
}

void PicBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void PicBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A press inside counts on its release wherever the pointer went since.
    if (!m_pressedInside.testFlag(event->button()))
        return;
    m_pressedInside &= ~event->button();
    forward(event, &PicBox::mouseUp);
}

} // namespace qimbora
