#include "app/mail/attachment.h"

#include <QDir>
#include <QStandardPaths>

#include "app/filenames.h"
#include "sketch/picturefile.h"

namespace {
const char* const kAttachmentName = "sketch.jpg";
}  // namespace

// A folder that cannot be made shows as the write's own error, which names the file.
std::filesystem::path AttachmentFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                         QStringLiteral("/graphitine");
  QDir().mkpath(folder);
  return PathOf(folder);
}

std::filesystem::path WriteAttachment(const graphitine::Raster& sketch) {
  const std::filesystem::path file = AttachmentFolder() / kAttachmentName;
  graphitine::WritePicture(sketch, file, graphitine::PictureFormat::Jpeg,
                           {sketch.Width(), sketch.Height()});
  return file;
}
