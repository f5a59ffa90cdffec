#pragma once

#include "font/font_service.h"
#include "font/std_font.h"

#include <QFont>

#include <unordered_map>

namespace qimbora {

// A font made from a record: the Qt font and the angle of its baseline in
// degrees, counter-clockwise.
struct RealizedFont {
    QFont font;
    double angleDegrees = 0.0;
};

// The font service on Qt. Each handle stands for a Qt font made from the
// record: the negative height is the character height in pixels, weight, italic, underline and strike-out as
// given, the face name mapped to an installed face,
// the escapement as the baseline angle. Width, orientation, precision, quality and pitch have no Qt
// counterpart and are not used (the canvas never anti-aliases text whatever the font asks). The resolution is
// the primary screen's, 96 without one.
class QtFontService final : public FontService {
public:
    int pixelsPerInch() override;
    FontHandle CreateFontIndirectA(const LogFontRecord& record) override;
    bool DeleteObject(FontHandle font) override;

    // Where a drawing surface looks up the font selected into it; null when unknown.
    const RealizedFont* find(FontHandle font) const;

    std::size_t liveFonts() const { return m_fonts.size(); }

private:
    std::unordered_map<FontHandle, RealizedFont> m_fonts;
    FontHandle m_nextFont = 0x100;
};

// Maps the interface's face "宋体", which Linux does not have, to the
// Song-style (Ming) faces that Debian packages; on Windows, loads the copy of
// the first of them installed beside the program (fonts/uming.ttc). Call
// before fonts are used.
void installSongSubstitutes();

// The description as a Qt font at its size in points.
QFont toQFont(const StdFont& font);

} // namespace qimbora
