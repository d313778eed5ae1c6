#pragma once
// TSkinNumberEdit: a skinned edit for a decimal number. It shows Value written by Mask (a
// pattern such as "0.00", see formatfloat_p.h) right-aligned, takes only digits, one decimal
// separator of the user's locale (when Mask has a point), a leading "-" (when Mask has one) and
// Backspace, and refuses every other typed character, control characters such as Ctrl+C and
// Ctrl+V included, with a beep. Every change of the text updates Value; leaving the edit
// writes Value by Mask again. Entering it, or clicking into it, selects the last
// AutoSelectSigns characters.
//
// Text that is no number (pasted from the context menu or set by a program) is taken back at
// once: the edit shows Value again and the conversion error goes to the skin library's error
// report (errorreport.h) on the next turn of the event loop.
#include "skin/inputs/edit.h"

class TSkinNumberEdit : public TSkinEdit {
  Q_OBJECT
  Q_PROPERTY(QString Mask READ Mask WRITE SetMask)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(int AutoSelectSigns READ AutoSelectSigns WRITE SetAutoSelectSigns)

 public:
  explicit TSkinNumberEdit(QWidget* owner = nullptr);

  const QString& Mask() const { return mask_; }
  // Shows Value by the new pattern.
  void SetMask(const QString& value);
  double Value() const { return value_; }
  void SetValue(double value);
  int AutoSelectSigns() const { return autoSelectSigns_; }
  void SetAutoSelectSigns(int value) { autoSelectSigns_ = value; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void TextChanged();
  bool Accepts(QChar c) const;
  void SelectLastSigns();

  QString mask_ = QStringLiteral("0.00");
  double value_ = 0;
  int autoSelectSigns_ = 2;
};
