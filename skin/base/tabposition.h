#pragma once
// Which edge of a tabbed container carries its tab strip.
#include <QObject>

namespace SkinTabPositionEnums {
Q_NAMESPACE
enum TSkinTabPosition { skinTop, skinBottom };
Q_ENUM_NS(TSkinTabPosition)
}  // namespace SkinTabPositionEnums
using SkinTabPositionEnums::skinBottom;
using SkinTabPositionEnums::skinTop;
using SkinTabPositionEnums::TSkinTabPosition;
