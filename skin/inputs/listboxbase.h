#pragma once
// SkinListBoxBase: what the skinned list boxes share. Qt's list widget inside the skinned
// one-pixel frame, two pixels deep, with an optional skinned vertical scroll bar (VScrollBar)
// laid over the native one and kept in step with it: shown while the list has more items than
// fit, hidden otherwise. The bar is a sibling of the list; attaching it moves it into the list's
// parent.
#include <QListWidget>

#include "skin/inputs/nativelook.h"

class SkinAttachedBars;
class TSkinScrollBar;

class SkinListBoxBase : public QListWidget, public SkinNativeLook {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(TSkinScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)

 public:
  static constexpr int kBorderWidth = 2;

  TSkinScrollBar* VScrollBar() const;
  void SetVScrollBar(TSkinScrollBar* bar);

 protected:
  explicit SkinListBoxBase(QWidget* owner);

  // The attached bar takes the list's look.
  void LookChanged() override;
  bool event(QEvent* event) override;

 private:
  SkinAttachedBars* bars_;
};
