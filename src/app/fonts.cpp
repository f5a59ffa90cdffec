#include "app/fonts.h"

#include "app/layout.h"

namespace qimbora {

QFont songFont(double points)
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    return font;
}

StdFontRef canvasFont()
{
    auto font = std::make_shared<StdFont>();
    font->Name = "宋体";
    font->Size = Currency::fromDouble(layout::kPicFontPoints);
    font->setWeight(700);
    font->Charset = 134;
    return font;
}

} // namespace qimbora
