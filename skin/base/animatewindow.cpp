#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "skin/base/animatewindow_p.h"
#include "skin/base/timer_p.h"

namespace {

constexpr int kFrameMs = 10;
constexpr char kRunningSlide[] = "SkinAnimateWindow";

// The part of a w × h window shown at `visible` (0..1), anchored at the edge the flags say.
QRegion VisiblePart(const QSize& size, std::uint32_t flags, bool showing, double visible) {
  QRect part(QPoint(0, 0), size);
  const auto along = [visible](int length) { return static_cast<int>(length * visible); };
  // A show grows away from the edge it starts at; a hide withdraws toward the edge it moves to.
  const auto anchorAtEnd = [showing](bool negative) { return negative == showing; };
  if (flags & (kSkinAnimateHorPositive | kSkinAnimateHorNegative)) {
    const int w = along(size.width());
    const bool end = anchorAtEnd(flags & kSkinAnimateHorNegative);
    part.setLeft(end ? size.width() - w : 0);
    part.setWidth(w);
  }
  if (flags & (kSkinAnimateVerPositive | kSkinAnimateVerNegative)) {
    const int h = along(size.height());
    const bool end = anchorAtEnd(flags & kSkinAnimateVerNegative);
    part.setTop(end ? size.height() - h : 0);
    part.setHeight(h);
  }
  // An empty region would mean "no mask", i.e. the whole window.
  if (part.isEmpty()) return QRegion(-1, -1, 1, 1);
  return QRegion(part);
}

// One slide, a child of its window named kRunningSlide while it runs. It measures its progress
// on the tick count at every frame, so late frames do not make it last longer.
class WindowSlide : public QObject {
 public:
  WindowSlide(QWidget* window, int timeMs, std::uint32_t flags, std::function<void()> ended)
      : QObject(window),
        window_(window),
        time_(timeMs),
        flags_(flags),
        showing_(!(flags & kSkinAnimateHide)),
        ended_(std::move(ended)),
        start_(SkinTickCount()),
        frames_(this) {
    setObjectName(QLatin1String(kRunningSlide));
    connect(&frames_, &SkinTimer::Tick, this, &WindowSlide::Step);
  }

  void Start() {
    ShowPart(0.0);
    if (showing_ && !window_->isVisible()) window_->show();
    frames_.Start(kFrameMs);
  }

  void Finish() {
    frames_.Stop();
    setObjectName(QString());  // it lingers until deleted; not the running one
    if (!showing_) window_->hide();
    window_->clearMask();
    deleteLater();
    const std::function<void()> ended = std::move(ended_);
    if (ended) ended();  // may delete the window, and this slide with it
  }

 private:
  void Step() {
    const auto elapsed = static_cast<std::int32_t>(SkinTickCount() - start_);
    if (elapsed >= time_) {
      Finish();
      return;
    }
    ShowPart(static_cast<double>(elapsed) / time_);
  }

  void ShowPart(double progress) {
    window_->setMask(
        VisiblePart(window_->size(), flags_, showing_, showing_ ? progress : 1 - progress));
  }

  QWidget* window_;
  int time_;
  std::uint32_t flags_;
  bool showing_;
  std::function<void()> ended_;
  std::uint32_t start_;
  SkinTimer frames_;
};

WindowSlide* RunningSlide(QWidget* window) {
  for (QObject* child : window->children()) {
    if (child->objectName() == QLatin1String(kRunningSlide)) {
      if (auto* slide = dynamic_cast<WindowSlide*>(child)) return slide;
    }
  }
  return nullptr;
}

}  // namespace

bool SkinAnimateWindow(QWidget* window, int timeMs, std::uint32_t flags,
                       std::function<void()> ended) {
  constexpr std::uint32_t kDirections = kSkinAnimateHorPositive | kSkinAnimateHorNegative |
                                        kSkinAnimateVerPositive | kSkinAnimateVerNegative;
  if (window == nullptr || timeMs <= 0 || (flags & kDirections) == 0) return false;
  const QPointer<QWidget> alive(window);
  SkinFinishWindowAnimation(window);
  if (alive.isNull()) return false;  // the finished slide's end deleted it
  auto* slide = new WindowSlide(window, timeMs, flags, std::move(ended));
  slide->Start();
  return true;
}

bool SkinFinishWindowAnimation(QWidget* window) {
  WindowSlide* slide = window != nullptr ? RunningSlide(window) : nullptr;
  if (slide == nullptr) return false;
  slide->Finish();
  return true;
}
