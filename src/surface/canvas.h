#pragma once

#include "common/color.h"
#include "font/font_service.h"
#include "font/std_font.h"
#include "surface/text.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace qimbora {

class QtFontService;

// Stands for the canvas's own font among the handles selected into it.
constexpr FontHandle kCanvasOwnFont = 0xFFFFFFFFu;

enum class FillStyle : std::int16_t {
    Solid = 0,
    Transparent = 1,
};

// The drawing surface: the persistent image of the canvas's drawing area with
// its pen, fill and background state. Positions are pixels, origin top-left.
// Everything drawn stays in the image until the background colour is set.
// After each operation the change listener hears the rectangle that changed,
// so a view repaints only that.
class Canvas {
public:
    using ChangeListener = std::function<void(const QRect&)>;

    // Fonts selected by handle are looked up in `fonts`, which outlives the canvas.
    Canvas(QSize size, Color background, const QtFontService* fonts = nullptr);

    void setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

    const QImage& image() const { return m_image; }
    float scaleWidth() const { return float(m_image.width()); }
    float scaleHeight() const { return float(m_image.height()); }

    // Erases the whole image to the colour.
    void setBackColor(Color color);

    void setForeColor(Color color) { m_foreColor = color; }
    void setDrawWidth(std::int16_t width) { m_drawWidth = width; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    void setFillColor(Color color) { m_fillColor = color; }

    // A cubic Bezier from points[0] to points[3] with control points points[1]
    // and points[2], in the pen (foreColor, drawWidth), not filled.
    void polyBezier(const std::array<QPoint, 4>& points);

    // Fills, with a solid fill style, the 4-connected area around (x, y) up to
    // pixels of exactly `border` or the image edge in fillColor.
    void floodFill(int x, int y, Color border);

    // A full circle: outline in the pen, inside in fillColor with a solid fill style.
    void circle(int x, int y, int radius);

    // The canvas's own font, used when no other is selected.
    StdFontRef font() const { return m_font; }
    void setFont(StdFontRef font) { m_font = std::move(font); }

    // Makes the font the one that print uses and returns the one selected before
    // (kCanvasOwnFont at first). Handle 0, or one the font table does not know,
    // changes nothing and returns 0.
    FontHandle selectObject(FontHandle font);

    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // Writes a blank (the sign's place, '-' when negative), the digits and a
    // blank, with the top-left corner at (currentX, currentY), in the selected
    // font along its baseline angle, in foreColor, without background.
    void print(std::int16_t value);

private:
    void changed(const QRect& rect);
    raster::TextFont& textFont(const QFont& font);

    QImage m_image;
    Color m_foreColor = 0;
    std::int16_t m_drawWidth = 1;
    FillStyle m_fillStyle = FillStyle::Transparent;
    Color m_fillColor = 0;
    float m_currentX = 0.0f;
    float m_currentY = 0.0f;
    const QtFontService* m_fonts;
    StdFontRef m_font;
    FontHandle m_selectedFont = kCanvasOwnFont;
    std::optional<raster::TextFont> m_textFont; // the font print used last
    ChangeListener m_listener;
};

} // namespace qimbora
