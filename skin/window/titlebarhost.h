#pragma once
// What a title bar asks of the skinned form that carries it (a TSkinForm, or the top of a
// TSkinMDIForm's window): how its pictures line up with the frame, and the window it moves,
// maximizes, minimizes and closes. A title bar without such a host works on its own window.
#include <QPoint>

class QWidget;

class SkinTitleBarHost {
 public:
  // The width of the frame's side-border picture; 0 without one.
  virtual int SideBorderWidth() const = 0;
  // Where the bar sits in the window: it draws its pictures that far up and to the left, so that
  // they continue the frame's top band.
  virtual QPoint TitleBarOffset() const = 0;
  virtual bool IsMDIFrame() const = 0;
  // The window the bar moves, maximizes, minimizes and closes.
  virtual QWidget* FormWindow() const = 0;
  virtual bool FormMaximized() const = 0;
  virtual void SetFormMaximized(bool maximized) = 0;

 protected:
  ~SkinTitleBarHost() = default;
};
