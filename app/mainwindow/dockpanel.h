#pragma once
// A plain panel in the window's colour, optionally with a lowered bevel, that docks its
// children to its sides: on every resize the top, then bottom, left and right children take
// their side of what is left (each kind in the order docked), and the client child the rest.
// Children that are not docked keep their place.
#include <QFrame>
#include <utility>
#include <vector>

#include "skin/base/enums.h"

class TDockPanel : public QFrame {
  Q_OBJECT
 public:
  enum class Bevel { None, Lowered };

  TDockPanel(QWidget* parent, Bevel bevel);

  void Dock(QWidget* child, TAlign align);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void DockChildren();
  // Gives the child its side of rest and takes that side off; the client child is only noted.
  static void DockChild(QWidget* child, TAlign align, QRect& rest, QWidget*& client);

  std::vector<std::pair<QWidget*, TAlign>> docked_;
};
