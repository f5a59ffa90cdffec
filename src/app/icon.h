#pragma once

#include <QIcon>
#include <QImage>

namespace qimbora {

// The toy's icon at size x size pixels: a red five-petal flower outlined in
// white on a blue square with curved corners, drawn on a 32 x 32 design.
QImage drawFlowerIcon(int size);

// The sizes the icon is installed at, from the build.
inline constexpr int kIconSizes[] = {QIMBORA_ICON_SIZES};

// The window's icon, the same drawing at those sizes.
QIcon flowerIcon();

} // namespace qimbora
