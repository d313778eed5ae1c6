#pragma once
// The batch window's folder chooser: a folder dialog with the button's title, folders only.
// There is no drive "C:" to root it at here: it starts in the folder chosen last for the same
// purpose (at first the user's pictures or home folder), and every folder can be reached.
#include <QString>

#include "app/lastfolders.h"

class QWidget;

// The chosen folder, or an empty text when the dialog was cancelled.
// The chosen folder becomes the purpose's last folder.
QString ChooseFolder(const QString& title, QWidget* parent, FolderPurpose purpose);
