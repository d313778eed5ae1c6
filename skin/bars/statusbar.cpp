#include "skin/bars/statusbar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace {
constexpr int kGripSize = 16;
constexpr int kTextIndent = 4;  // the text's distance from a panel's left edge
}  // namespace

TSkinStatusBar::TSkinStatusBar(QWidget* owner) : TSkinWidget(owner) {
  resize(200, 19);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  StartLook(owner);
}

void TSkinStatusBar::LookChanged() { SetColor(Look().Color(SkinEntry::FormBackgroundColor)); }

void TSkinStatusBar::SetSimplePanel(bool value) {
  if (value == simplePanel_) return;
  simplePanel_ = value;
  update();
}

void TSkinStatusBar::SetSimpleText(const QString& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  update();
}

void TSkinStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  update();
}

void TSkinStatusBar::SetPanels(const QList<TStatusPanel>& panels) {
  if (panels == panels_) return;
  panels_ = panels;
  update();
}

void TSkinStatusBar::SetPanelText(int index, const QString& text) {
  if (index < 0 || index >= panels_.size()) return;
  panels_[index].Text = text;
  update();
}

bool TSkinStatusBar::OnSizeableWindow() const {
  const QWidget* form = window();
  return form != this && form->minimumSize() != form->maximumSize();
}

bool TSkinStatusBar::GripResizes() const {
  return OnSizeableWindow() && sizeGrip_ && !window()->isMaximized();
}

QRect TSkinStatusBar::GripRect() const {
  return {width() - kGripSize, height() - kGripSize, kGripSize, kGripSize};
}

void TSkinStatusBar::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.fillRect(rect(), FaceColor());
  canvas.setFont(font());
  canvas.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  PaintTexts(canvas);
  if (OnSizeableWindow()) PaintGrip(canvas);
}

void TSkinStatusBar::PaintTexts(QPainter& canvas) {
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  if (simplePanel_ || panels_.isEmpty()) {
    canvas.drawText(rect().adjusted(kTextIndent, 0, 0, 0), flags, simpleText_);
    return;
  }
  const QColor divider = ToQColor(clBtnShadow);
  int left = 0;
  for (qsizetype i = 0; i < panels_.size(); ++i) {
    const bool last = i == panels_.size() - 1;
    const int right = last ? width() : left + std::max(panels_[i].Width, 0);
    canvas.drawText(QRect(QPoint(left + kTextIndent, 0), QPoint(right - 2, height() - 1)), flags,
                    panels_[i].Text);
    if (!last) {
      const QPen textPen = canvas.pen();
      canvas.setPen(divider);
      canvas.drawLine(right - 1, 1, right - 1, height() - 2);
      canvas.setPen(textPen);
    }
    left = right;
  }
}

// The grip square is covered in the bar's colour; on a window that can be resized four
// diagonal lines mark it. The strip above the square is covered too, so no text runs into it.
void TSkinStatusBar::PaintGrip(QPainter& canvas) {
  const int w = width();
  const int h = height();
  const QColor fill = FaceColor();
  canvas.fillRect(QRect(QPoint(w - kGripSize, h - kGripSize), QPoint(w - 2, h - 2)), fill);
  if (sizeGrip_ && !window()->isMaximized()) {
    const int l = w - kGripSize;
    const int t = h - kGripSize + 1;
    const int r = w - 1;
    const int b = h - 1;
    canvas.setPen(QPen(ToQColor(clInactiveCaption), 0));
    // Each line runs from its start up to, not including, its end point.
    for (int step = 0; step < 4; ++step) {
      canvas.drawLine(l + 1 + 4 * step, b, r - 1, t + 4 * step + 1);
    }
  }
  if (h - kGripSize > 3)
    canvas.fillRect(QRect(QPoint(w - kGripSize, 3), QPoint(w - 2, h - kGripSize - 1)), fill);
}

void TSkinStatusBar::mousePressEvent(QMouseEvent* e) {
  QWidget::mousePressEvent(e);
  if (e->button() != Qt::LeftButton) return;
  if (GripRect().contains(e->position().toPoint()) && GripResizes()) {
    QWindow* handle = window()->windowHandle();
    if (handle == nullptr || !handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge)) {
      resizing_ = true;
      resizeFrom_ = e->globalPosition().toPoint();
      resizeStartSize_ = window()->size();
    }
    return;
  }
  clickArmed_ = true;
}

void TSkinStatusBar::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  if (resizing_) {
    const QPoint delta = e->globalPosition().toPoint() - resizeFrom_;
    window()->resize(resizeStartSize_ + QSize(delta.x(), delta.y()));
    return;
  }
  const bool overGrip = GripRect().contains(e->position().toPoint()) && GripResizes();
  if (overGrip) {
    setCursor(Qt::SizeFDiagCursor);
  } else {
    unsetCursor();
  }
}

void TSkinStatusBar::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  resizing_ = false;
  const bool click = clickArmed_ && rect().contains(e->position().toPoint());
  clickArmed_ = false;
  if (click) emit OnClick();
}
