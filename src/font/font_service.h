#pragma once

#include <cstdint>

namespace qimbora {

using FontHandle = std::uint32_t; // 0: none

// Character sets of the font record.
constexpr std::uint8_t kAnsiCharset = 0;
constexpr std::uint8_t kGb2312Charset = 134; // Simplified Chinese
constexpr std::uint8_t kOemCharset = 255;

// The platform's font record, narrow-character form, field for field.
struct LogFontRecord {
    std::int32_t lfHeight = 0; // < 0: character height in pixels
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0; // tenths of a degree, counter-clockwise
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {}; // UTF-8, NUL-terminated
};

// The font calls of the platform. A handle from CreateFontIndirectA belongs to
// its caller, who deletes it exactly once.
class FontService {
public:
    virtual ~FontService() = default;
    // The screen's pixels per logical inch, vertically, as it is now.
    virtual int pixelsPerInch() = 0;
    virtual FontHandle CreateFontIndirectA(const LogFontRecord& record) = 0; // 0 when none can be made
    virtual bool DeleteObject(FontHandle font) = 0;
};

} // namespace qimbora
