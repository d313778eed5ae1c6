#pragma once
// The program's message boxes: a text and its buttons in the program's look, shown modally.
// The general error report and the program's own messages both use them.
#include <QString>

class QWidget;

// Shows the text with an OK button and returns when it is closed.
void ShowMessage(const QString& text, QWidget* parent = nullptr);

enum class DefaultAnswer { Yes, No };

// Shows the question with Yes and No buttons, Enter pressing the default one; true for Yes.
// Closing the box answers No.
bool AskYesNo(const QString& question, QWidget* parent = nullptr,
              DefaultAnswer preferred = DefaultAnswer::Yes);

// The answers to the question whether to save first.
enum class SaveChoice { Save, DontSave, Cancel };

// Shows the question with the buttons Save, Don't save and Cancel; closing the box cancels.
SaveChoice AskToSave(const QString& question, QWidget* parent = nullptr);
