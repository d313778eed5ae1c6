#include "skin/bars/toolbar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "skin/bars/toolbutton.h"
#include "skin/paint/keyedpicture_p.h"

TSkinToolBar::TSkinToolBar(QWidget* owner) : TSkinWidget(owner) {
  resize(200, 29);
  StartLook(owner);
}

void TSkinToolBar::LookChanged() {
  buttonBorderColor_ = Look().Color(SkinEntry::ToolBarButtonBorderColor);
  buttonColor_ = Look().Color(SkinEntry::ToolBarButtonBackgroundColor);
  buttonDownColor_ = Look().Color(SkinEntry::ToolBarButtonDownBackgroundColor);
  const TSkinUIStyle style = Look().UIStyle();
  SetTransparent(style == TSkinUIStyle::MacOS || style == TSkinUIStyle::Protein);
}

void TSkinToolBar::SetButtonColor(TColor value) {
  if (value == buttonColor_) return;
  buttonColor_ = value;
  update();
}

void TSkinToolBar::SetButtonBorderColor(TColor value) {
  if (value == buttonBorderColor_) return;
  buttonBorderColor_ = value;
  update();
}

void TSkinToolBar::SetButtonDownColor(TColor value) {
  if (value == buttonDownColor_) return;
  buttonDownColor_ = value;
  update();
}

void TSkinToolBar::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  update();
}

void TSkinToolBar::SetShowCaptions(bool value) {
  if (value == showCaptions_) return;
  showCaptions_ = value;
  update();
}

void TSkinToolBar::SetList(bool value) {
  if (value == list_) return;
  list_ = value;
  update();
}

void TSkinToolBar::SetButtonWidth(int value) {
  if (value == buttonWidth_) return;
  buttonWidth_ = value;
  ArrangeButtons();
}

void TSkinToolBar::SetButtonHeight(int value) {
  if (value == buttonHeight_) return;
  buttonHeight_ = value;
  ArrangeButtons();
}

// The image list's mask: the bottom-left colour of each picture is left out.
TSkinToolBar::DrawnImages TSkinToolBar::Drawn(const QList<QImage>& images) {
  DrawnImages drawn;
  for (const QImage& image : images) {
    drawn.enabled << KeyedPicture(image, SkinKeyPixel::BottomLeft);
    drawn.disabled << GreyedPicture(drawn.enabled.last());
  }
  return drawn;
}

void TSkinToolBar::SetImages(const QList<QImage>& images) {
  if (images == images_) return;
  images_ = images;
  drawnImages_ = Drawn(images);
  update();
}

void TSkinToolBar::SetHotImages(const QList<QImage>& images) {
  if (images == hotImages_) return;
  hotImages_ = images;
  drawnHotImages_ = Drawn(images);
  update();
}

void TSkinToolBar::ArrangeButtons() {
  int x = 0;
  for (QObject* child : children()) {
    auto* button = qobject_cast<TSkinToolButton*>(child);
    if (button == nullptr) continue;
    int w = buttonWidth_;
    if (button->Style() == TSkinToolButton::tbsSeparator) w = kSeparatorWidth;
    if (button->Style() == TSkinToolButton::tbsDropDown) w += kDropDownArrowWidth;
    button->setGeometry(x, 0, w, buttonHeight_);
    x += w;
  }
  update();
}

bool TSkinToolBar::event(QEvent* e) {
  const bool handled = QWidget::event(e);
  if (e->type() == QEvent::ChildRemoved) ArrangeButtons();
  return handled;
}

// A transparent bar leaves its parent showing behind the buttons.
void TSkinToolBar::paintEvent(QPaintEvent*) {
  if (Transparent()) return;
  QPainter canvas(this);
  canvas.fillRect(rect(), palette().color(QPalette::Window));
}

