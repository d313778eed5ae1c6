#include <QApplication>
#include <QKeyEvent>

#include "skin/inputs/keychar_p.h"

namespace {
SkinBeepRecorder* currentRecorder = nullptr;
}

std::optional<QChar> TypedChar(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Backspace:
      return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(13);
    case Qt::Key_Escape:
      return QChar(27);
    default:
      break;
  }
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool ctrl = (mods & Qt::ControlModifier) != 0;
  const bool alt = (mods & Qt::AltModifier) != 0;
  if (ctrl != alt) {  // Ctrl and Alt together are AltGr, which types what the text says
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(key - Qt::Key_A + 1);
    return std::nullopt;
  }
  const QString text = event.text();
  if (text.isEmpty() || text[0].unicode() < 32 || text[0].unicode() == 127) return std::nullopt;
  return text[0];
}

void SkinBeep() {
  if (currentRecorder != nullptr) {
    ++currentRecorder->count_;
  } else {
    QApplication::beep();
  }
}

SkinBeepRecorder::SkinBeepRecorder() : previous_(currentRecorder) { currentRecorder = this; }

SkinBeepRecorder::~SkinBeepRecorder() { currentRecorder = previous_; }
