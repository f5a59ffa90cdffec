#include "app/controls.h"

#include <QLineEdit>
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

QPushButton* makeColouredButton(QWidget* parent, const QColor& colour)
{
    auto* button = new QPushButton(parent);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; }"
                                         "QPushButton:pressed { background-color: %2; }"
                                         "QPushButton:focus { border: 2px solid white; }")
                              .arg(colour.name(), colour.darker(150).name()));
    return button;
}

} // namespace qimbora
