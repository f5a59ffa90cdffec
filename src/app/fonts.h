#pragma once

#include <QFont>

namespace qimbora {

// The interface's face. Linux has no font of that name, so it is mapped once,
// before the first use, to the Song-style (Ming) faces that Debian packages.
void installSongSubstitutes();

// "宋体", bold (weight 700), at the given size in points.
QFont songFont(double points);

} // namespace qimbora
