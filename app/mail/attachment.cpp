#include "app/mail/attachment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "sketch/picturefile.h"

namespace {

const char* const kAttachmentName = "sketch.jpg";

// Asking for permission is not enough: root passes every permission test, yet a read-only or
// virtual file system still refuses new files.
bool TakesFiles(const std::filesystem::path& folder) {
  QTemporaryFile probe(QFile::decodeName(QByteArray::fromStdString(folder.string())) +
                       QStringLiteral("/.graphitine-XXXXXX"));
  return probe.open();
}

}  // namespace

std::filesystem::path AttachmentFolder(const std::filesystem::path& programFolder) {
  if (TakesFiles(programFolder)) return programFolder;
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  // Without a home there is no cache either: the program folder's own error is reported.
  if (cache.isEmpty()) return programFolder;
  QDir().mkpath(cache);
  return QFile::encodeName(cache).toStdString();
}

std::filesystem::path WriteAttachment(const graphitine::Raster& sketch,
                                      const std::filesystem::path& programFolder) {
  const std::filesystem::path file = AttachmentFolder(programFolder) / kAttachmentName;
  graphitine::WritePicture(sketch, file, graphitine::PictureFormat::Jpeg,
                           {sketch.Width(), sketch.Height()});
  return file;
}
