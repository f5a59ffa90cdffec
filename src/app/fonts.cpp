#include "fonts.h"

#include <QStringList>

namespace qimbora {

namespace {
QString songFace() { return QStringLiteral("宋体"); }
} // namespace

void installSongSubstitutes()
{
    QFont::insertSubstitutions(songFace(),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

QFont songFont(double points)
{
    QFont font(songFace());
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace qimbora
