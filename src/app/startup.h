#pragma once

class QApplication;
class QWidget;

namespace qimbora {

// Qt's own texts (dialog buttons, questions) in Simplified Chinese, whatever
// the system's language. False when the translations are not installed.
bool installChineseTranslations(QApplication& app);

// Whether the window, at a fractional desktop scale, would not fit the screen
// when shown, so that the program should start again at the whole scale below.
// A scale the user set (QT_SCALE_FACTOR) or a rounding already chosen is kept.
bool tooLargeAtThisScale(const QWidget& window);

// Starts the program again, in place, rounding fractional scales down. Returns
// only when it cannot, and the program goes on as it is.
void restartAtWholeScale(char* const argv[]);

// Before the application exists: in a program started again by
// restartAtWholeScale, rounds fractional scales down.
void roundScaleIfRestarted();

// Moves the shown window so that it lies on the screen's free area, its bottom
// strip (the petal count, pattern, 重 画 and 保 存) visible above all.
void keepOnScreen(QWidget& window);

} // namespace qimbora
