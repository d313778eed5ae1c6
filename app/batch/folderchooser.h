#pragma once
// The batch window's folder chooser: a folder dialog with the button's title, folders only.
// There is no drive "C:" to root it at here: it starts in the user's home folder, and every
// folder can be reached.
#include <QString>

class QWidget;

// The chosen folder, or an empty text when the dialog was cancelled.
QString ChooseFolder(const QString& title, QWidget* parent);
