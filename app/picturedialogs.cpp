#include "app/picturedialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/messagebox.h"

const char* const kOpenPictureFilters =
    QT_TRANSLATE_NOOP("TPictureDialog",
                      "All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|"
                      "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp");
const char* const kSavePictureFilters = QT_TRANSLATE_NOOP(
    "TPictureDialog",
    "JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf");

QStringList QtNameFilters(const QString& filters) {
  const QStringList fields = filters.split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < fields.size(); i += 2) {
    QString text = fields[i];
    // The text may show its patterns already; Qt reads them from the parentheses, so they are
    // written once, from the pattern field.
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (open >= 0 && text.endsWith(QLatin1Char(')'))) text.truncate(open);
    QString patterns = fields[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    result << text.trimmed() + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
  }
  return result;
}

TPictureDialog::TPictureDialog(Mode mode, const QString& filters, int filterIndex)
    : mode_(mode), filters_(QtNameFilters(filters)), filterIndex_(filterIndex) {}

namespace {

// Whether to replace the file that exists: No unless the user says Yes.
bool AskReplace(const QString& file, QWidget* parent) {
  return AskYesNo(
      QCoreApplication::translate("TPictureDialog", "%1 已经存在。\n要替换它吗?").arg(file), parent,
      DefaultAnswer::No);
}

}  // namespace

QString TPictureDialog::Execute(QWidget* parent, FolderPurpose purpose,
                                const WrittenName& writtenName) {
  QString offered = fileName_;
  for (;;) {
    QFileDialog dialog(parent);
    dialog.setObjectName(mode_ == Mode::Open ? QStringLiteral("OpenPictureDialog")
                                             : QStringLiteral("SavePictureDialog"));
    dialog.setWindowTitle(mode_ == Mode::Open
                              ? QCoreApplication::translate("TPictureDialog", "Open")
                              : QCoreApplication::translate("TPictureDialog", "Save As"));
    dialog.setAcceptMode(mode_ == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(mode_ == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The one question about replacing a file is ours, below.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters_);
    if (filterIndex_ >= 1 && filterIndex_ <= filters_.size()) {
      dialog.selectNameFilter(filters_[filterIndex_ - 1]);
    }
    const QString folder = LastFolder(purpose);
    dialog.setDirectory(folder);
    // The save dialog offers the file written last; the open dialog, shared by two purposes,
    // offers its file only where it starts.
    if (!offered.isEmpty() &&
        (mode_ == Mode::Save || QFileInfo(offered).absolutePath() == QDir(folder).absolutePath())) {
      dialog.selectFile(offered);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const qsizetype chosenFilter = filters_.indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0) filterIndex_ = static_cast<int>(chosenFilter) + 1;
    const QString file = dialog.selectedFiles().first();
    RememberFolder(purpose, QFileInfo(file).absolutePath());
    if (mode_ == Mode::Open) return file;
    const QString written = writtenName ? writtenName(file, filterIndex_) : file;
    if (!QFileInfo::exists(written) || AskReplace(written, parent)) return file;
    offered = file;
  }
}
