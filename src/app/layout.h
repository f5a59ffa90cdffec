#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

// The window's stored layout in pixels at 96 dots per inch (15 twips each).
// Positions are relative to the window's client area, Label1's to the inside
// of the canvas's frame.
namespace qimbora::layout {

inline constexpr char kTitle[] = "Qimbora1.0"; // the form's caption, whatever the version

constexpr QSize kClientSize(1125, 756);

constexpr QRect kPic(0, 0, 1126, 697);
constexpr int kPicFrameWidth = 2; // sunken frame: a drawing area of 1122 x 693
constexpr QRect kLabel1(784, 4, 333, 41);
constexpr QRect kCommand1[2] = {QRect(0, 640, 74, 27), QRect(80, 640, 74, 27)};
constexpr QRect kHScroll1(328, 632, 161, 21);
constexpr QRect kLabel2(4, 708, 77, 25);
constexpr QRect kCombo1(76, 704, 65, 24);
constexpr QRect kLabel3(144, 708, 53, 21);
constexpr QRect kCombo2(180, 704, 65, 24);
constexpr QRect kLabel4(328, 708, 153, 17);
constexpr QRect kCommand2(684, 704, 91, 27);
constexpr QRect kCommand3(812, 704, 93, 27);
constexpr QRect kLabel5(972, 708, 149, 41);

inline const QColor kWindowBack(63, 103, 29);  // dark olive green
inline const QColor kPicBack(0, 0, 64);        // very dark blue
inline const QColor kCaptionText(251, 158, 4); // orange
inline const QColor kComboText(255, 0, 0);
inline const QColor kComboBack(192, 255, 192); // light green
inline const QColor kButtonBack(177, 48, 129); // purple
inline const QColor kNoticeText(0, 0, 128);    // navy

// The boxes' starting texts, also the examples their error messages give.
inline constexpr char kCombo1Text[] = "22";
inline constexpr char kCombo2Text[] = "6";

constexpr double kPicFontPoints = 15.75;
constexpr double kLabel1FontPoints = 21.75;
constexpr double kControlFontPoints = 12;

} // namespace qimbora::layout
