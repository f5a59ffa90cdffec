#pragma once

class QWidget;

namespace qimbora {

// On X11, a window manager's request to roll the window up into its title
// bar (xfwm4 offers it as a button) is undone at once, as minimising is.
// Does nothing on other platforms.
void keepUnshaded(QWidget& window);

} // namespace qimbora
