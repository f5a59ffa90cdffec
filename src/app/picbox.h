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
// While the canvas has the focus a keyboard cursor shows over it: the arrow
// keys move it, and Space or Enter going down and up is a left button's press
// and release there. A press of the mouse or a finger moves it to that point.
class PicBox : public QFrame {
    Q_OBJECT

public:
    PicBox(QSize drawingArea, Color background, const QtFontService* fonts, QWidget* parent);

    Canvas& canvas() { return m_canvas; }
    const Canvas& canvas() const { return m_canvas; }
    QPoint keyboardCursor() const { return m_cursor; }
    // A left button's press and release at a canvas point, for the ways of
    // planting that point without a mouse.
    void pressAt(QPoint at) { emit mouseDown(Qt::LeftButton, float(at.x()), float(at.y())); }
    void releaseAt(QPoint at) { emit mouseUp(Qt::LeftButton, float(at.x()), float(at.y())); }

    // The keyboard cursor's half-width, in canvas pixels; the arrows' steps.
    static constexpr int kCursorReach = 24;
    static constexpr int kSmallStep = 5;
    static constexpr int kLargeStep = 40;

signals:
    void mouseDown(Qt::MouseButton button, float x, float y);
    void mouseUp(Qt::MouseButton button, float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The focus shows on the frame and the keyboard cursor alone, so only they are repainted.
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void updateFrame();
    QRect cursorArea() const;
    void moveCursor(QPoint to);
    QPointF toCanvas(const QPointF& widgetPosition) const;
    // Reports a press or release of a known button in canvas pixels.
    void forward(QMouseEvent* event, void (PicBox::*signal)(Qt::MouseButton, float, float));
    void touch(QTouchEvent* event);

    Canvas m_canvas;
    QPoint m_cursor;
    int m_heldKey = 0; // the Space or Enter key held down on the canvas, if any
    Qt::MouseButtons m_pressedInside;
    QSet<int> m_touchesInside; // the fingers that went down inside the frame
};

} // namespace qimbora
