#include "canvas.h"

#include "floodfill.h"
#include "raster.h"

namespace qimbora {

Canvas::Canvas(QSize size, Color background)
    : m_image(size, QImage::Format_RGB32)
    , m_backColor(background)
{
    m_image.fill(toPixel(background));
}

void Canvas::setBackColor(Color color)
{
    m_backColor = color;
    m_image.fill(toPixel(color));
    changed(m_image.rect());
}

void Canvas::polyBezier(const std::array<QPoint, 4>& points)
{
    changed(raster::drawBezier(m_image, points, {m_drawWidth, toPixel(m_foreColor)}));
}

void Canvas::floodFill(int x, int y, Color border)
{
    if (m_fillStyle != FillStyle::Solid)
        return;
    changed(raster::floodFill(m_image, QPoint(x, y), toPixel(border), toPixel(m_fillColor)));
}

void Canvas::circle(int x, int y, int radius)
{
    std::optional<std::uint32_t> fill;
    if (m_fillStyle == FillStyle::Solid)
        fill = toPixel(m_fillColor);
    changed(raster::drawCircle(m_image, QPoint(x, y), radius, {m_drawWidth, toPixel(m_foreColor)}, fill));
}

void Canvas::changed(const QRect& rect)
{
    if (!rect.isEmpty() && m_listener)
        m_listener(rect);
}

} // namespace qimbora
