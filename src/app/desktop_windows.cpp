// What the X11 and GNOME desktops need and Windows has not: no roll-up into the
// title bar to undo, and the screen's size comes from the toolkit.
#include "app/gnome_display.h"
#include "app/x11_shade.h"

namespace qimbora {

void keepUnshaded(QWidget&) {}

std::optional<QSize> gnomePrimaryScreenPixels() { return std::nullopt; }

} // namespace qimbora
