#include "skin/buttons/custombutton.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/paint/facecache_p.h"
#include "skin/paint/focusrect_p.h"

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

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

TSkinCustomButton::TSkinCustomButton(QWidget* owner) : SkinButtonBase(owner) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // moves without a button held end the hover look at the edges too
  SkinDialogKeys::Attach(this);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusChanged(now); });
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

QImage TSkinCustomButton::ButtonStripFrame(int number) const {
  return Look().Bitmap(SkinEntry::ButtonImage, 3, number);
}

void TSkinCustomButton::TakeTransparentFromLook() {
  SetTransparent(Look().Bool(SkinEntry::ButtonTransparentBool));
}

void TSkinCustomButton::DrawStretchedFrame(QPainter& canvas, const QImage& frame) const {
  DrawStretchedFace(canvas, frame, rect(), picTransparent_);
}

void TSkinCustomButton::SetAutoSize2(bool value) {
  if (value == autoSize_) return;
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
  if (text == caption_) return;
  caption_ = text;
  SetAcceleratorCaption(text);
  CaptionChanged();
  update();
}

void TSkinCustomButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  DecideActive(window()->focusWidget());
}

void TSkinCustomButton::SetPicTransparent(bool value) {
  if (value == picTransparent_) return;
  picTransparent_ = value;
  update();
}

void TSkinCustomButton::SetFocusedRectMargin(int value) {
  if (value == focusedRectMargin_) return;
  focusedRectMargin_ = value;
  update();
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
  const bool wanted =
      (IsEnterKey(key.key()) && active_) || (key.key() == Qt::Key_Escape && cancel_);
  const bool plain =
      (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
  if (!wanted || !plain || !isVisible() || !isEnabled()) return false;
  Click();
  return true;
}

void TSkinCustomButton::Click() {
  Release();
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
  if (IsPressed()) return frames_[kMouseDown];
  if (IsHovered()) return frames_[kMouseOn];
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
  if (!frame.isNull()) canvas.drawImage(0, 0, frame);
}

void TSkinCustomButton::PaintText(QPainter& canvas, const QString&) {
  QFont captionFont = font();
  if (ShowsFocus() && CaptionShowsFocus()) captionFont.setBold(true);
  canvas.setFont(captionFont);
  const QFontMetrics metrics(captionFont);

  // The caption is measured wrapped inside the rectangle and drawn unwrapped, centred on the
  // measured block.
  auto drawCentred = [&](QRect area, const QColor& colour) {
    const QRect measured = metrics.boundingRect(
        area, Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic, caption_);
    const QRect block(area.left() + (area.width() - measured.width()) / 2,
                      area.top() + (area.height() - measured.height()) / 2, measured.width(),
                      measured.height());
    canvas.setPen(colour);
    canvas.drawText(block,
                    Qt::AlignHCenter | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic,
                    caption_);
  };

  QRect area = rect();
  if (!isEnabled()) {
    drawCentred(area.translated(1, 1), QColor(0xFF, 0xFF, 0xFF));
    drawCentred(area, QColor(0x80, 0x80, 0x80));
  } else {
    if (IsPressed()) area.translate(1, 1);
    drawCentred(area, palette().color(QPalette::Active, QPalette::WindowText));
  }
}

void TSkinCustomButton::PaintFocus(QPainter& canvas) {
  const int m = focusedRectMargin_;
  DrawFocusRect(canvas, QRect(QPoint(m, m), QPoint(width() - m - 1, height() - m - 1)));
}

bool TSkinCustomButton::event(QEvent* e) {
  if (e->type() == QEvent::ParentChange || e->type() == QEvent::Show) SkinDialogKeys::Attach(this);
  return SkinButtonBase::event(e);
}

void TSkinCustomButton::HoverChanged(bool over) {
  if (over) {
    emit OnMouseEnter();
  } else {
    emit OnMouseExit();
  }
}

// A move past an edge ends the hover and pressed looks before the leave arrives.
void TSkinCustomButton::mouseMoveEvent(QMouseEvent* e) {
  SkinButtonBase::mouseMoveEvent(e);
  const QPoint pos = e->position().toPoint();
  if (pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height()) EndHoverLook();
}

void TSkinCustomButton::keyPressEvent(QKeyEvent* e) {
  // Enter and Escape go to the form's default and cancel buttons first, this one included.
  if ((IsEnterKey(e->key()) || e->key() == Qt::Key_Escape) &&
      SkinDialogKeys::Dispatch(window(), *e)) {
    e->accept();
    return;
  }
  SkinButtonBase::keyPressEvent(e);
}

void TSkinCustomButton::focusInEvent(QFocusEvent* e) {
  SkinButtonBase::focusInEvent(e);
  update();
}

void TSkinCustomButton::focusOutEvent(QFocusEvent* e) {
  SkinButtonBase::focusOutEvent(e);
  update();
}

void TSkinCustomButton::changeEvent(QEvent* e) {
  SkinButtonBase::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) EnableChanged();
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
}