void TSkinToolBar::DrawButton(QPainter& canvas, const TSkinToolButton& button) const {
  if (button.Style() == TSkinToolButton::tbsSeparator) return;
  const bool dropDown = button.Style() == TSkinToolButton::tbsDropDown;
  if (button.IsHot()) {
    DrawFramedButton(canvas, button, hotImages_.isEmpty() ? drawnImages_ : drawnHotImages_,
                     button.IsSelected());
    if (dropDown) DrawDropDownArrow(canvas, button.rect());
  } else if (button.IsSelected() || button.Down()) {
    DrawFramedButton(canvas, button, drawnImages_, false);
  } else {
    DrawContent(canvas, button, drawnImages_, false);
    if (dropDown) DrawDropDownArrow(canvas, button.rect());
  }
}

void TSkinToolBar::DrawFramedButton(QPainter& canvas, const TSkinToolButton& button,
                                    const DrawnImages& images, bool down) const {
  const QRect bounds = button.rect();
  canvas.fillRect(bounds, ToQColor(down ? buttonDownColor_ : buttonColor_));
  canvas.setPen(QPen(ToQColor(buttonBorderColor_), 0));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawRect(bounds.adjusted(0, 0, -1, -1));
  DrawContent(canvas, button, images, down);
}

void TSkinToolBar::DrawContent(QPainter& canvas, const TSkinToolButton& button,
                               const DrawnImages& images, bool down) const {
  const QRect bounds = button.rect();
  const int left = bounds.left();
  const int top = bounds.top();
  // Image and caption are centred left of a drop-down button's arrow zone.
  const int spanRight = bounds.left() + bounds.width() -
                        (button.Style() == TSkinToolButton::tbsDropDown ? kDropDownArrowWidth : 0);
  const int span = spanRight - left;
  const bool enabled = button.isEnabled();
  const QList<QImage>& shown = enabled ? images.enabled : images.disabled;
  const bool withImages = !shown.isEmpty();
  const QSize imageSize = withImages ? shown.first().size() : QSize();

  if (withImages && button.ImageIndex() >= 0 && button.ImageIndex() < shown.size()) {
    const QPoint at =
        list_ ? QPoint(left + 5, top + 3) : QPoint(left + (span - imageSize.width()) / 2, top + 3);
    canvas.drawImage(at, shown[button.ImageIndex()]);
  }
  if (!showCaptions_) return;

  const QString caption = button.Caption();
  const QFontMetrics metrics(button.font());
  const int centredX =
      left + (span - metrics.horizontalAdvance(QString(caption).remove(QLatin1Char('&')))) / 2;
  QPoint origin;
  if (withImages) {
    origin = list_ ? QPoint(left + imageSize.width() + 7, top + (imageSize.height() - 16) / 2 + 4)
                   : QPoint(centredX, top + imageSize.height() + 4);
  } else {
    origin = list_ ? QPoint(left + 8, top + 3) : QPoint(centredX, top + (down ? 5 : 4));
  }
  canvas.setFont(button.font());
  canvas.setPen(enabled ? button.palette().color(QPalette::Active, QPalette::WindowText)
                        : ToQColor(clGrayText));
  canvas.drawText(QRect(origin, bounds.bottomRight()),
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
}

void TSkinToolBar::DrawDropDownArrow(QPainter& canvas, const QRect& bounds) const {
  const int r = bounds.left() + bounds.width();
  const int m = bounds.height() / 2;
  canvas.save();
  canvas.setPen(QPen(Qt::black, 0));
  canvas.setBrush(Qt::black);
  canvas.drawPolygon(QPolygon({QPoint(r - 9, m), QPoint(r - 5, m), QPoint(r - 7, m + 2)}));
  canvas.drawPolygon(QPolygon({QPoint(r - 8, m), QPoint(r - 6, m), QPoint(r - 7, m + 1)}));
  // The divider runs from the top down to, not including, the bottom edge.
  canvas.drawLine(r - 14, bounds.top(), r - 14, bounds.top() + bounds.height() - 1);
  canvas.restore();
}
