#pragma once
// A view of a raster owned elsewhere: stretched to the view's size, centred at its own size, or
// drawn from the top-left corner. A stretched picture is scaled once per change of picture or
// size, never while painting; the owner tells the view what changed.
//
// Pictures are drawn in the screen's device pixels: a stretched picture is scaled to the view's
// size in device pixels, and one at its own size shows each of its pixels on one device pixel,
// so on a 2x or 1.5x screen it takes half or two thirds of its pixel size in logical pixels.
//
// Mouse input is passed on as signals in the view's logical pixels, fractions included (on a
// scaled screen a device pixel lies between two logical ones). The second press of a
// double-click comes as MouseDown with doubleClick set, followed by DblClick.
#include <QWidget>

#include "app/rasterimage.h"

class TPictureView : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)

 public:
  explicit TPictureView(QWidget* parent = nullptr);

  // The raster shown, or none. The view keeps the pointer: the raster must outlive the view or
  // be replaced first.
  const graphitine::Raster* Picture() const { return picture_; }
  void SetPicture(const graphitine::Raster* picture);
  // The same with the stretched image made beforehand (while loading, or on a batch worker):
  // taken as it is when made at the view's size, else the view scales the picture itself.
  void SetPicture(const graphitine::Raster* picture, ScaledPicture scaled);
  // The raster was replaced or changed as a whole (size included).
  void PictureChanged();
  // The raster changed inside the rectangle of picture pixels only.
  void PictureRegionChanged(const QRect& changed);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);

  // What a stretched view shows (null when not stretched), in device pixels.
  const QImage& Scaled() const { return scaled_.Image(); }
  // The view's size in device pixels: what a stretched picture is scaled to.
  QSize DeviceSize() const { return DevicePixels(size(), devicePixelRatioF()); }
  // A size of logical pixels in device pixels at that ratio, the last partly covered pixel
  // included.
  static QSize DevicePixels(const QSize& size, qreal ratio);

 signals:
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y,
                 bool doubleClick);
  void MouseMove(Qt::KeyboardModifiers shift, double x, double y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
  void DblClick();
  void MouseLeave();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Rescale();
  // Where the picture's top-left corner goes when it is not stretched, on a device pixel.
  QPointF UnstretchedOrigin() const;
  // The rectangle of a picture at its own size drawn at that origin, in logical pixels.
  QRectF UnstretchedRect(const QPointF& origin, const QSize& pixels) const;

  const graphitine::Raster* picture_ = nullptr;
  ScaledPicture scaled_;
  bool stretch_ = false;
  bool center_ = false;
};
