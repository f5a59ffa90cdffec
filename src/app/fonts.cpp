#include "app/fonts.h"

#include "app/layout.h"
#include "font/qt_font_service.h"

namespace qimbora {

QFont songFont(double points) { return toQFont(*makeSongFont(points)); }

StdFontRef canvasFont() { return makeSongFont(layout::kPicFontPoints); }

} // namespace qimbora
