#include "font/qt_font_service.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qimbora {

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kDefaultPixelHeight = 16;

// What a font record and a font description both say besides the size.
struct FontStyle {
    int weight; // 0 or less: the face's own
    bool italic;
    bool underline;
    bool strikeOut;
};

const QString kSong = QStringLiteral("宋体");
const QString kBundledSong = QStringLiteral("AR PL UMing CN");

// Windows has a "宋体" of its own, whose letters differ from the font the
// pictures are drawn in on Linux; there the bundled copy of that font stands in.
QString installedFace(const QString& face)
{
#ifdef Q_OS_WIN
    if (face == kSong)
        return kBundledSong;
#endif
    return face;
}

// The face in the style; the caller sets the size, in pixels or in points.
QFont styledFont(const QString& face, const FontStyle& style)
{
    QFont font(installedFace(face));
    if (style.weight > 0)
        font.setWeight(QFont::Weight(std::clamp(style.weight, 1, 1000)));
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    return font;
}

} // namespace

int QtFontService::pixelsPerInch()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : kDefaultDpi;
}

FontHandle QtFontService::CreateFontIndirectA(const LogFontRecord& record)
{
    QFont font = styledFont(
        QString::fromUtf8(record.lfFaceName, qsizetype(strnlen(record.lfFaceName, sizeof record.lfFaceName))),
        {record.lfWeight, record.lfItalic != 0, record.lfUnderline != 0, record.lfStrikeOut != 0});
    // The record asks for a character height, as a negative number of pixels.
    font.setPixelSize(record.lfHeight == 0 ? kDefaultPixelHeight
                                           : int(std::abs(std::int64_t(record.lfHeight))));

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
#ifdef Q_OS_WIN
    static const QString bundled
        = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/uming.ttc");
    static const int loaded [[maybe_unused]] = QFontDatabase::addApplicationFont(bundled);
#endif
    QFont::insertSubstitutions(kSong,
                               {kBundledSong, QStringLiteral("AR PL SungtiL GB"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

QFont toQFont(const StdFont& description)
{
    QFont font = styledFont(
        QString::fromStdString(description.Name),
        {description.Weight(), description.Italic, description.Underline, description.Strikethrough});
    font.setPointSizeF(std::max(description.Size.toDouble(), 0.1));
    return font;
}

} // namespace qimbora
