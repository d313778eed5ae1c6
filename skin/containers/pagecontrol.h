#pragma once
// TSkinPageControl: a tabbed container with one TSkinTabSheet page per tab. Choosing a tab
// (with the mouse, after OnChanging, or by code) brings its page to the front, enables it,
// disables the page before it, and focuses the new page's first control when that can take
// focus. The strip always shows the active page's tab: there is an active page whenever there
// are pages, and OnChange follows every change of the active tab or page.
//
// Ctrl+Tab and Ctrl+Shift+Tab show the next and previous page with a tab, wrapping around, in
// the page control that holds the keyboard focus, or else in the window's only page control.
//
//   auto* pages = new TSkinPageControl(panel);
//   auto* automatic = new TSkinTabSheet(pages);
//   automatic->SetCaption("Automatic");
//   auto* manual = new TSkinTabSheet(pages);
//   manual->SetCaption("Manual");
//   pages->SetActivePage(automatic);
//   QObject::connect(pages, &TSkinPageControl::OnChange, window, &Window::PageChanged);
#include <QStringList>
#include <vector>

#include "skin/base/dialogkeys.h"
#include "skin/containers/tab.h"
#include "skin/containers/tabsheet.h"

class TSkinPageControl : public TSkinTab, public SkinDialogKeyTarget {
  Q_OBJECT
  Q_PROPERTY(TSkinTabSheet* ActivePage READ ActivePage WRITE SetActivePage)
  Q_PROPERTY(int ActivePageIndex READ ActivePageIndex WRITE SetActivePageIndex)
  Q_PROPERTY(int PageCount READ PageCount)

 public:
  explicit TSkinPageControl(QWidget* owner = nullptr);
  ~TSkinPageControl() override;

  // None only while there are no pages; a sheet of another page control is ignored.
  TSkinTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TSkinTabSheet* sheet);
  // The active page's index, 0 without pages; indexes outside the pages are ignored.
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // None outside the pages.
  TSkinTabSheet* Pages(int index) const;
  // The next (or previous) page with a tab after `from`, wrapping around; none when there is
  // no other. Without `from` the search starts at the first (or last) page.
  TSkinTabSheet* FindNextPage(const TSkinTabSheet* from, bool forward) const;
  // Activates FindNextPage from the active page; with no other page nothing changes.
  void SelectNextPage(bool forward);
  // Adds a page named and captioned "skinTabSheet<n>", unique in the window, and activates it.
  TSkinTabSheet* NewPage();

  bool DialogKey(const QKeyEvent& key) override;

 protected:
  void TabActive(int index) override;
  bool AllowsNoActiveTab() const override { return false; }
  void ColorChanged() override;
  bool event(QEvent* event) override;

 private:
  friend class TSkinTabSheet;
  void InsertPage(TSkinTabSheet* sheet);
  void RemovePage(TSkinTabSheet* sheet);
  void MovePage(TSkinTabSheet* sheet, int index);
  void TabVisibilityChanged(TSkinTabSheet* sheet);
  // Page indexes follow the list; the strip's captions and tab visibility follow the pages.
  void RebuildTabs();
  void LayoutPages();
  // Shows sheet with its tab active, raising OnChange when the tab or the page changes.
  void Activate(TSkinTabSheet* sheet);
  // Brings sheet to the front, enabled, the previous page disabled; OnHide and OnShow.
  void ShowPage(TSkinTabSheet* sheet, bool focusFirstControl);
  // Whether Ctrl+Tab in this window is this page control's.
  bool TakesPageKeys() const;

  std::vector<TSkinTabSheet*> pages_;
  TSkinTabSheet* active_ = nullptr;
};
