#include "gallery.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <algorithm>

std::vector<GallerySection>& GallerySections() {
  // Built on first use, so that sections registering from other files' static initialisers
  // always find it.
  static std::vector<GallerySection> sections;
  return sections;
}

std::vector<GallerySection> SortedGallerySections() {
  std::vector<GallerySection> sections = GallerySections();
  std::stable_sort(sections.begin(), sections.end(),
                   [](const GallerySection& a, const GallerySection& b) { return a.order < b.order; });
  return sections;
}

void GalleryHover(QWidget* control) {
  const QPointF centre = QRectF(control->rect()).center();
  const QPointF global = control->mapToGlobal(centre);
  QEnterEvent enter(centre, centre, global);
  QApplication::sendEvent(control, &enter);
  QMouseEvent move(QEvent::MouseMove, centre, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(control, &move);
}

void GalleryPress(QWidget* control) {
  GalleryHover(control);
  const QPointF centre = QRectF(control->rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, control->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(control, &press);
}
