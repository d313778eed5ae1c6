#include "skin/window/titlebar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "skin/base/helpers.h"
#include "skin/look/thememarkers_p.h"
#include "skin/window/titlebarhost.h"
#include "skin/window/titlebarpopupmenu.h"

namespace {

// Inside a skinned form the frame shows the pictures' first rows above the bar.
constexpr int kFrameRowsAbove = 3;
constexpr int kAppIconSize = 16;
constexpr int kAppIconSpace = 21;
constexpr int kControlBoxGap = 5;
constexpr int kNoLeftButtonX = 6;
constexpr int kRightToLeftGap = 10;
// Where the control-box menu drops down from the bar's left end with right-to-left reading.
constexpr int kRightToLeftMenuX = 176;

// The caption, cut at its end and followed by "..." when it is wider than space.
QString Shortened(const QString& caption, const QFontMetrics& metrics, int space) {
  if (metrics.horizontalAdvance(caption) <= space) return caption;
  const QString ellipsis = QStringLiteral("...");
  QString rest = caption;
  while (!rest.isEmpty() && metrics.horizontalAdvance(rest + ellipsis) > space) rest.chop(1);
  return rest + ellipsis;
}

bool Over(const QPoint& point, const QRect& rect) {
  return InRect(point, rect.left(), rect.top(), rect.left() + rect.width(),
                rect.top() + rect.height());
}

}  // namespace

TSkinTitleBar::TSkinTitleBar(QWidget* owner)
    : TSkinWidget(owner),
      buttons_([this] { ItemsChanged(); }),
      sections_([this] { ItemsChanged(); }) {
  systemMenu_ = new TSkinTitleBarPopupMenu(this);
  for (TSkinTitleBarBtnType type : {skinControlBox, skinClose, skinMax, skinMin})
    buttons_.Add()->SetButtonType(type);
  setMouseTracking(true);  // buttons light up under the pointer
  QFont font(QStringLiteral("Tahoma"), 8, QFont::Bold);
  setFont(font);
  resize(200, 20);
  StartLook(owner);
}

TSkinTitleBar::~TSkinTitleBar() = default;

SkinTitleBarHost* TSkinTitleBar::Host() const {
  return dynamic_cast<SkinTitleBarHost*>(parentWidget());
}

bool TSkinTitleBar::InMDIForm() const {
  const SkinTitleBarHost* host = Host();
  return host != nullptr && host->IsMDIFrame();
}

QWidget* TSkinTitleBar::FormWindow() const {
  const SkinTitleBarHost* host = Host();
  return host != nullptr ? host->FormWindow() : window();
}

bool TSkinTitleBar::FormMaximized() const {
  const SkinTitleBarHost* host = Host();
  return host != nullptr ? host->FormMaximized() : window()->isMaximized();
}

void TSkinTitleBar::SetFormMaximized(bool maximized) {
  if (SkinTitleBarHost* host = Host()) {
    host->SetFormMaximized(maximized);
  } else if (maximized) {
    window()->showMaximized();
  } else {
    window()->showNormal();
  }
  ProcessMaxBtn();
}

void TSkinTitleBar::MinimizeForm() { FormWindow()->showMinimized(); }

