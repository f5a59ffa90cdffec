#include "app/picbox.h"

#include "app/layout.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>

namespace qimbora {

PicBox::PicBox(QSize drawingArea, Color background, const QtFontService* fonts, QWidget* parent)
    : QFrame(parent)
    , m_canvas(drawingArea, background, fonts)
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
    if (hasFocus()) {
        painter.setClipRegion(QRegion(rect()).subtracted(contentsRect()));
        painter.fillRect(rect(), palette().highlight());
    }
}

void PicBox::updateFrame() { update(QRegion(rect()).subtracted(contentsRect())); }

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
