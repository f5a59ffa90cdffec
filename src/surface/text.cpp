#include "surface/text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

namespace qimbora::raster {

QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, double angleDegrees,
               std::uint32_t pixel)
{
    QFont aliased = font;
    aliased.setStyleStrategy(QFont::NoAntialias);
    // Qt drops hinting on a high-density screen, which moves glyphs by a pixel:
    // a fixed choice paints the same number whatever the screen and its settings.
    aliased.setHintingPreference(QFont::PreferVerticalHinting);
    const QFontMetricsF metrics(aliased, &image);
    QTransform turn;
    turn.translate(topLeft.x(), topLeft.y());
    turn.rotate(-angleDegrees); // y grows downwards: a negative turn is counter-clockwise on screen

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(aliased);
    painter.setPen(QColor::fromRgb(pixel));
    painter.setTransform(turn);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.end();

    const QRectF cell(0, 0, metrics.horizontalAdvance(text), metrics.height());
    const QRectF ink = metrics.boundingRect(text).translated(0, metrics.ascent());
    return turn.mapRect(cell.united(ink)).toAlignedRect().adjusted(-2, -2, 2, 2) & image.rect();
}

} // namespace qimbora::raster