void TSkinTitleBar::LookChanged() {
  if (custom_) return;
  sections_.Clear();
  TSkinTitleBarSection* left = sections_.Add();
  left->SetAutoSize(true);
  left->SetPicture(Look().Bitmap(SkinEntry::TitleBarLeftImage));
  TSkinTitleBarSection* right = sections_.Add();
  right->SetAutoSize(true);
  right->SetAlign(skinRight);
  right->SetPicture(Look().Bitmap(SkinEntry::TitleBarRightImage));
  TSkinTitleBarSection* middle = sections_.Add();
  middle->SetAlign(skinClient);
  middle->SetPicture(Look().Bitmap(SkinEntry::TitleBarClientImage));

  leftOffset_ = Look().Int(SkinEntry::TitleBarButtonLeftOffsetInt);
  rightOffset_ = Look().Int(SkinEntry::TitleBarButtonRightOffsetInt);
  stripHeight_ = Look().Bitmap(SkinEntry::TitleBarButtonImage).height();
  buttonTop_ = Look().Int(SkinEntry::TitleBarButtonTopInt) - (InForm() ? kFrameRowsAbove : 0);
  const int minimumWidth = Look().Int(SkinEntry::FormMinWidthInt);
  if (parentWidget() != nullptr && minimumWidth > 0) FormWindow()->setMinimumWidth(minimumWidth);
  roundCorner_ = Look().Int(SkinEntry::FormRoundCornerInt);
  roundCornerBottom_ = Look().UsesFileTheme() ? Look().Int(SkinEntry::FormBottomRoundCornerInt) : 0;

  const bool maximized = FormMaximized();
  for (int i = 0; i < buttons_.Count(); ++i)
    buttons_.Items(i)->UpdateUIStyle(Look(), maximized, custom_);
  systemMenu_->SetLook(UIStyle(), FileTheme());

  if (Look().UsesFileTheme()) {
    const SkinMarkerMeaning marked = SkinMarkerMeaningOf(Look().Color(SkinEntry::ControlFontColor));
    fontColor_ = SkinThemeColorOr(Look().Color(SkinEntry::TitleBarFontColor), marked.titleCaption);
  } else {
    fontColor_ = Look().EffectiveStyle() == TSkinUIStyle::MacOS ? clBlack : clWhite;
  }
  autoSize_ = true;
  ApplyAutoSize();
}

QImage TSkinTitleBar::SectionPicture(int index) const {
  const TSkinTitleBarSection* section = sections_.Items(index);
  return section != nullptr ? section->Picture() : QImage();
}

bool TSkinTitleBar::CanPaint() const {
  if (sections_.Count() != 3) return false;
  for (int i = 0; i < 3; ++i) {
    if (SectionPicture(i).isNull()) return false;
  }
  return true;
}

void TSkinTitleBar::ItemsChanged() {
  ApplyAutoSize();
  update();
  // The frame above the bar continues the pictures.
  if (InForm()) FormWindow()->update();
}

void TSkinTitleBar::ApplyAutoSize() {
  if (!autoSize_) return;
  if (sections_.Count() == 0) {
    autoSize_ = false;
    return;
  }
  SetHeight(std::max(0, SectionPicture(0).height() - (InForm() ? kFrameRowsAbove : 0)));
}

void TSkinTitleBar::SetHeight(int value) {
  if (value == height_ && value == height()) return;
  height_ = value;
  resize(width(), value);
  updateGeometry();
}

QSize TSkinTitleBar::sizeHint() const { return QSize(width(), height_); }

template <typename T>
void TSkinTitleBar::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  update();
}

void TSkinTitleBar::SetCustom(bool value) { custom_ = value; }

void TSkinTitleBar::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  ApplyAutoSize();
}

void TSkinTitleBar::SetButtonInterval(int value) { Store(buttonInterval_, value); }
void TSkinTitleBar::SetCaption(const QString& value) { Store(caption_, value); }
void TSkinTitleBar::SetFontColor(TColor value) { Store(fontColor_, value); }
void TSkinTitleBar::SetActive(bool value) { Store(formActive_, value); }
void TSkinTitleBar::SetLeftBtnXOffset(int value) { Store(leftOffset_, value); }
void TSkinTitleBar::SetRightBtnXOffset(int value) { Store(rightOffset_, value); }
void TSkinTitleBar::SetDrawAppIcon(bool value) { Store(drawAppIcon_, value); }

void TSkinTitleBar::SetSections(const TSkinTitleBarSections& sections) {
  sections_.Assign(sections);
}

void TSkinTitleBar::ProcessMaxBtn() {
  const bool maximized = FormMaximized();
  for (int i = 0; i < buttons_.Count(); ++i)
    buttons_.Items(i)->ProcessMaxBtn(Look(), maximized, custom_);
}

