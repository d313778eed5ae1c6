#pragma once
// Where a skinned window's controls go. Every window lists its controls' places in one table, as
// the form designer set them: the control's name, the control it lies on, and its rectangle
// there. A place on the window's skinned form is given inside the frame, title bar included; the
// control goes on the form's panel, which begins below the title bar.
//
//   constexpr SkinnedPlaces kPlaces({
//       {"Button1", "skinForm1", {8, 32, 105, 25}},
//       {"CheckBox1", "GroupBox1", {17, 16, 0, 0}},  // no size: keeps its own
//   });
//   Button1 = MakePlaced<TSkinButton>(*skinForm1, kPlaces["Button1"]);
//
// A name is looked up while compiling: one the table lacks does not build.
#include <QRect>
#include <QSize>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "skin/base/enums.h"
#include "skin/window/titlebarenums.h"

class QWidget;
class TSkinForm;

struct SkinnedPlace {
  std::string_view name;    // the control's object name
  std::string_view parent;  // the object name of the control it lies on
  QRect geometry;           // in the parent; an empty one only moves the control
  TAlign align = alNone;    // for parents that dock their children
};

// A window's table of places.
template <std::size_t N>
class SkinnedPlaces {
 public:
  constexpr explicit SkinnedPlaces(const SkinnedPlace (&places)[N]) {
    for (std::size_t i = 0; i < N; ++i) places_[i] = places[i];
  }

  consteval const SkinnedPlace& operator[](std::string_view name) const {
    for (const SkinnedPlace& place : places_) {
      if (place.name == name) return place;
    }
    throw "no place of that name";  // stops the build
  }

 private:
  std::array<SkinnedPlace, N> places_{};
};

// What a control at that place is created on: the named control of the form's window, the
// form's panel for the form itself. Raises std::logic_error when there is no such control yet.
QWidget* ParentOf(const TSkinForm& form, const SkinnedPlace& place);

// Names the control and puts it at its place on its parent.
void PutAt(QWidget& control, const TSkinForm& form, const SkinnedPlace& place);

// Creates the control on its parent (so that it starts in that window's look) at its place.
template <typename T, typename... Arguments>
T* MakePlaced(const TSkinForm& form, const SkinnedPlace& place, Arguments&&... arguments) {
  T* control = new T(ParentOf(form, place), std::forward<Arguments>(arguments)...);
  PutAt(*control, form, place);
  return control;
}

// Hides the form's title-bar buttons of those kinds.
void HideTitleBarButtons(TSkinForm& form, std::initializer_list<TSkinTitleBarBtnType> kinds);

// Sizes the window so that its skinned form, which fills the window inside its frame (the
// window's contents rectangle), gets the size the designer gave it. For after the form has
// taken the window over, on its first show.
void SizeForSkinnedForm(QWidget& window, const QSize& formSize);
