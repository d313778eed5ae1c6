#include "skin/containers/tab.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "skin/containers/tabcontroltoppanel.h"
#include "skin/paint/penpath_p.h"

namespace {

constexpr int kChildGap = 3;

}  // namespace

TSkinTab::TSkinTab(QWidget* owner) : TSkinWidget(owner), strip_(new TSkinTabControlTopPanel(this)) {
  resize(185, 80);
  // Only the body is filled: the strip's free area shows the parent.
  SetTransparent(true);
  strip_->installEventFilter(this);
  PlaceStrip();
}

void TSkinTab::LookChanged() {
  borderColor_ = Look().Color(SkinEntry::ControlBorderColor);
  const bool whiteBody = !Look().UsesFileTheme() && Look().EffectiveStyle() == TSkinUIStyle::WinXP;
  SetColor(whiteBody ? clWhite : Look().Color(SkinEntry::ControlBackgroundColor));
}

void TSkinTab::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  update();
  strip_->update();
}

QFont TSkinTab::Font() const { return strip_->font(); }

void TSkinTab::SetFont(const QFont& value) {
  if (value == strip_->font()) return;
  strip_->setFont(value);
}

int TSkinTab::LeftMargin() const { return strip_->LeftMargin(); }
void TSkinTab::SetLeftMargin(int value) { strip_->SetLeftMargin(value); }
int TSkinTab::TabIndex() const { return strip_->TabIndex(); }
void TSkinTab::SetTabIndex(int index) { strip_->SetTabIndex(index); }
TSkinTabPosition TSkinTab::TabPosition() const { return strip_->TabPosition(); }

void TSkinTab::SetTabPosition(TSkinTabPosition value) {
  if (value == strip_->TabPosition()) return;
  strip_->SetTabPosition(value);
  PlaceStrip();
}

void TSkinTab::PlaceStrip() {
  const int stripHeight = strip_->StripHeight();
  const bool top = TabPosition() == skinTop;
  strip_->setGeometry(0, top ? 0 : height() - stripHeight, width(), stripHeight);
  const int stripSide = stripHeight + kChildGap;
  setContentsMargins(kChildGap, top ? stripSide : kChildGap, kChildGap,
                     top ? kChildGap : stripSide);
  update();
}

void TSkinTab::resizeEvent(QResizeEvent*) { PlaceStrip(); }

void TSkinTab::TabActive(int index) {
  const QPointer<TSkinTab> alive(this);
  emit OnTabActive(index);
  if (alive) emit OnChange();
}

bool TSkinTab::AllowsTabChange() {
  bool allow = true;
  emit OnChanging(allow);
  return allow;
}

void TSkinTab::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  const int w = width();
  const int h = height();
  const int stripHeight = strip_->height();
  const bool top = TabPosition() == skinTop;
  const QRect body =
      top ? QRect(0, stripHeight, w, h - stripHeight) : QRect(0, 0, w, h - stripHeight);
  canvas.fillRect(Transparent() ? body : rect(), FaceColor());
  // Three sides; the strip's line closes the fourth.
  const QColor border = ToQColor(borderColor_);
  if (top) {
    DrawPenPath(canvas, border,
                {{0, stripHeight - 1}, {0, h - 1}, {w - 1, h - 1}, {w - 1, stripHeight - 1}});
  } else {
    const int bodyBottom = h - stripHeight;
    DrawPenPath(canvas, border, {{w - 1, bodyBottom - 1}, {w - 1, 0}, {0, 0}, {0, bodyBottom}});
  }
}

bool TSkinTab::event(QEvent* event) {
  TrackClick(event, this);
  return TSkinWidget::event(event);
}

bool TSkinTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == strip_) TrackClick(event, strip_);
  return TSkinWidget::eventFilter(watched, event);
}

void TSkinTab::TrackClick(QEvent* event, const QWidget* where) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return;
  if (type == QEvent::MouseButtonPress) {
    clickArmed_ = true;
  } else if (type == QEvent::MouseButtonDblClick) {
    emit OnDblClick();
  } else if (clickArmed_) {
    clickArmed_ = false;
    if (where->rect().contains(mouse->position().toPoint())) emit OnClick();
  }
}
