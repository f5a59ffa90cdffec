#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>

namespace qimbora {

// A scroll bar that moves by its single step for each arrow or trough click and
// follows its dragged thumb; no button, style or menu ("Scroll here") makes it
// jump to the pointer. It is ringed in the highlight colour while it has the focus.
class StepScrollBar final : public QScrollBar {
    Q_OBJECT

public:
    explicit StepScrollBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An editable combo box that the mouse wheel changes only while it has the
// keyboard focus, so a wheel turned over the window changes no number.
class NumberBox final : public QComboBox {
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// A push button that Enter activates as Space does while it has the focus.
QPushButton* makeButton(QWidget* parent);

// A button painted flat in its palette's button colour (the desktop style
// would paint a gradient over it), darker while pressed, with a white ring
// while focused; Enter activates it as Space does.
class ColoredButton final : public QPushButton {
    Q_OBJECT

public:
    ColoredButton(const QColor& color, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qimbora
