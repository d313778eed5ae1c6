#pragma once
// SkinFrameWindow: a skinned form's hold on the window it takes over. The window loses the
// platform's frame and caption; its edges become the skinned frame, painted here, with grips
// that resize a sizeable window (or move one that is not) and show the matching cursors; its
// shape follows the form's corners; maximizing puts it on the work area grown as the frame
// needs; Alt+Space opens the system menu. Whatever the frame shows comes from the host form.
//
// The window is the owner form itself, or, for a form shown as an MDI child, the sub-window
// around it. Releasing the hold (deleting this while the owner lives) gives the platform's frame
// back.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>

#include "skin/window/formframe_p.h"

class QMdiSubWindow;
class QShortcut;
class QWidget;
class SkinFrameGrip;

// What the frame window asks of the form that took it over.
class SkinFrameHost {
 public:
  // The frame to paint on a window of the given size.
  virtual SkinFormFrame Frame(const QSize& window) const = 0;
  virtual QRegion Shape(const QSize& window) const = 0;
  virtual bool Sizeable() const = 0;
  // Rows below the frame's top band that the form's head (title and menu bars) takes in the
  // owner itself; the owner's contents lie below them.
  virtual int HeadHeight() const = 0;
  // The window's size, state or frame changed: lay the contents out and draw again.
  virtual void FrameChanged() = 0;
  virtual void FrameActivated(bool active) = 0;
  virtual void FrameCaptionChanged(const QString& caption) = 0;
  virtual void PopupSystemMenu() = 0;

 protected:
  ~SkinFrameHost() = default;
};

class SkinFrameWindow : public QObject {
  Q_OBJECT

 public:
  SkinFrameWindow(QWidget* owner, SkinFrameHost* host);
  ~SkinFrameWindow() override;

  QWidget* Owner() const { return owner_; }
  // False once the owner has begun to be destroyed.
  bool OwnerAlive() const { return !ownerGone_; }
  // The sub-window around an owner shown as an MDI child, else null.
  QMdiSubWindow* SubWindow() const;
  // What moves, maximizes and closes: the sub-window, or the owner.
  QWidget* FrameWindow() const;

  bool IsMaximized() const;
  void SetMaximized(bool maximized);

  // The frame's thickness now: the owner's contents lie inside it.
  QMargins Margins() const;
  // The frame's look changed: new margins, grips, shape and paint.
  void Refresh();
  void RepaintFrame();
  void ApplyShape();
  // Takes the platform's frame off again, should the window have got it back.
  void ReAssign();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void TakeOver();
  void Release();
  void PlaceGrips();
  void Paint();
  void WindowResized();
  void Maximize();
  void Restore();

  QWidget* owner_;
  SkinFrameHost* host_;
  bool ownerGone_ = false;
  QMargins ownerMargins_;  // the owner's own, given back on release
  QRect designedBounds_;   // where a form created maximized goes when restored
  bool createdMaximized_ = false;
  bool maximized_ = false;
  bool fitting_ = false;  // the window is being put on the work area
  QRect restoreBounds_;
  std::array<QPointer<SkinFrameGrip>, 4> grips_;
  QPointer<QShortcut> systemMenuKey_;
  // Held as a plain object: the filter still sees it while it is being destroyed, when it is a
  // sub-window no more.
  QPointer<QObject> watchedSubWindow_;
};
