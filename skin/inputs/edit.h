#pragma once
// TSkinEdit: Qt's line edit inside the skinned one-pixel frame (BorderColor outside, Color
// inside), two pixels deep. Everything else is the line edit's own: typing, selection, the
// clipboard, undo, input methods, the context menu.
#include <QLineEdit>

#include "skin/inputs/nativelook.h"

class TSkinEdit : public QLineEdit, public SkinNativeLook {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(QString Text READ text WRITE setText)
  Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
  Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)

 public:
  // The width of the frame around the text.
  static constexpr int kBorderWidth = 2;

  explicit TSkinEdit(QWidget* owner = nullptr);

  // 0: no limit.
  int MaxLength() const;
  void SetMaxLength(int value);
  // Entering the edit other than by a click selects the whole text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

 protected:
  // Whether a focus change of this reason enters or leaves the control, as opposed to the
  // window being switched or a pop-up menu opening and closing over it.
  static bool EntersOrLeaves(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
  }
  // How a typing filter turns a key down: Enter and Escape still reach the form's default and
  // cancel buttons; anything else beeps and is swallowed.
  void RefuseKey(QKeyEvent* event);
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool autoSelect_ = true;
};
