#pragma once

#include <QIcon>

namespace qimbora {

// The window's icon, 32 x 32: a red five-petal flower outlined in white on a
// blue square with curved corners.
QIcon flowerIcon();

} // namespace qimbora
