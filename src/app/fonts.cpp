#include "fonts.h"

namespace qimbora {

QFont songFont(double points)
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace qimbora
