#include <QEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

#include "skin/window/framewindow_p.h"
#include "skin/window/windowdrag_p.h"

namespace {

constexpr int kMinimumWidth = 125;
constexpr int kMinimumHeight = 50;
// How far along an edge from a corner the grip resizes by both edges.
constexpr int kCornerGrip = 16;

Qt::CursorShape ShapeFor(Qt::Edges edges) {
  const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
  const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
  if ((left && top) || (right && bottom)) return Qt::SizeFDiagCursor;
  if ((right && top) || (left && bottom)) return Qt::SizeBDiagCursor;
  if (left || right) return Qt::SizeHorCursor;
  return Qt::SizeVerCursor;
}

}  // namespace

// One side of the frame: resizes a sizeable window by its edge (and, near a corner, by the
// other edge too), or moves by the top edge a window that cannot be resized. The frame window
// deletes it with itself, so its frame and host outlive it.
class SkinFrameGrip : public QWidget {
 public:
  SkinFrameGrip(QWidget* owner, Qt::Edge edge, SkinFrameWindow* frame, const SkinFrameHost* host)
      : QWidget(owner), edge_(edge), frame_(frame), host_(host) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("SkinFrameGrip"));
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || frame_->IsMaximized()) return;
    const Qt::Edges edges = EdgesAt(e->position().toPoint());
    if (host_->Sizeable()) {
      drag_.Arm(frame_->FrameWindow(), edges, e->globalPosition().toPoint());
    } else if (edge_ == Qt::TopEdge) {
      drag_.Arm(frame_->FrameWindow(), Qt::Edges(), e->globalPosition().toPoint());
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if ((e->buttons() & Qt::LeftButton) && drag_.Follow(e->globalPosition().toPoint())) return;
    if (host_->Sizeable() && !frame_->IsMaximized()) {
      setCursor(ShapeFor(EdgesAt(e->position().toPoint())));
    } else {
      unsetCursor();
    }
  }
  void mouseReleaseEvent(QMouseEvent*) override { drag_.End(); }

 private:
  // The grip's own edge, and the neighbouring one within kCornerGrip of a corner.
  Qt::Edges EdgesAt(const QPoint& local) const {
    const QPoint at = mapToParent(local);
    const QSize window = parentWidget()->size();
    Qt::Edges edges = edge_;
    const bool across = edge_ == Qt::TopEdge || edge_ == Qt::BottomEdge;
    const int along = across ? at.x() : at.y();
    const int length = across ? window.width() : window.height();
    if (along < kCornerGrip) edges |= across ? Qt::LeftEdge : Qt::TopEdge;
    if (along >= length - kCornerGrip) edges |= across ? Qt::RightEdge : Qt::BottomEdge;
    return edges;
  }

  Qt::Edge edge_;
  SkinFrameWindow* frame_;
  const SkinFrameHost* host_;
  SkinWindowDrag drag_;
};

SkinFrameWindow::SkinFrameWindow(QWidget* owner, SkinFrameHost* host) : owner_(owner), host_(host) {
  connect(owner, &QObject::destroyed, this, [this] { ownerGone_ = true; });
  ownerMargins_ = owner->contentsMargins();
  designedBounds_ = owner->geometry();
  createdMaximized_ = (owner->windowState() & Qt::WindowMaximized) != 0;
  owner->setMinimumSize(std::max(owner->minimumWidth(), kMinimumWidth),
                        std::max(owner->minimumHeight(), kMinimumHeight));
  size_t i = 0;
  for (Qt::Edge edge : {Qt::TopEdge, Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge}) {
    grips_[i++] = new SkinFrameGrip(owner, edge, this, host);
  }
  systemMenuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), owner);
  connect(systemMenuKey_, &QShortcut::activated, this, [this] { host_->PopupSystemMenu(); });
  TakeOver();
  owner->installEventFilter(this);
}

// The grips and the key are the frame's own parts and go with it, also while the owner is being
// destroyed (it deletes its children one by one, the form and so this frame before the grips):
// none of them outlives the frame and the host it acts on.
SkinFrameWindow::~SkinFrameWindow() {
  for (const QPointer<SkinFrameGrip>& grip : grips_) delete grip.data();
  delete systemMenuKey_.data();
  if (!ownerGone_) Release();
}

QMdiSubWindow* SkinFrameWindow::SubWindow() const {
  return qobject_cast<QMdiSubWindow*>(owner_->parentWidget());
}

QWidget* SkinFrameWindow::FrameWindow() const {
  QMdiSubWindow* sub = SubWindow();
  return sub != nullptr ? static_cast<QWidget*>(sub) : owner_;
}

// The window shows no frame or caption of the platform's.
void SkinFrameWindow::TakeOver() {
  QWidget* window = FrameWindow();
  if (!window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    if (shown) window->show();
  }
  if (createdMaximized_ && SubWindow() == nullptr) {
    // Maximizing is the frame's own; the platform shows the window normal.
    owner_->setWindowState(owner_->windowState() & ~Qt::WindowMaximized);
  }
  QMdiSubWindow* sub = SubWindow();
  if (sub != watchedSubWindow_) {
    if (watchedSubWindow_ != nullptr) watchedSubWindow_->removeEventFilter(this);
    watchedSubWindow_ = sub;
    if (sub != nullptr) sub->installEventFilter(this);
  }
}

