#include "gallery.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

#include "skin/look/filetheme.h"
#include "skin/look/stylechoice.h"

std::vector<GallerySection>& GallerySections() {
  // Built on first use, so that sections registering from other files' static initialisers
  // always find it.
  static std::vector<GallerySection> sections;
  return sections;
}

std::vector<GallerySection> SortedGallerySections() {
  std::vector<GallerySection> sections = GallerySections();
  std::stable_sort(
      sections.begin(), sections.end(),
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

namespace {

QLabel* Heading(const QString& text, int pointSize) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

std::unique_ptr<QWidget> BuildGallerySheet(const QString& title, TSkinUIStyle style,
                                           TSkinFileTheme* theme) {
  auto sheet = std::make_unique<QWidget>();
  TSkinUIStyle effective;
  const TColor form = UsingFileTheme(theme, style, effective) ? theme->GetColor(15)
                                                              : GetInsideThemeColor(effective, 15);
  QPalette palette = sheet->palette();
  palette.setColor(QPalette::Window, ToQColor(form));
  sheet->setPalette(palette);
  sheet->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(sheet.get());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(Heading(title, 14));
  for (const GallerySection& section : SortedGallerySections()) {
    layout->addSpacing(10);
    layout->addWidget(Heading(section.title, 10));
    layout->addWidget(section.build(style, theme));
  }
  return sheet;
}

namespace {
constexpr char kFocusedSample[] = "galleryFocusedSample";
}

void GalleryMarkFocused(QWidget* control) { control->setProperty(kFocusedSample, true); }

QImage RenderGallerySheet(QWidget& sheet) {
  sheet.show();
  sheet.activateWindow();  // only an active window shows a focused control
  QApplication::processEvents();
  QImage shown = sheet.grab().toImage();
  QPainter painter(&shown);
  for (QWidget* sample : sheet.findChildren<QWidget*>()) {
    if (!sample->property(kFocusedSample).toBool()) continue;
    sample->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    const QRect where(sample->mapTo(&sheet, QPoint(0, 0)), sample->size());
    painter.drawPixmap(where.topLeft(), sheet.grab(where));
  }
  return shown;
}
