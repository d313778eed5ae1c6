#include "skin/containers/childbackground_p.h"

#include <QPalette>

#include "skin/base/widget.h"

void OfferBackgroundToChildren(TSkinWidget& container) {
  if (container.ParentColor()) return;
  const QColor face = ToQColor(container.Color());
  QPalette colours = container.palette();
  if (colours.color(QPalette::Active, QPalette::Window) == face) return;
  colours.setColor(QPalette::Window, face);
  container.setPalette(colours);
}