void SkinFrameWindow::ReAssign() { TakeOver(); }

void SkinFrameWindow::Release() {
  owner_->removeEventFilter(this);
  if (watchedSubWindow_ != nullptr) watchedSubWindow_->removeEventFilter(this);
  QWidget* window = FrameWindow();
  window->clearMask();
  owner_->setContentsMargins(ownerMargins_);
  if (window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::FramelessWindowHint, false);
    if (shown) window->show();
  }
}

QMargins SkinFrameWindow::Margins() const { return FormFrameMargins(host_->Frame(owner_->size())); }

void SkinFrameWindow::Refresh() {
  owner_->setContentsMargins(Margins() + QMargins(0, host_->HeadHeight(), 0, 0));
  PlaceGrips();
  host_->FrameChanged();
  ApplyShape();
  RepaintFrame();
}

void SkinFrameWindow::PlaceGrips() {
  const QMargins m = Margins();
  const int W = owner_->width(), H = owner_->height();
  const QRect places[] = {QRect(0, 0, W, m.top()), QRect(0, H - m.bottom(), W, m.bottom()),
                          QRect(0, m.top(), m.left(), H - m.top() - m.bottom()),
                          QRect(W - m.right(), m.top(), m.right(), H - m.top() - m.bottom())};
  for (size_t i = 0; i < grips_.size(); ++i) {
    if (grips_[i] == nullptr) continue;
    grips_[i]->setGeometry(places[i]);
    grips_[i]->raise();
    grips_[i]->show();
  }
}

void SkinFrameWindow::RepaintFrame() {
  owner_->update(QRegion(owner_->rect()) - QRegion(owner_->rect().marginsRemoved(Margins())));
}

void SkinFrameWindow::ApplyShape() {
  QWidget* window = FrameWindow();
  const QRegion shape = host_->Shape(window->size());
  if (shape == QRegion(window->rect())) {
    window->clearMask();
  } else {
    window->setMask(shape);
  }
}

void SkinFrameWindow::Paint() {
  if (FrameWindow()->isMinimized()) return;
  QPainter painter(owner_);
  DrawFormFrame(painter, host_->Frame(owner_->size()));
}

bool SkinFrameWindow::IsMaximized() const {
  if (QMdiSubWindow* sub = SubWindow()) return sub->isMaximized();
  return maximized_;
}

void SkinFrameWindow::SetMaximized(bool maximized) {
  if (QMdiSubWindow* sub = SubWindow()) {
    if (maximized) {
      sub->showMaximized();
    } else {
      sub->showNormal();
    }
    return;
  }
  if (maximized) {
    Maximize();
  } else {
    Restore();
  }
}

void SkinFrameWindow::Maximize() {
  if (!maximized_) restoreBounds_ = createdMaximized_ ? designedBounds_ : owner_->normalGeometry();
  maximized_ = true;
  fitting_ = true;
  if (owner_->windowState() & Qt::WindowMaximized) {
    owner_->setWindowState(owner_->windowState() & ~Qt::WindowMaximized);
  }
  const QScreen* screen = owner_->screen();
  if (screen != nullptr) owner_->setGeometry(MaximizedFormBounds(screen->availableGeometry()));
  fitting_ = false;
  host_->FrameChanged();
}

void SkinFrameWindow::Restore() {
  if (!maximized_) return;
  maximized_ = false;
  createdMaximized_ = false;
  owner_->setGeometry(restoreBounds_);
  host_->FrameChanged();
}

void SkinFrameWindow::WindowResized() {
  PlaceGrips();
  host_->FrameChanged();
  ApplyShape();
  RepaintFrame();
}

bool SkinFrameWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == watchedSubWindow_) {
    if (e->type() == QEvent::WindowStateChange) host_->FrameChanged();
    return false;
  }
  if (watched != owner_) return false;
  switch (e->type()) {
    case QEvent::Paint:
      // The owner paints first; the frame goes over its edges.
      static_cast<QObject*>(owner_)->event(e);
      Paint();
      return true;
    case QEvent::Resize:
      WindowResized();
      break;
    case QEvent::Show:
      if (createdMaximized_ && !maximized_ && SubWindow() == nullptr) Maximize();
      break;
    case QEvent::WindowStateChange:
      // Maximizing, by whatever means, puts the window where the frame wants it.
      if ((owner_->windowState() & Qt::WindowMaximized) && SubWindow() == nullptr && !fitting_)
        Maximize();
      break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      host_->FrameActivated(e->type() == QEvent::WindowActivate);
      break;
    case QEvent::WindowTitleChange:
      host_->FrameCaptionChanged(owner_->windowTitle());
      break;
    case QEvent::ParentChange:
      TakeOver();
      Refresh();
      break;
    default:
      break;
  }
  return false;
}
