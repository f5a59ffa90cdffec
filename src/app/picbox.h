#pragma once

#include "paint/context.h"
#include "surface/canvas.h"

#include <QFrame>
#include <QSet>

class QTouchEvent;

namespace qimbora {

// The canvas control: a sunken frame around the canvas's persistent image; the
// frame takes the highlight colour while the canvas has the keyboard focus.
// Presses inside the frame, and the releases that end them, are reported in
// image pixels; a quick second press (a double click) is reported as a press
// like any other. Each finger on a touch screen is a left button of its own.
class PicBox : public QFrame {
    Q_OBJECT

public:
    PicBox(QSize drawingArea, Color background, const QtFontService* fonts, QWidget* parent);

    Canvas& canvas() { return m_canvas; }
    const Canvas& canvas() const { return m_canvas; }

signals:
    void mouseDown(Qt::MouseButton button, float x, float y);
    void mouseUp(Qt::MouseButton button, float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The focus is shown on the frame alone, so only the frame is repainted.
    void focusInEvent(QFocusEvent*) override { updateFrame(); }
    void focusOutEvent(QFocusEvent*) override { updateFrame(); }

private:
    void updateFrame();
    QPointF toCanvas(const QPointF& widgetPosition) const;
    // Reports a press or release of a known button in canvas pixels.
    void forward(QMouseEvent* event, void (PicBox::*signal)(Qt::MouseButton, float, float));
    void touch(QTouchEvent* event);

    Canvas m_canvas;
    Qt::MouseButtons m_pressedInside;
    QSet<int> m_touchesInside; // the fingers that went down inside the frame
};

} // namespace qimbora
