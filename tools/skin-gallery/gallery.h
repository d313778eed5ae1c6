#pragma once
// The gallery is made of sections, one file per control family. Each section file registers
// itself with a static GalleryRegistration and builds, for one look, a widget that shows its
// controls in their states (normal, hover, pressed, disabled, focused, checked ...):
//
//   static GalleryRegistration buttons{"Buttons", 20, [](TSkinUIStyle style, TSkinFileTheme* theme) {
//     auto* box = new QWidget; ...; return box;
//   }};
#include <QWidget>
#include <functional>
#include <vector>

#include "skin/skinthemes.h"

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

struct GalleryRegistration {
  GalleryRegistration(const char* title, int order,
                      std::function<QWidget*(TSkinUIStyle, TSkinFileTheme*)> build) {
    GallerySections().push_back({title, order, std::move(build)});
  }
};
