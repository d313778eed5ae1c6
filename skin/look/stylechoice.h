#pragma once
// Which look a component starts with, where it reads its entries, and the one way a look
// reaches a component (construction, hand-down to children, the theme manager, a theme going
// away, a theme file loaded again).
#include "skin/look/uistyle.h"

class QObject;
class QWidget;
class TSkinFileTheme;

// The style a new component starts with: the UIStyle of the first TSkinForm among the owner
// form's direct children, else DeepBlue.
TSkinUIStyle GetSkinFormStyle(QObject* owner);

// Whether a component reads its entries from the file theme; effective receives the style to
// read the built-in table with (DeepBlue when FromThemeFile has no usable theme).
bool UsingFileTheme(const TSkinFileTheme* fileTheme, TSkinUIStyle requested,
                    TSkinUIStyle& effective);

// Hands a look down one level: SkinApplyLook on every direct child widget.
void ContainerApplyUIStyle(QWidget* container, TSkinUIStyle style, TSkinFileTheme* fileTheme);

// A component that takes a style and a theme in one step and reads its entries once
// (TSkinWidget is one).
class SkinLookReceiver {
 public:
  virtual void SetLook(TSkinUIStyle style, TSkinFileTheme* theme) = 0;

 protected:
  ~SkinLookReceiver() = default;
};

// Gives one component a look: a SkinLookReceiver takes both at once; any other component with
// "FileTheme" and "UIStyle" properties gets the theme, then the style, by property name.
// Components without both properties are left alone.
void SkinApplyLook(QObject* component, TSkinUIStyle style, TSkinFileTheme* fileTheme);
