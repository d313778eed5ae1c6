#include "skin/containers/tabcontroltoppanel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "skin/base/helpers.h"
#include "skin/containers/tab.h"
#include "skin/paint/facecache_p.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/paint/turns_p.h"

namespace {

constexpr int kEmptyCaptionWidth = 80;
constexpr int kCaptionPadding = 20;
// A cut tab's caption starts this far in and stops this far before the cut.
constexpr int kCutCaptionLeft = 10;
constexpr int kCutCaptionRight = 4;

}  // namespace

TSkinTabControlTopPanel::TSkinTabControlTopPanel(TSkinTab* owner)
    : TSkinWidget(owner), owner_(owner) {
  SetTransparent(true);    // the container's parent shows beside the tabs
  setMouseTracking(true);  // the scroll buttons light up under the pointer
  // No look of its own yet: the container hands it every look, its first one included.
}

void TSkinTabControlTopPanel::LookChanged() {
  activeTab_ = Look().Bitmap(SkinEntry::TabControlTabImage, 2, 1);
  inactiveTab_ = Look().Bitmap(SkinEntry::TabControlTabImage, 2, 2);
  line_ = Look().Bitmap(SkinEntry::TabControlBarImage);
  if (position_ == skinBottom) {
    for (QImage* picture : {&activeTab_, &inactiveTab_, &line_}) RoundPicture2(*picture);
  }
  for (int k = 0; k < 4; ++k) {
    // Drawn with the toolkit's automatic transparency.
    scrollButtons_[k] = KeyedPicture(Look().Bitmap(SkinEntry::ScrollButtonImage, 4, k + 1),
                                     SkinKeyPixel::BottomLeft);
  }
  SetColor(Look().Color(SkinEntry::ControlBackgroundColor));
  Remeasure();
  PrepareLine();
  owner_->PlaceStrip();  // the strip's height follows the pictures
}

void TSkinTabControlTopPanel::SetTabs(const QStringList& tabs) {
  if (tabs == tabs_) return;
  tabs_ = tabs;
  visible_.resize(tabs_.size(), true);
  if (tabs_.isEmpty()) tabIndex_ = -1;
  Remeasure();
  update();
}

void TSkinTabControlTopPanel::SetTabIndex(int index) { ChangeTabIndex(index, false); }

void TSkinTabControlTopPanel::ChangeTabIndex(int index, bool clicked) {
  if (index == tabIndex_ || index < -1 || index >= tabs_.size()) return;
  if (index == -1 && !owner_->AllowsNoActiveTab()) return;
  if (clicked && !owner_->AllowsTabChange()) return;
  tabIndex_ = index;
  RevealActiveTab(firstShown_);
  owner_->TabActive(index);
}

void TSkinTabControlTopPanel::RevealActiveTab(int from) {
  firstShown_ = RevealTab(measure_, from, tabIndex_);
  update();
}

void TSkinTabControlTopPanel::SetLeftMargin(int value) {
  if (value == leftMargin_) return;
  leftMargin_ = value;
  Remeasure();
  update();
}

void TSkinTabControlTopPanel::SetTabPosition(TSkinTabPosition value) {
  if (value == position_) return;
  position_ = value;
  for (QImage* picture : {&activeTab_, &inactiveTab_, &line_}) RoundPicture2(*picture);
  PrepareLine();
  update();
}

bool TSkinTabControlTopPanel::TabVisible(int index) const {
  return index >= 0 && index < static_cast<int>(visible_.size()) && visible_[index];
}

void TSkinTabControlTopPanel::SetTabVisible(int index, bool visible) {
  if (index < 0 || index >= static_cast<int>(visible_.size()) || visible_[index] == visible) return;
  visible_[index] = visible;
  Remeasure();
  update();
}

void TSkinTabControlTopPanel::Remeasure() {
  const QFontMetrics metrics(font());
  measure_.widths.clear();
  for (int i = 0; i < tabs_.size(); ++i) {
    int width = 0;
    if (visible_[i]) {
      width = tabs_[i].isEmpty() ? kEmptyCaptionWidth
                                 : metrics.horizontalAdvance(tabs_[i]) + kCaptionPadding;
    }
    measure_.widths.push_back(width);
  }
  measure_.stripWidth = width();
  measure_.leftMargin = leftMargin_;
  measure_.buttonWidth = scrollButtons_[0].width();
}

// The line runs between the strip's side lines.
void TSkinTabControlTopPanel::PrepareLine() {
  stretchedLine_ = line_.isNull() || width() <= 2
                       ? QImage()
                       : line_.scaled(width() - 2, line_.height(), Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
}

// At a new width the row starts again from the first tab, scrolled only as far as the active
// tab needs; so a tab chosen before the strip had its width is shown as at that width.
void TSkinTabControlTopPanel::resizeEvent(QResizeEvent*) {
  Remeasure();
  PrepareLine();
  RevealActiveTab(0);
  owner_->PlaceStrip();  // the container keeps the strip along its edge
}

void TSkinTabControlTopPanel::changeEvent(QEvent* event) {
  TSkinWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    Remeasure();
    update();
  }
}

