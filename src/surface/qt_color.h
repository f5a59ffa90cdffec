#pragma once

#include "common/color.h"

#include <QColor>

namespace qimbora {

// The program's packed colour and Qt's, both ways.
inline QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Color fromQColor(const QColor& c) { return rgbColor(c.red(), c.green(), c.blue()); }

} // namespace qimbora
