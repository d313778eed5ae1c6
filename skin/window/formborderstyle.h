#pragma once
// How a window's frame behaves: sizeable frames resize by their edges, the others do not. A
// skinned form turns a plain, single or tool-window frame into a dialog frame.
#include <QObject>

namespace SkinFormEnums {
Q_NAMESPACE
enum TFormBorderStyle : unsigned char {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
Q_ENUM_NS(TFormBorderStyle)
}  // namespace SkinFormEnums

using SkinFormEnums::TFormBorderStyle;
using enum SkinFormEnums::TFormBorderStyle;
