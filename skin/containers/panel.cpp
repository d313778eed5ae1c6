#include "skin/containers/panel.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "sketch/errors.h"
#include "skin/base/helpers.h"
#include "skin/look/filetheme.h"
#include "skin/look/thememarkers_p.h"
#include "skin/paint/slicing_p.h"

namespace {

constexpr int kFoldStep = 15;
constexpr int kEmptyBarFoldHeight = 20;
constexpr int kChildGap = 3;
constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

}  // namespace

TSkinPanel::TSkinPanel(QWidget* owner) : TSkinWidget(owner) {
  const QImage strip = LoadSkinResource("PANEL_BUTTON");
  if (!strip.isNull()) {
    for (int k = 0; k < 4; ++k) SpitBitmap(strip, foldButton_[k], 4, k + 1);
  }
  setMouseTracking(true);  // the fold button lights up under the pointer
  resize(100, fullHeight_);
  StartLook(owner);
}

void TSkinPanel::LookChanged() {
  SetColor(kWhite);
  captionBar_ = Look().Bitmap(SkinEntry::SideChannelBarImage);
  borderColor_ = Look().Color(SkinEntry::ControlBorderColor);
  if (Look().UsesFileTheme()) {
    captionFontColor_ = SkinMarkerMeaningOf(Look().Color(SkinEntry::ControlFontColor)).panelCaption;
  } else if (Look().EffectiveStyle() == TSkinUIStyle::MacOS) {
    captionFontColor_ = kBlack;
  } else {
    captionFontColor_ = Look().Color(SkinEntry::MenuSelectedFontColor);
  }
  AlignControls();
  update();
}

// Losing the theme turns the children to DeepBlue too; the panel follows.
void TSkinPanel::FileThemeGone() {
  ContainerApplyUIStyle(this, TSkinUIStyle::DeepBlue, nullptr);
  TSkinWidget::FileThemeGone();
}

// Children take the room below the caption bar.
void TSkinPanel::AlignControls() {
  setContentsMargins(kChildGap, BarHeight() + kChildGap, kChildGap, kChildGap);
}

void TSkinPanel::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  update();
}

void TSkinPanel::SetCaptionFontColor(TColor value) {
  if (value == captionFontColor_) return;
  captionFontColor_ = value;
  update();
}

void TSkinPanel::SetShowButton(bool value) {
  if (value == showButton_) return;
  showButton_ = value;
  update();
}

void TSkinPanel::SetCaption(const QString& value) {
  if (value == caption_) return;
  caption_ = value;
  update();
}

void TSkinPanel::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  update();
}

void TSkinPanel::SetHeight2(int value) {
  if (value == fullHeight_) return;
  fullHeight_ = value;
  if (unfolded_) resize(width(), value);
}

void TSkinPanel::resizeEvent(QResizeEvent*) {
  if (!animating_ && unfolded_) fullHeight_ = height();
}

bool TSkinPanel::FoldButtonShown() const {
  return showButton_ && align_ != alClient && align_ != alLeft && align_ != alRight &&
         !foldButton_[0].isNull();
}

bool TSkinPanel::InFoldButton(const QPoint& point) const {
  const int bw = foldButton_[0].width();
  const int bh = foldButton_[0].height();
  const int top = (BarHeight() - bh) / 2;
  return InRect(point, width() - 1 - bw - 4, top, width() - 1 - 4, top + bh);
}

void TSkinPanel::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  update();
}

void TSkinPanel::mouseMoveEvent(QMouseEvent* event) {
  SetHot(FoldButtonShown() && InFoldButton(event->position().toPoint()));
}

void TSkinPanel::leaveEvent(QEvent*) { SetHot(false); }

void TSkinPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SetHot(FoldButtonShown() && InFoldButton(event->position().toPoint()));
  if (!hot_) return;
  if (unfolded_) {
    Push();
  } else {
    Pop();
  }
}

void TSkinPanel::Push() {
  if (align_ == alClient || align_ == alLeft || align_ == alRight) {
    throw graphitine::Error("Can't push when Align is alClient, alLeft or alRight.");
  }
  if (animating_) return;  // a click during the animation must not start a second one
  const int target = captionBar_.isNull() ? kEmptyBarFoldHeight : BarHeight();
  QPointer<TSkinPanel> alive(this);
  animating_ = true;
  while (target < height() - kFoldStep) {
    resize(width(), height() - kFoldStep);
    repaint();
    QCoreApplication::processEvents();
    if (!alive) return;
  }
  resize(width(), target);
  repaint();
  animating_ = false;
  unfolded_ = false;
  update();
  emit OnPush();
}

void TSkinPanel::Pop() {
  if (animating_) return;
  QPointer<TSkinPanel> alive(this);
  animating_ = true;
  while (height() + kFoldStep < fullHeight_) {
    resize(width(), height() + kFoldStep);
    repaint();
    QCoreApplication::processEvents();
    if (!alive) return;
  }
  resize(width(), fullHeight_);
  repaint();
  animating_ = false;
  unfolded_ = true;
  update();
  emit OnPop();
}

void TSkinPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width();
  const int barHeight = BarHeight();
  painter.setBrush(FaceColor());
  painter.setPen(ToQColor(borderColor_));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!captionBar_.isNull()) painter.drawImage(QRect(1, 0, w - 2, barHeight), captionBar_);

  painter.setPen(ToQColor(captionFontColor_));
  painter.setFont(font());
  const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
  if (layoutDirection() == Qt::RightToLeft) {
    const int right = FoldButtonShown() ? w - 21 : w - 11;
    painter.drawText(QRect(1, 0, right - 1, barHeight), flags | Qt::AlignRight, caption_);
  } else {
    painter.drawText(QRect(10, 0, w - 1 - 10, barHeight), flags | Qt::AlignLeft, caption_);
  }

  if (FoldButtonShown()) {
    const int bw = foldButton_[0].width();
    const int top = (barHeight - foldButton_[0].height()) / 2;
    const int frame = (unfolded_ ? 0 : 2) + (hot_ ? 1 : 0);
    painter.drawImage(w - bw - 4, top / 2 + 2, foldButton_[frame]);
  }
}
