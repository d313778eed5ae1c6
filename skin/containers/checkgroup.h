#pragma once
// TSkinCheckGroup: a group box with one check box per line of Items, arranged in Columns that
// fill top to bottom, below TopMargin. Every change of an item's Checked raises the group's
// OnClick once, with the group as sender, as does a click on the group's free area. The group
// takes the Tab stop and hands the focus to its first item.
#include <QStringList>
#include <vector>

#include "skin/containers/groupbox.h"

class TSkinCheckBox;

class TSkinCheckGroup : public TSkinCustomGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
  Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
  Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)

 public:
  explicit TSkinCheckGroup(QWidget* owner = nullptr);

  // One item per line, in order; lines added or removed add or remove items at the end.
  const QStringList& Items() const { return items_; }
  void SetItems(const QStringList& items);
  // At least 1: other values are ignored.
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // Room above the first row; negative values are ignored.
  int TopMargin() const { return topMargin_; }
  void SetTopMargin(int value);
  // Outside the items these read False and writing does nothing.
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  bool ItemEnabled(int index) const;
  void SetItemEnabled(int index, bool enabled);
  using TSkinCustomGroupBox::FontColor;
  using TSkinCustomGroupBox::SetFontColor;

 protected:
  // Makes one item, a child of the group.
  virtual TSkinCheckBox* CreateAButton();
  // The item that takes the focus given to the group; none keeps it on the group.
  virtual QWidget* FocusTarget() const;
  const std::vector<TSkinCheckBox*>& ItemButtons() const { return buttons_; }

  void TransparentChanged() override;
  void ColorChanged() override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void UpdateButtons();
  void ArrangeButtons();

  QStringList items_;
  std::vector<TSkinCheckBox*> buttons_;
  int columns_ = 1;
  int topMargin_ = 8;
};
