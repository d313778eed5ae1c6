#pragma once
// The real-scale viewer: a plain modal window showing a copy of a picture at its own size, the
// image fitted into the window whenever the window changes size.
#include <QDialog>
#include <QRect>
#include <QSize>

#include "sketch/raster.h"

class TPictureView;

class TViewForm : public QDialog {
  Q_OBJECT
 public:
  TViewForm(QWidget* owner, graphitine::Raster picture);

  TPictureView* Image1() const { return image_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormActivate();
  void FormResize();

  graphitine::Raster picture_;
  QWidget* panel_;
  TPictureView* image_;
  bool placed_ = false;
};

// The viewer's outer size for a picture: 10 pixels wider and 30 higher than the picture, room
// for the border and title bar, so that the picture shows at its own size. A window that would
// not fit the work area takes the work area's size, and the picture is fitted into it.
QSize ViewerSize(const QSize& picture, const QSize& workArea);
