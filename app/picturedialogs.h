#pragma once
// The open and save dialogs for pictures. Each dialog object keeps its file name and its
// filter index (from 1) between runs, so the next run offers them again.
#include <QString>
#include <QStringList>
#include <functional>

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

  // The name a save writes for the chosen name and filter index (it may gain an extension).
  using WrittenName = std::function<QString(const QString& chosen, int filterIndex)>;

  // Shows the dialog and returns the chosen file, empty when cancelled. The chosen filter is
  // kept; the file name is not (a save that fails keeps the name saved last). The dialog starts
  // in the folder used last for the purpose, and the chosen file's folder becomes that folder.
  // A save dialog asks before replacing the file that writtenName (the chosen name itself
  // without one) names, in the program's box with No as the default; No shows the dialog again
  // with that choice.
  QString Execute(QWidget* parent, FolderPurpose purpose, const WrittenName& writtenName = {});

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
