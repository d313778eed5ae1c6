#include "skin/buttons/custombutton.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/paint/focusrect_p.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/paint/facecache_p.h"
#include "skin/base/timer_p.h"

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
bool IsPressKey(const QKeyEvent& e) {
  return (e.key() == Qt::Key_Space || IsEnterKey(e.key())) && !(e.modifiers() & Qt::AltModifier);
}

// The toolkit's Trim: blanks and control characters off both ends.
QString TrimmedCaption(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first].unicode() <= ' ') ++first;
  while (last > first && text[last - 1].unicode() <= ' ') --last;
  return text.mid(first, last - first);
}

// The modal result of the button's form: a dialog's result, or the form's own ModalResult.
void SetFormModalResult(QWidget* form, int result) {
  if (auto* dialog = qobject_cast<QDialog*>(form)) {
    dialog->setResult(result);
  } else if (form->metaObject()->indexOfProperty("ModalResult") >= 0) {
    form->setProperty("ModalResult", result);
  }
}

}  // namespace

TSkinCustomButton::TSkinCustomButton(QWidget* owner)
    : TSkinWidget(owner), accelerator_(this) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // moves without a button held end the hover look at the edges too
  SkinDialogKeys::Attach(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

TSkinCustomButton::~TSkinCustomButton() {
  // QWidget's destructor clears the focus, which would call back into this half-destroyed button.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TSkinCustomButton::LookChanged() {
  UIStyleChanged();
  RefreshFrames();
}

void TSkinCustomButton::RefreshFrames() {
  QImage fetched[4];
  try {
    PaintButtonNormal(fetched[kNormal]);
    PaintButtonMouseOn(fetched[kMouseOn]);
    PaintButtonMouseDown(fetched[kMouseDown]);
    PaintButtonDisabled(fetched[kDisabled]);
  } catch (...) {
    // A picture that cannot be had leaves the button without a frame: background, focus mark
    // and caption still show.
    for (QImage& frame : fetched) frame = QImage();
  }
  std::copy(std::begin(fetched), std::end(fetched), std::begin(frames_));
  update();
}

QImage TSkinCustomButton::ButtonStripFrame(int number) const { return Look().Bitmap(SkinEntry::ButtonImage, 3, number); }

void TSkinCustomButton::TakeTransparentFromLook() { SetTransparent(Look().Bool(SkinEntry::ButtonTransparentBool)); }

void TSkinCustomButton::DrawStretchedFrame(QPainter& canvas, const QImage& frame) const {
  DrawStretchedFace(canvas, frame, rect(), picTransparent_);
}

void TSkinCustomButton::SetAutoSize2(bool value) {
  autoSize_ = value;
  AutoSizeChanged();
  update();
}

void TSkinCustomButton::AutoSizeChanged() {
  if (!autoSize_) return;
  // The built-in strip of the style as set: file themes do not size buttons.
  QImage strip;
  GetInsideThemeBitmap(Look().UIStyle(), static_cast<int>(SkinEntry::ButtonImage), &strip);
  const QSize stripSize = strip.isNull() ? QSize(74, 21) : strip.size();
  resize(stripSize.width() / 3, stripSize.height());
}

void TSkinCustomButton::SetCaption2(const QString& text) {
  caption_ = text;
  accelerator_.SetCaption(text);
  CaptionChanged();
  update();
}

void TSkinCustomButton::SetDefault(bool value) {
  default_ = value;
  DecideActive(window()->focusWidget());
}

void TSkinCustomButton::SetPicTransparent(bool value) {
  picTransparent_ = value;
  update();
}

void TSkinCustomButton::SetFocusedRectMargin(int value) {
  focusedRectMargin_ = value;
  update();
}

void TSkinCustomButton::SetTabStop(bool value) {
  // A button that Tab passes over takes no focus from the mouse either.
  setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TSkinCustomButton::FocusChanged(QWidget* now) {
  if (now == nullptr || now->window() != window()) return;
  DecideActive(now);
}

void TSkinCustomButton::DecideActive(QWidget* focused) {
  const bool focusOnButton = focused != nullptr && focused->inherits("TSkinButton");
  active_ = focusOnButton ? focused == this : default_;
  update();
}

bool TSkinCustomButton::DialogKey(const QKeyEvent& key) {
  const bool wanted = (IsEnterKey(key.key()) && active_) || (key.key() == Qt::Key_Escape && cancel_);
  const bool plain = (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
  if (!wanted || !plain || !isVisible() || !isEnabled()) return false;
  Click();
  return true;
}

void TSkinCustomButton::Click() {
  if (pressed_) {
    StopRepeat();
    pressed_ = false;
    update();
  }
  // The form closes after the handlers have run, so an OnClick handler can still keep a dialog
  // open by setting its result back to 0.
  QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
  SetFormModalResult(window(), modalResult_);
  emit OnClick();
  if (dialog != nullptr && dialog->isModal() && dialog->isVisible() && dialog->result() != 0) {
    dialog->done(dialog->result());
  }
}

const QImage& TSkinCustomButton::CurrentFrame() const {
  if (!isEnabled()) return frames_[kDisabled];
  if (pressed_) return frames_[kMouseDown];
  if (hovered_) return frames_[kMouseOn];
  return frames_[kNormal];
}

void TSkinCustomButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  if (!Transparent()) canvas.fillRect(rect(), palette().color(QPalette::Window));
  PaintPic(canvas, CurrentFrame());
  if (ShowsFocus() && !CaptionShowsFocus()) PaintFocus(canvas);
  canvas.setFont(font());
  if (!TrimmedCaption(caption_).isEmpty()) PaintText(canvas, caption_);
}

void TSkinCustomButton::PaintPic(QPainter& canvas, const QImage& frame) {
  if (frame.isNull()) return;
  QImage picture = picTransparent_ ? CachedKeyedPicture(frame, TopLeftColor(frame)) : frame;
  if (!isEnabled()) picture = GreyedPicture(picture);
  canvas.drawImage(0, 0, picture);
}

void TSkinCustomButton::PaintText(QPainter& canvas, const QString&) {
  QFont captionFont = font();
  if (ShowsFocus() && CaptionShowsFocus()) captionFont.setBold(true);
  canvas.setFont(captionFont);
  const QFontMetrics metrics(captionFont);

  // The caption is measured wrapped inside the rectangle and drawn unwrapped, centred on the
  // measured block.
  auto drawCentred = [&](QRect area, const QColor& colour) {
    const QRect measured =
        metrics.boundingRect(area, Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic, caption_);
    const QRect block(area.left() + (area.width() - measured.width()) / 2,
                      area.top() + (area.height() - measured.height()) / 2, measured.width(), measured.height());
    canvas.setPen(colour);
    canvas.drawText(block, Qt::AlignHCenter | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic, caption_);
  };

  QRect area = rect();
  if (!isEnabled()) {
    drawCentred(area.translated(1, 1), QColor(0xFF, 0xFF, 0xFF));
    drawCentred(area, QColor(0x80, 0x80, 0x80));
  } else {
    if (pressed_) area.translate(1, 1);
    drawCentred(area, palette().color(QPalette::Active, QPalette::WindowText));
  }
}

void TSkinCustomButton::PaintFocus(QPainter& canvas) {
  const int m = focusedRectMargin_;
  DrawFocusRect(canvas, QRect(QPoint(m, m), QPoint(width() - m - 1, height() - m - 1)));
}

bool TSkinCustomButton::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::Shortcut:
      if (accelerator_.IsAccelerator(e)) {
        if (isEnabled()) Click();
        return true;
      }
      break;
    case QEvent::ParentChange:
    case QEvent::Show:
      SkinDialogKeys::Attach(this);
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void TSkinCustomButton::enterEvent(QEnterEvent* e) {
  QWidget::enterEvent(e);
  PointerEntered();
}

void TSkinCustomButton::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  PointerLeft();
}

void TSkinCustomButton::PointerEntered() {
  if (underPointer_) return;
  underPointer_ = true;
  hovered_ = true;
  update();
  emit OnMouseEnter();
}

void TSkinCustomButton::PointerLeft() {
  if (!underPointer_) return;
  underPointer_ = false;
  hovered_ = false;
  pressed_ = false;
  StopRepeat();
  update();
  emit OnMouseExit();
}

// While a press holds the mouse, Qt reports no enter or leave; the moves tell them instead.
void TSkinCustomButton::TrackPointer(const QPoint& pos) {
  if (rect().contains(pos)) {
    PointerEntered();
  } else {
    PointerLeft();
  }
}

void TSkinCustomButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(e);
    return;
  }
  PointerEntered();  // a press on the button has the pointer over it
  pressed_ = true;
  clickArmed_ = true;
  if (repeat_ == nullptr) StartRepeat();
  if (TabStop() && isEnabled() && isVisible()) setFocus(Qt::MouseFocusReason);
  update();
  e->accept();
}

