#pragma once

#include <QFont>

namespace qimbora {

// "宋体", bold (weight 700), at the given size in points.
QFont songFont(double points);

} // namespace qimbora
