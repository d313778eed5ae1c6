#pragma once
// TSkinListBox: the skinned list box. It paints its items itself: the item's text in one line,
// two pixels in, vertically centred and placed by Alignment, ampersands shown as they are; a
// selected item on SelectedColor in SelectedTextColor; the text of a disabled item, and of every
// item while the list is disabled, in DisabledTextColor; the focus rectangle around the current
// item while the list has the focus (ShowFocusRect). An OnDrawItem handler takes over the
// painting of each item, given a painter whose brush and pen carry those colours.
//
// Items are ItemHeight pixels high (Style lbOwnerDrawFixed, the default) or each as high as its
// text (lbOwnerDrawVariable, OnMeasureItem may say otherwise); lbStandard leaves items to Qt.
// Painting costs the visible rows only, so lists of tens of thousands of items scroll freely.
// HorizontalExtent makes the items that wide and lets the list scroll sideways to see them.
//
// OnClick follows the user's choice of an item, by mouse or keyboard; OnKeyDown sees every key
// pressed in the list before the list acts on it.
#include <QStringList>
#include <QStyle>

#include "skin/inputs/listboxbase.h"

class TSkinListBox : public SkinListBoxBase {
  Q_OBJECT
  Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(TColor SelectedColor READ SelectedColor WRITE SetSelectedColor)
  Q_PROPERTY(TColor SelectedTextColor READ SelectedTextColor WRITE SetSelectedTextColor)
  Q_PROPERTY(TColor DisabledTextColor READ DisabledTextColor WRITE SetDisabledTextColor)
  Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE SetShowFocusRect)
  Q_PROPERTY(TListBoxStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
  Q_PROPERTY(int ItemIndex READ currentRow WRITE setCurrentRow)
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
  Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
  Q_PROPERTY(bool Sorted READ isSortingEnabled WRITE setSortingEnabled)
  Q_PROPERTY(int HorizontalExtent READ HorizontalExtent WRITE SetHorizontalExtent)

 public:
  enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
  Q_ENUM(TListBoxStyle)

  explicit TSkinListBox(QWidget* owner = nullptr);

  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor value);
  TColor SelectedTextColor() const { return selectedTextColor_; }
  void SetSelectedTextColor(TColor value);
  TColor DisabledTextColor() const { return disabledTextColor_; }
  void SetDisabledTextColor(TColor value);
  bool ShowFocusRect() const { return showFocusRect_; }
  // Repaints only while the list has the focus; otherwise the next paint shows it.
  void SetShowFocusRect(bool value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  QStringList Items() const;
  void SetItems(const QStringList& items);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  int HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(int value);

  // The text's width in pixels (width 0 or less), else the height of the text set in one line
  // in a width of width - 2 pixels, 255 at most; in the list's font.
  int MeasureString(const QString& text, int width) const;

  // How an item is painted and measured; the item delegate asks these.
  virtual void DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state);
  virtual void DefaultDrawItem(QPainter& painter, int index, const QRect& rect);
  virtual int MeasureItem(int index);
  QSize ItemSize(int index);

 signals:
  void OnClick();
  void OnKeyDown(int key, Qt::KeyboardModifiers shift);
  // painter carries the item's colours in its brush (background) and pen (text).
  void OnDrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state);
  // height arrives as ItemHeight.
  void OnMeasureItem(int index, int& height);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplySelectionMode();
  // Items are laid out again with their new sizes.
  void Relayout();

  Qt::Alignment alignment_ = Qt::AlignLeft;
  TColor selectedColor_ = clHighlight;
  TColor selectedTextColor_ = clHighlightText;
  TColor disabledTextColor_ = clGrayText;
  bool showFocusRect_ = true;
  TListBoxStyle style_ = lbOwnerDrawFixed;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  int horizontalExtent_ = 0;
  bool selectionTouched_ = false;  // the selection changed since the key press began
};
