#pragma once
// The look of a skinned component: FromThemeFile or one of the five built-in looks.
#include <QObject>
#include <cstdint>

namespace SkinEnums {
Q_NAMESPACE
enum class TSkinUIStyle : std::uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5,
};
Q_ENUM_NS(TSkinUIStyle)
}  // namespace SkinEnums
using SkinEnums::TSkinUIStyle;
