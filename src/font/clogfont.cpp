#include "font/clogfont.h"

#include "common/convert.h"
#include "common/runtime_error.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qimbora {

namespace {

constexpr std::uint8_t kOutTrueTypeOnly = 7;
constexpr std::uint8_t kProofQuality = 2;

std::uint8_t flag(bool on) { return on ? 255 : 0; }

std::int32_t characterHeight(FixedPoint4 size, int pixelsPerInch)
{
    // The product is exact in the fixed-point type; only the division is in double.
    std::int64_t product = 0;
    if (__builtin_mul_overflow(size.scaled, std::int64_t(pixelsPerInch), &product)
        || product == std::numeric_limits<std::int64_t>::min())
        throw RuntimeError(ErrorKind::Overflow);
    const FixedPoint4 negated{-product};
    return toInt32(negated.toDouble() / 72.0);
}

std::uint8_t charsetByte(std::int16_t charset)
{
    if (charset < 0 || charset > 255)
        throw RuntimeError(ErrorKind::Overflow);
    return std::uint8_t(charset);
}

// The face name cut on a whole UTF-8 character so that the NUL always fits,
// then blanks to the end of the field.
void fillFaceName(char (&field)[32], const std::string& name)
{
    std::size_t length = std::min(name.size(), sizeof field - 1);
    while (length > 0 && length < name.size() && (std::uint8_t(name[length]) & 0xC0) == 0x80)
        --length; // name[length] continues a character: cut before the character starts
    std::memset(field, ' ', sizeof field);
    std::memcpy(field, name.data(), length);
    field[length] = '\0';
}

} // namespace

CLogFont::CLogFont(FontService& service)
    : m_service(service)
{
}

CLogFont::~CLogFont() { DeleteHandle(); }

void CLogFont::SetLogFont(StdFontRef newFont)
{
    const StdFontRef held = std::move(newFont); // may be our own copy
    DeleteHandle();
    if (!held) {
        m_font.reset();
        return;
    }
    m_font = std::make_shared<StdFont>();
    m_font->SetBold(held->Bold());
    m_font->Charset = held->Charset;
    m_font->Italic = held->Italic;
    m_font->Name = held->Name;
    m_font->Size = held->Size;
    m_font->Strikethrough = held->Strikethrough;
    m_font->Underline = held->Underline;
    m_font->SetWeight(held->Weight()); // after Bold, so the source's weight wins
    m_handle = MakeFontHandle();
}

void CLogFont::SetRotation(float newVal)
{
    if (!(newVal < m_rotation) && !(newVal > m_rotation))
        return;
    m_rotation = newVal;
    DeleteHandle();
    if (m_font)
        m_handle = MakeFontHandle();
}

LogFontRecord CLogFont::Record(int pixelsPerInch) const
{
    LogFontRecord r;
    r.lfHeight = characterHeight(m_font->Size, pixelsPerInch);
    r.lfWidth = 0;
    r.lfEscapement = toInt32(double(m_rotation) * 10);
    r.lfOrientation = r.lfEscapement;
    r.lfWeight = m_font->Weight();
    r.lfItalic = flag(m_font->Italic);
    r.lfUnderline = flag(m_font->Underline);
    r.lfStrikeOut = flag(m_font->Strikethrough);
    r.lfClipPrecision = 0;
    r.lfQuality = kProofQuality;
    r.lfPitchAndFamily = 0;
    const std::uint8_t charset = charsetByte(m_font->Charset);
    fillFaceName(r.lfFaceName, m_font->Name);
    // Turned is judged on whole degrees while the escapement keeps tenths.
    const bool turned = toInt32(m_rotation) % 360 != 0;
    r.lfCharSet = (charset == kOemCharset && turned) ? kAnsiCharset : charset;
    r.lfOutPrecision = turned ? kOutTrueTypeOnly : 0;
    return r;
}

FontHandle CLogFont::MakeFontHandle()
{
    return m_service.CreateFontIndirectA(Record(m_service.pixelsPerInch()));
}

void CLogFont::DeleteHandle()
{
    if (m_handle == 0)
        return;
    m_service.DeleteObject(m_handle);
    m_handle = 0;
}

} // namespace qimbora