TSkinTitleBarPlacement TSkinTitleBar::Place() const {
  TSkinTitleBarPlacement placement;
  const SkinTitleBarHost* host = Host();
  const int W = width();
  const int side = host != nullptr ? host->SideBorderWidth() : 0;
  int x = W + rightOffset_ + side;
  for (int i = 0; i < buttons_.Count(); ++i) {
    const TSkinTitleBarButton& button = *buttons_.Items(i);
    if (!button.Visible() || button.ButtonType() == skinControlBox) continue;
    const QSize size = button.PicNormal().size();
    x -= size.width() + buttonInterval_ + 1;
    if (x + size.width() + 1 > W) x = W - size.width() - 1;
    placement.buttons.push_back({i, QRect(QPoint(x, buttonTop_), size)});
  }
  placement.captionRight = x;

  int left = std::max(0, leftOffset_ + 1 - side);
  for (int i = 0; i < buttons_.Count(); ++i) {
    const TSkinTitleBarButton& button = *buttons_.Items(i);
    if (!button.Visible() || button.ButtonType() != skinControlBox) continue;
    placement.controlBox = i;
    placement.appIcon = drawAppIcon_;
    if (drawAppIcon_) {
      placement.controlBoxRect = QRect(left + 3, buttonTop_, kAppIconSize, kAppIconSize);
      left += kAppIconSpace;
    } else {
      placement.controlBoxRect = QRect(QPoint(left, buttonTop_ - 1), button.PicNormal().size());
      left += button.PicNormal().width() + kControlBoxGap;
    }
    break;
  }
  if (left == 0) left = kNoLeftButtonX;
  placement.captionLeft = left;

  const QFontMetrics metrics(font());
  placement.caption = Shortened(caption_, metrics, x - left);
  const int top = (stripHeight_ - metrics.height()) / 2 + buttonTop_;
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  const int textX =
      rightToLeft ? x - kRightToLeftGap - metrics.horizontalAdvance(placement.caption) : left;
  placement.captionAt = QPoint(textX, top);
  return placement;
}

int TSkinTitleBar::ButtonAt(const QPoint& point) const {
  const TSkinTitleBarPlacement placement = Place();
  for (const TSkinTitleBarPlacement::Placed& placed : placement.buttons) {
    if (Over(point, placed.rect)) return placed.index;
  }
  if (placement.controlBox >= 0 && Over(point, placement.controlBoxRect))
    return placement.controlBox;
  return -1;
}

void TSkinTitleBar::SetHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  update();
}

void TSkinTitleBar::TrackPointer(const QPoint& point) { SetHot(ButtonAt(point)); }

const QImage& TSkinTitleBar::StatePicture(const TSkinTitleBarButton& button) const {
  if (button.Index() != hot_) return button.ShownNormal();
  return pressed_ ? button.ShownMouseDown() : button.ShownMouseOn();
}

void TSkinTitleBar::DrawSections(QPainter& painter) const {
  const SkinTitleBarHost* host = Host();
  const QPoint shift = host != nullptr ? -host->TitleBarOffset() : QPoint();
  const QImage left = SectionPicture(0), right = SectionPicture(1), middle = SectionPicture(2);
  const int rightX = width() - right.width() - shift.x();
  if (!left.isNull()) painter.drawImage(shift, left);
  if (!right.isNull()) painter.drawImage(rightX, shift.y(), right);
  const int middleX = shift.x() + left.width();
  if (!middle.isNull() && rightX > middleX) {
    painter.drawImage(QRect(middleX, shift.y(), rightX - middleX, middle.height()), middle);
  }
}

void TSkinTitleBar::DrawButtons(QPainter& painter, const TSkinTitleBarPlacement& placement) const {
  const auto draw = [&](const TSkinTitleBarButton& button, const QPoint& at) {
    const QImage& picture = StatePicture(button);
    if (!picture.isNull()) painter.drawImage(at, picture);
  };
  for (const TSkinTitleBarPlacement::Placed& placed : placement.buttons) {
    draw(*buttons_.Items(placed.index), placed.rect.topLeft());
  }
  if (placement.controlBox >= 0) {
    if (placement.appIcon) {
      const QIcon icon = FormWindow()->windowIcon();
      painter.drawPixmap(placement.controlBoxRect.topLeft(),
                         icon.pixmap(kAppIconSize, kAppIconSize));
    } else {
      draw(*buttons_.Items(placement.controlBox), placement.controlBoxRect.topLeft());
    }
  }
}

void TSkinTitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FaceColor());
  DrawSections(painter);
  const TSkinTitleBarPlacement placement = Place();
  DrawButtons(painter, placement);
  painter.setFont(font());
  painter.setPen(ToQColor(formActive_ ? fontColor_ : clInactiveCaptionText));
  const QRect text(placement.captionAt,
                   QSize(QFontMetrics(font()).horizontalAdvance(placement.caption) + 1,
                         QFontMetrics(font()).height()));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, placement.caption);
}

void TSkinTitleBar::DoClick(int index) {
  const TSkinTitleBarButton* button = buttons_.Items(index);
  if (button == nullptr || parentWidget() == nullptr) return;
  switch (button->ButtonType()) {
    case skinMax:
      SetFormMaximized(!FormMaximized());
      break;
    case skinMin:
      MinimizeForm();
      break;
    case skinClose:
      FormWindow()->close();
      break;
    case skinControlBox:
      if (QMenu* menu = button->ControlBoxMenu()) {
        const int x = layoutDirection() == Qt::RightToLeft ? kRightToLeftMenuX : 0;
        QPoint at = mapToGlobal(QPoint(x, height()));
        at.setX(std::max(0, at.x()));
        menu->popup(at);
      }
      break;
    case skinHelp:
    case skinCustom:
      break;
  }
}

void TSkinTitleBar::PopupSystemMenu(int x, int y) { systemMenu_->Popup(x, y); }

void TSkinTitleBar::ButtonReleased(int index) {
  const TSkinTitleBarButton* button = buttons_.Items(index);
  if (button == nullptr || parentWidget() == nullptr) return;
  const TSkinTitleBarBtnType type = button->ButtonType();
  if (type == skinControlBox && button->ControlBoxMenu() == nullptr) {
    const QPoint at = mapToGlobal(QPoint(0, height()));
    PopupSystemMenu(at.x(), at.y());
    return;
  }
  QPointer<TSkinTitleBar> alive(this);
  DoClick(index);
  if (alive.isNull()) return;
  if (type == skinCustom) emit OnCustomBtnsClick(this, index);
  if (type == skinHelp) emit OnHelpBtnClick(this, index);
}

void TSkinTitleBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    TSkinWidget::mousePressEvent(e);
    return;
  }
  pressed_ = true;
  TrackPointer(e->position().toPoint());
  update();
  if (hot_ < 0 && !FormMaximized()) {
    // Dragging the free part of the bar moves the window.
    drag_.Arm(FormWindow(), Qt::Edges(), e->globalPosition().toPoint());
    pressed_ = false;
  }
}

void TSkinTitleBar::mouseMoveEvent(QMouseEvent* e) {
  if ((e->buttons() & Qt::LeftButton) && drag_.Follow(e->globalPosition().toPoint())) return;
  TrackPointer(e->position().toPoint());
}

void TSkinTitleBar::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    TSkinWidget::mouseReleaseEvent(e);
    return;
  }
  drag_.End();
  TrackPointer(e->position().toPoint());
  const int index = hot_;
  pressed_ = false;
  update();
  if (index >= 0) ButtonReleased(index);
}

void TSkinTitleBar::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    TSkinWidget::mouseDoubleClickEvent(e);
    return;
  }
  pressed_ = true;
  TrackPointer(e->position().toPoint());
  update();
  drag_.End();
  if (hot_ < 0) {
    for (int i = 0; i < buttons_.Count(); ++i) {
      const TSkinTitleBarButton& button = *buttons_.Items(i);
      if (button.Visible() && button.ButtonType() == skinMax) {
        DoClick(i);
        break;
      }
    }
  } else if (buttons_.Items(hot_)->ButtonType() == skinControlBox) {
    pressed_ = false;
    FormWindow()->close();
  }
}

void TSkinTitleBar::leaveEvent(QEvent* e) {
  TSkinWidget::leaveEvent(e);
  SetHot(-1);
}

void TSkinTitleBar::resizeEvent(QResizeEvent* e) {
  TSkinWidget::resizeEvent(e);
  update();
}

void TSkinTitleBar::changeEvent(QEvent* e) {
  TSkinWidget::changeEvent(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::LayoutDirectionChange) update();
}
