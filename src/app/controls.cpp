#include "app/controls.h"

#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QWheelEvent>

namespace qimbora {

namespace {

// The window's style, without clicks that set the position absolutely.
class NoJumpStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ScrollBar_MiddleClickAbsolutePosition
            || hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

StepScrollBar::StepScrollBar(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    auto* style = new NoJumpStyle;
    style->setParent(this);
    setStyle(style);
}

void StepScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The style draws no focus on a scroll bar: a ring in the highlight colour, as the canvas's.
    QPainter painter(this);
    painter.setPen(QPen(palette().highlight().color(), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

NumberBox::NumberBox(QWidget* parent)
    : QComboBox(parent)
{
    // The wheel alone gives no focus.
    setFocusPolicy(Qt::StrongFocus);
}

void NumberBox::wheelEvent(QWheelEvent* event)
{
    const bool typingHere = hasFocus() || (lineEdit() && lineEdit()->hasFocus());
    if (!typingHere) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

QPushButton* makeButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // Outside a dialog only an auto-default button takes Enter; the window has no default button.
    button->setAutoDefault(true);
    return button;
}

ColoredButton::ColoredButton(const QColor& color, QWidget* parent)
    : QPushButton(parent)
{
    setAutoDefault(true);
    QPalette colored = palette();
    colored.setColor(QPalette::Button, color);
    setPalette(colored);
}

void ColoredButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor back = palette().button().color();
    painter.fillRect(rect(), isDown() ? back.darker(150) : back);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(back.darker(150));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setPen(palette().buttonText().color());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace qimbora
