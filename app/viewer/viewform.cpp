#include "app/viewer/viewform.h"

#include <QScreen>
#include <QWindow>
#include <cmath>

#include "app/viewer/realscaleview.h"

namespace {
const QSize kDesignSize(545, 378);
}  // namespace

QSize ViewerClientSize(const QSize& picture, qreal devicePixelRatio, const QSize& room) {
  if (picture.isEmpty()) return kDesignSize.boundedTo(room);
  const auto logical = [devicePixelRatio](int device) {
    return static_cast<int>(std::ceil(device / devicePixelRatio));
  };
  return QSize(logical(picture.width()), logical(picture.height())).boundedTo(room);
}

TViewForm::TViewForm(QWidget* owner, const graphitine::Raster& picture)
    : QDialog(owner), image_(new TRealScaleView(picture, this)) {
  setObjectName(QStringLiteral("ViewForm"));
  setWindowTitle(QStringLiteral("Real  scale"));
  setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
  resize(kDesignSize);
  image_->setObjectName(QStringLiteral("Image1"));
}

void TViewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
  image_->setFocus();
}

QMargins TViewForm::Frame() const {
  return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

// Sizes the window to the picture and puts its frame in the work area's top-left corner. The
// client area is placed itself, inside the frame as far as it is known: window managers differ
// in whether a window's position means its frame's or its client area's.
void TViewForm::FormActivate() {
  const QRect workArea = screen()->availableGeometry();
  const QMargins frame = Frame();
  const graphitine::Raster& picture = image_->Picture();
  setGeometry(QRect(workArea.topLeft() + QPoint(frame.left(), frame.top()),
                    ViewerClientSize(QSize(picture.Width(), picture.Height()), devicePixelRatioF(),
                                     workArea.size().shrunkBy(frame))));
}

void TViewForm::PlaceOnceFramed() {
  if (framed_ || !isVisible() || Frame().isNull()) return;
  framed_ = true;
  FormActivate();
}

// The window manager has framed the window by the time it activates it, if not before.
bool TViewForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) PlaceOnceFramed();
  return QDialog::event(event);
}

void TViewForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  PlaceOnceFramed();
}

void TViewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
  PlaceOnceFramed();
}

// The view fills the window.
void TViewForm::FormResize() { image_->setGeometry(rect()); }
