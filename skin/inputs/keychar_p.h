#pragma once
// The character a key press types, as the edit boxes' typing filters judge it: Ctrl with a
// letter types its control character (Ctrl+C is 3, Ctrl+V 22), Backspace 8, Enter 13, Escape
// 27. Keys that type nothing (arrows, Home, Delete, function keys, modifiers alone) give none;
// they only move or delete and pass every filter.
#include <QChar>
#include <optional>

class QKeyEvent;

std::optional<QChar> TypedChar(const QKeyEvent& event);

// Sounds the system's beep, or, while a SkinBeepRecorder exists, only counts it.
void SkinBeep();

class SkinBeepRecorder {
 public:
  SkinBeepRecorder();
  ~SkinBeepRecorder();
  SkinBeepRecorder(const SkinBeepRecorder&) = delete;
  SkinBeepRecorder& operator=(const SkinBeepRecorder&) = delete;

  int Count() const { return count_; }

 private:
  friend void SkinBeep();
  SkinBeepRecorder* previous_;
  int count_ = 0;
};