int TSkinTabControlTopPanel::ButtonTop() const {
  const int buttonHeight = scrollButtons_[0].height();
  const bool room = buttonHeight + 4 < height();
  if (position_ == skinTop) return room ? (height() - buttonHeight) / 2 - 2 : 0;
  return room ? (height() - buttonHeight) / 2 + 2 : height() - buttonHeight;
}

QRect TSkinTabControlTopPanel::NextButtonRect() const {
  const QSize size = scrollButtons_[0].size();
  return {QPoint(width() - size.width() - 2, ButtonTop()), size};
}

TSkinTabControlTopPanel::ScrollButton TSkinTabControlTopPanel::ButtonAt(const QPoint& point) const {
  if (!ButtonsShown(Layout())) return kNoButton;
  const QRect next = NextButtonRect();
  const int bottom = next.top() + next.height();
  if (InRect(point, next.left(), next.top(), width() - 2, bottom)) return kNext;
  if (InRect(point, next.left() - next.width(), next.top(), next.left(), bottom)) return kPrevious;
  return kNoButton;
}

// Tabs take clicks strictly inside their span, over the height of the active tab picture at
// the strip's outer edge.
int TSkinTabControlTopPanel::TabAt(const QPoint& point) const {
  const int tabHeight = activeTab_.height();
  const int top = position_ == skinTop ? 0 : height() - tabHeight;
  if (point.y() <= top || point.y() >= top + tabHeight) return -1;
  for (const TabSpan& span : Layout().shown) {
    if (span.left < point.x() && point.x() < span.right) return span.index;
  }
  return -1;
}

void TSkinTabControlTopPanel::Scroll(int by) {
  firstShown_ = std::clamp(firstShown_ + by, 0, static_cast<int>(tabs_.size()));
  update();
}

void TSkinTabControlTopPanel::SetHotButton(ScrollButton button) {
  if (button == hotButton_) return;
  hotButton_ = button;
  update();
}

void TSkinTabControlTopPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const ScrollButton button = ButtonAt(at);
  SetHotButton(button);
  if (button == kPrevious) return Scroll(-1);
  if (button == kNext && Layout().overflow) return Scroll(1);
  const int index = TabAt(at);
  if (index < 0) return;
  const QPointer<TSkinTabControlTopPanel> alive(this);
  ChangeTabIndex(index, true);
  // A refused or repeated choice still brings the active tab into full view.
  if (alive) RevealActiveTab(firstShown_);
}

void TSkinTabControlTopPanel::mouseMoveEvent(QMouseEvent* event) {
  SetHotButton(ButtonAt(event->position().toPoint()));
}

void TSkinTabControlTopPanel::leaveEvent(QEvent*) { SetHotButton(kNoButton); }

void TSkinTabControlTopPanel::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  const int w = width();
  const int lineTop = position_ == skinTop ? inactiveTab_.height() : 0;
  const int lineHeight = line_.height();
  const QColor border = ToQColor(owner_->BorderColor());
  canvas.drawImage(1, lineTop, stretchedLine_);
  canvas.fillRect(0, lineTop, 1, lineHeight, border);
  canvas.fillRect(w - 1, lineTop, 1, lineHeight, border);

  canvas.setFont(font());
  canvas.setPen(palette().color(QPalette::WindowText));
  const TabStripLayout layout = Layout();
  for (const TabSpan& span : layout.shown) PaintTab(canvas, span);
  if (ButtonsShown(layout)) PaintButtons(canvas);
}

// The active tab stands one pixel nearer the body, over the line's outer row.
void TSkinTabControlTopPanel::PaintTab(QPainter& canvas, const TabSpan& span) const {
  const bool active = span.index == tabIndex_;
  const QImage& picture = active ? activeTab_ : inactiveTab_;
  const int top =
      position_ == skinTop ? (active ? 1 : 0) : height() - picture.height() - (active ? 1 : 0);
  const QRect tab(span.left, top, span.right - span.left, picture.height());
  DrawThreeSliceFace(canvas, picture, tab);
  const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter;
  if (span.cut) {
    canvas.drawText(tab.adjusted(kCutCaptionLeft, 0, -kCutCaptionRight, 0), flags | Qt::AlignLeft,
                    tabs_[span.index]);
  } else {
    canvas.drawText(tab, flags | Qt::AlignHCenter, tabs_[span.index]);
  }
}

void TSkinTabControlTopPanel::PaintButtons(QPainter& canvas) const {
  const QRect next = NextButtonRect();
  canvas.drawImage(next.topLeft(), scrollButtons_[hotButton_ == kNext ? 1 : 0]);
  canvas.drawImage(next.left() - next.width(), next.top(),
                   scrollButtons_[hotButton_ == kPrevious ? 3 : 2]);
}
