#include "surface/canvas.h"

#include "font/qt_font_service.h"
#include "surface/floodfill.h"
#include "surface/raster.h"

#include <cstdlib>
#include <utility>

namespace qimbora {

Canvas::Canvas(QSize size, Color background, const QtFontService* fonts)
    : m_image(size, QImage::Format_RGB32)
    , m_fonts(fonts)
    , m_font(std::make_shared<StdFont>())
{
    // Saved bitmaps say 96 dots per inch, whatever the screen.
    constexpr int kDotsPerMetre = 3780;
    m_image.setDotsPerMeterX(kDotsPerMetre);
    m_image.setDotsPerMeterY(kDotsPerMetre);
    m_image.fill(toPixel(background));
}

void Canvas::setBackColor(Color color)
{
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

FontHandle Canvas::selectObject(FontHandle font)
{
    const bool known = font == kCanvasOwnFont || (m_fonts && m_fonts->find(font));
    if (font == 0 || !known)
        return 0;
    return std::exchange(m_selectedFont, font);
}

void Canvas::print(std::int16_t value)
{
    const QString text
        = QLatin1Char(value < 0 ? '-' : ' ') + QString::number(std::abs(int(value))) + QLatin1Char(' ');
    // A selected font that has gone since prints in the canvas's own font, like none.
    const RealizedFont* selected
        = m_fonts && m_selectedFont != kCanvasOwnFont ? m_fonts->find(m_selectedFont) : nullptr;
    const RealizedFont font = selected ? *selected : RealizedFont{toQFont(*m_font), 0.0};
    changed(raster::drawText(m_image, QPointF(m_currentX, m_currentY), text, textFont(font.font),
                             font.angleDegrees, toPixel(m_foreColor)));
}

raster::TextFont& Canvas::textFont(const QFont& font)
{
    if (!m_textFont || m_textFont->font() != font)
        m_textFont.emplace(font, m_image);
    return *m_textFont;
}

void Canvas::changed(const QRect& rect)
{
    if (!rect.isEmpty() && m_listener)
        m_listener(rect);
}

} // namespace qimbora
