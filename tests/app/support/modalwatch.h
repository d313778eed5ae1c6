#pragma once
// Answers the modal windows that open while a test acts: message boxes are recorded by their
// text and closed; other modal windows (dialogs, the viewer) go to the test's answer, or are
// closed.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

class ModalWatch : public QObject {
 public:
  using Answer = std::function<void(QWidget* modal)>;

  explicit ModalWatch(Answer answer = {});
  ~ModalWatch() override;

  // While no test watches, a modal window that opens fails the running test and is closed, so
  // that an unexpected message box never blocks the run.
  static void GuardUnwatchedModals();

  // The texts of the message boxes seen so far.
  const QStringList& Messages() const { return messages_; }
  // Every modal window seen, by object name.
  const QStringList& Seen() const { return seen_; }

 private:
  void Look();

  static int watching_;

  Answer answer_;
  QTimer timer_;
  QStringList messages_;
  QStringList seen_;
};

// A file dialog's answer: the file typed in and the dialog accepted.
void ChooseFile(QWidget* dialog, const QString& file);

// The message box's answer for AskYesNo: presses its first ("Yes") or second ("No") button.
void PressMessageButton(QWidget* box, int index);
