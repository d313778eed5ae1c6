#pragma once
// The folders the program's file dialogs used last, one for each purpose, remembered across
// runs in the user's configuration folder (graphitine/graphitine.conf under
// $XDG_CONFIG_HOME, ~/.config by default). Remembering is a convenience: a settings file that
// is missing, damaged or cannot be written is never an error. A damaged one is read as empty
// and written anew at the next remembering; one that cannot be written keeps nothing.
#include <QString>

enum class FolderPurpose { Open, Save, Paper, BatchAdd, BatchOutput };

// The folder used last for the purpose, while it still exists; else the user's pictures
// folder, or the home folder when there is none.
QString LastFolder(FolderPurpose purpose);

// The folder is the one used last for the purpose from now on, in this run and the next.
void RememberFolder(FolderPurpose purpose, const QString& folder);

// The settings file: empty when the user has no configuration folder.
QString SettingsFile();
