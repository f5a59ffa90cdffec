#include "app/icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qimbora {

QImage drawFlowerIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 80, 200));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);

    QPainterPath flower;
    flower.setFillRule(Qt::WindingFill);
    for (int petal = 0; petal < 5; ++petal) {
        QPainterPath ellipse;
        ellipse.addEllipse(QPointF(0, -7.5), 4.5, 7.5);
        flower.addPath(QTransform().translate(16, 16).rotate(72.0 * petal).map(ellipse));
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(220, 20, 30));
    painter.drawPath(flower.simplified());
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    return image;
}

QIcon flowerIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(QPixmap::fromImage(drawFlowerIcon(size)));
    return icon;
}

} // namespace qimbora
