#pragma once
// TSkinRadioButton: a check box that only checks itself when clicked and unchecks the radio
// buttons beside it (same parent, same GroupIndex).
#include <QPointer>

#include "skin/buttons/checkbox.h"

class TSkinRadioButton : public TSkinCheckBox {
  Q_OBJECT
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

 public:
  explicit TSkinRadioButton(QWidget* owner = nullptr);

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }

  // Unchecks every other radio button of this parent with the same GroupIndex.
  void UnCheckGroup();

 protected:
  bool GetPicTransparent() const override { return true; }
  SkinEntry GetPicThemeIndex() const override { return SkinEntry::RadioButtonImage; }
  void CheckStateChanged() override;
  void DoClick() override;
  bool WantKeyUp() const override { return false; }
  // The items of a radio group answer True: moving the keyboard focus from one of them to
  // another radio button checks the one that receives it.
  virtual bool IsRadioGroupItem() const { return false; }

  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  int groupIndex_ = 0;
};