void TSkinCustomButton::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  const QPoint pos = e->position().toPoint();
  if (e->buttons() != Qt::NoButton) TrackPointer(pos);
  if (pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height()) {
    hovered_ = false;
    pressed_ = false;
    update();
  }
}

void TSkinCustomButton::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  const QPoint pos = e->position().toPoint();
  TrackPointer(pos);
  const bool click = clickArmed_ && rect().contains(pos);
  clickArmed_ = false;
  if (click) Click();
}

void TSkinCustomButton::StartRepeat() {
  repeat_ = new SkinTimer(this);
  connect(repeat_, &SkinTimer::Tick, this, &TSkinCustomButton::OnMouseContinuouslyDown);
  repeat_->Start(std::max(repeatInterval_, 0));
}

void TSkinCustomButton::StopRepeat() {
  if (repeat_ == nullptr) return;
  // The timer may be the one ticking right now: stop it at once, free it later.
  repeat_->Stop();
  repeat_->deleteLater();
  repeat_ = nullptr;
}

void TSkinCustomButton::keyPressEvent(QKeyEvent* e) {
  // Enter and Escape go to the form's default and cancel buttons first, this one included.
  if ((IsEnterKey(e->key()) || e->key() == Qt::Key_Escape) && SkinDialogKeys::Dispatch(window(), *e)) {
    e->accept();
    return;
  }
  if (IsPressKey(*e) && hasFocus() && isEnabled()) {
    pressed_ = true;
    update();
    e->accept();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TSkinCustomButton::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat() && IsPressKey(*e) && hasFocus() && pressed_ && isEnabled()) {
    pressed_ = false;
    update();
    Click();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void TSkinCustomButton::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void TSkinCustomButton::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

void TSkinCustomButton::EndPress() {
  StopRepeat();
  pressed_ = false;
  clickArmed_ = false;
  update();
}

void TSkinCustomButton::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  EndPress();
}

void TSkinCustomButton::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::EnabledChange && !isEnabled()) EndPress();
  if (e->type() == QEvent::EnabledChange) EnableChanged();
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
}
