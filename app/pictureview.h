#pragma once
// A view of a raster owned elsewhere: stretched to the view's size, centred at its own size, or
// drawn from the top-left corner. A stretched picture is scaled once per change of picture or
// size, never while painting; the owner tells the view what changed.
//
// Mouse input is passed on as signals in view pixels. The second press of a double-click comes
// as MouseDown with doubleClick set, followed by DblClick.
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

  // What a stretched view shows (null when not stretched).
  const QImage& Scaled() const { return scaled_.Image(); }

 signals:
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                 bool doubleClick);
  void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void DblClick();
  void MouseLeave();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Rescale();
  // Where the picture's own pixels go when it is not stretched.
  QPoint UnstretchedOrigin() const;

  const graphitine::Raster* picture_ = nullptr;
  ScaledPicture scaled_;
  bool stretch_ = false;
  bool center_ = false;
};
