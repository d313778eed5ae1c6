#pragma once
// A picture at real scale: one picture pixel on one device pixel of the screen, whatever the
// screen's scale factor. The user moves the part shown by dragging (hand cursor), with the
// wheel (Shift+wheel sideways), the arrow keys, Page Up/Down and Home/End; a double click or
// Space toggles between real scale and the whole picture fitted; Ctrl+wheel and Ctrl+plus/minus
// zoom in steps about the pointer, from fitted (or real scale, if that is smaller) up to 800 %.
// Zoomed out, the picture is averaged smoothly; zoomed in, every pixel is a sharp block.
//
// The view reads the raster it is given, which must outlive it and keep its size, and never
// copies it whole: it draws only the part on screen, and zoomed out it keeps one reduced copy
// made once per zoom.
#include <QImage>
#include <QPointF>
#include <QWidget>

#include "app/rasterimage.h"
#include "sketch/raster.h"

class TRealScaleView : public QWidget {
  Q_OBJECT
 public:
  static constexpr double kMostZoom = 8.0;
  static constexpr double kZoomStep = 1.25;

  TRealScaleView(const graphitine::Raster& picture, QWidget* parent);

  const graphitine::Raster& Picture() const { return picture_; }

  // Device pixels per picture pixel: 1 is real scale.
  double Zoom() const { return zoom_; }
  // The zoom at which the whole picture just fits the view.
  double FittedZoom() const;
  // Where the picture's top-left corner lies, in device pixels from the view's top-left corner
  // (negative when the picture is moved past it; centred where the picture is smaller).
  QPoint Origin() const;

  // Zooms so that the picture point under `anchor` (device pixels in the view) stays there,
  // as far as the picture's edges allow. The zoom is kept within its range.
  void SetZoom(double zoom, QPointF anchor);
  // Moves the picture by the given device pixels (positive: the picture moves up and left).
  void ScrollBy(QPointF by);
  // Real scale <-> fitted, about the anchor.
  void ToggleFit(QPointF anchor);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The view's size in device pixels.
  QSize DeviceSize() const;
  QSizeF ZoomedSize(double zoom) const;
  double LeastZoom() const;
  // Keeps the scroll position inside the zoomed picture, and the cursor in step with it.
  void Settle();
  // The zoom one step up (positive) or down from the current one, passing through real scale.
  double SteppedZoom(int steps) const;
  // A point in the view for keyboard zooming: the pointer when it is over the view, else the
  // view's centre; in device pixels.
  QPointF KeyboardAnchor() const;
  QPointF DevicePoint(QPointF logical) const;

  const graphitine::Raster& picture_;
  double zoom_ = 1.0;
  bool fitted_ = false;  // the zoom follows the view's size, keeping the whole picture in it
  QPointF scroll_;       // the zoomed picture's point at the view's top-left corner, device pixels
  bool dragging_ = false;
  QPointF dragFrom_;
  // The picture averaged down to the zoomed size, while zoomed out.
  ScaledPicture reduced_;
};
