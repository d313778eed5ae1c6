#pragma once
// The gallery is made of sections, one file per control family. Each section file registers
// itself with a static GalleryRegistration and builds, for one look, a widget that shows its
// controls in their states (normal, hover, pressed, disabled, focused, checked ...):
//
//   static GalleryRegistration buttons{"Buttons", 20, [](TSkinUIStyle style, TSkinFileTheme* theme)
//   {
//     auto* box = new QWidget; ...; return box;
//   }};
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "skin/look/builtinlooks.h"

class TSkinFileTheme;

struct GallerySection {
  const char* title;
  int order;  // sections appear by ascending order
  std::function<QWidget*(TSkinUIStyle style, TSkinFileTheme* theme)> build;
};

std::vector<GallerySection>& GallerySections();

// The sections, in ascending order.
std::vector<GallerySection> SortedGallerySections();

// Put a control into the hover state (the pointer entered and moved over it) or the pressed
// state (hovered, then the left button pressed and held), with real events.
void GalleryHover(QWidget* control);
void GalleryPress(QWidget* control);
// A window has one focused control at a time: a sample marked here is given the focus when the
// sheet is rendered, and its own part of the picture is taken then.
void GalleryMarkFocused(QWidget* control);

// One sheet: the title, then every section under its title, on the look's form colour.
std::unique_ptr<QWidget> BuildGallerySheet(const QString& title, TSkinUIStyle style,
                                           TSkinFileTheme* theme);

// Shows the sheet off screen so that layouts settle and sections can put their controls into
// states, and returns what it shows, every marked sample with its focus.
QImage RenderGallerySheet(QWidget& sheet);

struct GalleryRegistration {
  GalleryRegistration(const char* title, int order,
                      std::function<QWidget*(TSkinUIStyle, TSkinFileTheme*)> build) {
    GallerySections().push_back({title, order, std::move(build)});
  }
};
