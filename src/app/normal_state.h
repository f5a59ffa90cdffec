#pragma once

class QWidget;

namespace qimbora {

// The window has one size and offers only its close box: a desktop's request
// to minimise, maximise, fill the screen with it or roll it up (a shortcut, or
// a button the desktop draws anyway) is undone at once, and the window stays
// as it was, drawing and all.
void keepWindowNormal(QWidget& window);

} // namespace qimbora
