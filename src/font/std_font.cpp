#include "font/std_font.h"

#include "common/runtime_error.h"
#include "font/font_service.h"

#include <cmath>

namespace qimbora {

FixedPoint4 FixedPoint4::fromDouble(double value)
{
    const double scaled = std::nearbyint(value * double(kScale));
    if (!(scaled >= -9.2e18 && scaled <= 9.2e18))
        throw RuntimeError(ErrorKind::Overflow);
    return {static_cast<std::int64_t>(scaled)};
}

StdFontRef makeSongFont(double points)
{
    auto font = std::make_shared<StdFont>();
    font->Name = "宋体";
    font->Size = FixedPoint4::fromDouble(points);
    font->SetWeight(700);
    font->Charset = kGb2312Charset;
    return font;
}

} // namespace qimbora
