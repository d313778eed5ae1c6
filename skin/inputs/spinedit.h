#pragma once
// TSkinSpinEdit: a skinned edit for a whole number with skinned up and down buttons inside its
// right edge. The buttons, and the Up and Down keys, add or take away Increment (a read-only
// edit beeps instead); MinValue..MaxValue bound the value unless both are equal. Typing takes
// digits, "-" and control characters; with EditorEnabled off nothing can be typed, deleted,
// cut or pasted, and only the buttons change the value. Text that is no number reads as
// MinValue; leaving the edit puts an out-of-range value back into range.
#include "skin/inputs/edit.h"

class TSkinSpinButtons;

class TSkinSpinEdit : public TSkinEdit {
  Q_OBJECT
  Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
  Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
  Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
  Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
  Q_PROPERTY(int Value READ Value WRITE SetValue)

 public:
  explicit TSkinSpinEdit(QWidget* owner = nullptr);

  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  // The text as a whole number; MinValue when it is none.
  int Value() const;
  // Shows the value, brought into range.
  void SetValue(int value);

  TSkinSpinButtons* Button() const { return buttons_; }

  virtual void UpClick();
  virtual void DownClick();

 protected:
  virtual bool IsValidChar(QChar c) const;
  // value brought into MinValue..MaxValue, or as it is when they are equal.
  int CheckValue(long long value) const;

  // The spin buttons take the edit's look.
  void LookChanged() override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Step(int direction);
  // Whether the text may change other than through the buttons.
  bool Editable() const { return editorEnabled_ && !isReadOnly(); }

  TSkinSpinButtons* buttons_;
  bool editorEnabled_ = true;
  int increment_ = 1;
  int maxValue_ = 0;
  int minValue_ = 0;
};
