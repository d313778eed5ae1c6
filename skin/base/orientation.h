#pragma once
// The orientation of progress and track bars.
#include <QObject>

namespace SkinOrientationEnums {
Q_NAMESPACE
enum TSkinProgressBarOrientation { skinHorizontal, skinVertical };
Q_ENUM_NS(TSkinProgressBarOrientation)
}  // namespace SkinOrientationEnums
using SkinOrientationEnums::skinHorizontal;
using SkinOrientationEnums::skinVertical;
using SkinOrientationEnums::TSkinProgressBarOrientation;
