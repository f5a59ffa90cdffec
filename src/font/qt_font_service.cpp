#include "font/qt_font_service.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qimbora {

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kDefaultPixelHeight = 16;

} // namespace

int QtFontService::pixelsPerInch()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : kDefaultDpi;
}

FontHandle QtFontService::CreateFontIndirectA(const LogFontRecord& record)
{
    QFont font(QString::fromUtf8(record.lfFaceName,
                                 qsizetype(strnlen(record.lfFaceName, sizeof record.lfFaceName))));
    // The record asks for a character height, as a negative number of pixels.
    font.setPixelSize(record.lfHeight == 0 ? kDefaultPixelHeight
                                           : int(std::abs(std::int64_t(record.lfHeight))));
    if (record.lfWeight > 0)
        font.setWeight(QFont::Weight(std::clamp(record.lfWeight, 1, 1000)));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);

    while (m_nextFont == 0 || m_fonts.count(m_nextFont))
        ++m_nextFont;
    const FontHandle handle = m_nextFont++;
    m_fonts.emplace(handle, RealizedFont{font, record.lfEscapement / 10.0});
    return handle;
}

bool QtFontService::DeleteObject(FontHandle font) { return m_fonts.erase(font) == 1; }

const RealizedFont* QtFontService::find(FontHandle font) const
{
    const auto it = m_fonts.find(font);
    return it == m_fonts.end() ? nullptr : &it->second;
}

void installSongSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

QFont toQFont(const StdFont& description)
{
    QFont font(QString::fromStdString(description.Name));
    font.setPointSizeF(std::max(description.Size.toDouble(), 0.1));
    if (description.Weight() > 0)
        font.setWeight(QFont::Weight(std::clamp<int>(description.Weight(), 1, 1000)));
    font.setItalic(description.Italic);
    font.setUnderline(description.Underline);
    font.setStrikeOut(description.Strikethrough);
    return font;
}

} // namespace qimbora
