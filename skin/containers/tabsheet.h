#pragma once
// TSkinTabSheet: one page of a TSkinPageControl. A sheet whose parent is a page control is one
// of its pages, in the order the pages were added; it fills the control's body and shows its
// Caption on its tab. Only the active page is enabled; the others stay behind it, disabled.
// Every new look the page control receives is handed down to the page's children.
#include <QString>

#include "skin/base/widget.h"

class TSkinPageControl;
Q_MOC_INCLUDE("skin/containers/pagecontrol.h")

class TSkinTabSheet : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TSkinPageControl* PageControl READ PageControl WRITE SetPageControl)
  Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)

 public:
  // Created on a page control, the sheet is added as its last page and becomes active.
  explicit TSkinTabSheet(QWidget* owner = nullptr);
  // Leaves its page control first, which then activates another page.
  ~TSkinTabSheet() override;

  TSkinPageControl* PageControl() const { return pageControl_; }
  // The page control becomes the sheet's parent; none makes it a window of its own.
  void SetPageControl(TSkinPageControl* pageControl);
  // Position among the pages, -1 outside a page control. Moving a page makes it active;
  // indexes outside the pages are ignored.
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int index);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& value);
  // Whether the page has a tab. Hiding the active page's tab activates the nearest page
  // before it with a tab, else the nearest after it.
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);

 signals:
  void OnShow();
  void OnHide();

 protected:
  bool HandsLookDown() const override { return true; }
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class TSkinPageControl;
  // Joins the page control that is now its parent and leaves the one it had.
  void FollowParent();
  void DoShow() { emit OnShow(); }
  void DoHide() { emit OnHide(); }

  TSkinPageControl* pageControl_ = nullptr;
  int pageIndex_ = -1;
  QString caption_;
  bool tabVisible_ = true;
};
