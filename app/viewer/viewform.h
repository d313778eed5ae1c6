#pragma once
// The real-scale viewer: a plain modal window that shows a picture at its own size, one picture
// pixel on one device pixel of the screen. It opens at the work area's top-left corner, its
// frame and title bar included, as large as the picture or, for a larger picture, as the work
// area; the user moves around the picture and zooms it (TRealScaleView). The viewer reads the
// picture it is given, which must outlive it, and copies nothing of it.
#include <QDialog>
#include <QMargins>
#include <QSize>

#include "sketch/raster.h"

class TRealScaleView;

class TViewForm : public QDialog {
  Q_OBJECT
 public:
  TViewForm(QWidget* owner, const graphitine::Raster& picture);

  TRealScaleView* Image1() const { return image_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormActivate();
  void FormResize();
  // The window manager's frame around the window, once it is known.
  QMargins Frame() const;
  // Once the window manager has put its frame around the window, the window is placed again:
  // only then is the frame's size known.
  void PlaceOnceFramed();

  TRealScaleView* image_;
  bool framed_ = false;
};

// The viewer's client size, in logical pixels, for a picture at the screen's device pixel ratio:
// the picture's own size in device pixels, no larger than the room the work area leaves inside
// the window's frame. An empty picture keeps the window's design size.
QSize ViewerClientSize(const QSize& picture, qreal devicePixelRatio, const QSize& room);
