#include "app/viewer/viewform.h"

#include <QScreen>

#include "app/fitting.h"
#include "app/pictureview.h"

namespace {
constexpr int kBorderRoom = 10;
constexpr int kTitleRoom = 30;
}  // namespace

QSize ViewerSize(const QSize& picture, const QSize& workArea) {
  const QSize size(picture.width() + kBorderRoom, picture.height() + kTitleRoom);
  if (size.width() > workArea.width() || size.height() > workArea.height()) return workArea;
  return size;
}

TViewForm::TViewForm(QWidget* owner, graphitine::Raster picture)
    : QDialog(owner),
      picture_(std::move(picture)),
      panel_(new QWidget(this)),
      image_(new TPictureView(panel_)) {
  setObjectName(QStringLiteral("ViewForm"));
  setWindowTitle(QStringLiteral("Real  scale"));
  setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
  setSizeGripEnabled(true);
  resize(545, 378);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->SetStretch(true);
  image_->SetPicture(&picture_);
}

void TViewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!placed_) FormActivate();
}

// Sizes the window to the picture and puts it in the work area's top-left corner, once, when
// it opens.
void TViewForm::FormActivate() {
  placed_ = true;
  const QRect workArea = screen()->availableGeometry();
  const QSize decoration = frameGeometry().size() - size();
  resize(ViewerSize(QSize(picture_.Width(), picture_.Height()), workArea.size()) - decoration);
  move(workArea.topLeft());
}

void TViewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TViewForm::FormResize() {
  panel_->setGeometry(rect());
  image_->setGeometry(FitPicture(panel_->size(), QSize(picture_.Width(), picture_.Height())));
}
