#pragma once
// The open and save dialogs for pictures. Each dialog object keeps its file name and its
// filter index (from 1) between runs, so the next run offers them again.
#include <QString>
#include <QStringList>

#include "app/lastfolders.h"

class QWidget;

// Filters written as "text|patterns|text|patterns", patterns separated by ';', in Qt's form:
// "text (pattern pattern)", the patterns taken from the second field.
QStringList QtNameFilters(const QString& filters);

// The open and save dialogs offer FileName when they open; the caller sets it.
class TPictureDialog {
 public:
  enum class Mode { Open, Save };

  TPictureDialog(Mode mode, const QString& filters, int filterIndex = 1);

  // Shows the dialog and returns the chosen file, empty when cancelled. The chosen filter is
  // kept; the file name is not (a save that fails keeps the name saved last). A save dialog asks
  // before replacing a file that exists. The dialog starts in the folder used last for the
  // purpose, and the chosen file's folder becomes that folder.
  QString Execute(QWidget* parent, FolderPurpose purpose);

  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& name) { fileName_ = name; }
  int FilterIndex() const { return filterIndex_; }

 private:
  Mode mode_;
  QStringList filters_;
  int filterIndex_;
  QString fileName_;
};

// The open dialog's filters and the save dialog's (whose index is the kind SavePicture writes).
extern const char* const kOpenPictureFilters;
extern const char* const kSavePictureFilters;
inline constexpr int kSaveDialogStartIndex = 2;

// Before saving: when the name gains its extension on writing (written differs from name) and
// a file of the written name exists, asks whether to replace it. True to go on.
bool ConfirmReplaceWritten(const QString& name, const QString& written, QWidget* parent);
