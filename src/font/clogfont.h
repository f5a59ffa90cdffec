#pragma once

#include "font/font_service.h"
#include "font/std_font.h"

namespace qimbora {

// Turns a font description and an angle into a font handle whose text runs
// along the turned baseline. Keeps its own copy of the description and
// rebuilds the handle only when the description or the angle changes through
// its own operations; owns the handle and deletes it when it is replaced and
// when the object goes. A handle read through Handle() stays valid until the
// next SetLogFont, the next SetRotation to another value, or destruction.
class CLogFont {
public:
    explicit CLogFont(FontService& service);
    ~CLogFont();
    CLogFont(const CLogFont&) = delete;
    CLogFont& operator=(const CLogFont&) = delete;

    // Copies the description (none clears it); builds a new handle.
    void SetLogFont(StdFontRef newFont);
    // The stored copy itself: changing it changes the look only at the next rebuild.
    StdFontRef LogFont() const { return m_font; }

    // Degrees, counter-clockwise. Setting the value already held does nothing;
    // not-a-number counts as equal to anything.
    void SetRotation(float newVal);
    float Rotation() const { return m_rotation; }

    FontHandle Handle() const { return m_handle; }

    // The record a build hands to the font service, at the given resolution.
    LogFontRecord Record(int pixelsPerInch) const;

private:
    void DeleteHandle();
    FontHandle MakeFontHandle();

    FontService& m_service;
    StdFontRef m_font;
    FontHandle m_handle = 0;
    float m_rotation = 0.0f;
};

} // namespace qimbora
