#include "skin/look/builtinfiletheme.h"

#include <QFile>

TSkinBuiltInFileTheme::TSkinBuiltInFileTheme(QObject* owner) : TSkinFileTheme(owner) {}

QByteArray TSkinBuiltInFileTheme::SkinData() const {
  QFile file(sourceFile_);
  if (!sourceFile_.isEmpty() && file.open(QIODevice::ReadOnly)) return file.readAll();
  return data_;
}

void TSkinBuiltInFileTheme::SetSkinData(const QByteArray& bytes) {
  if (bytes.isEmpty()) return;  // nothing was stored
  // Loaded straight from memory: the reader takes everything from the bytes, so no temporary
  // file is needed.
  const QString label = objectName().isEmpty() ? QStringLiteral("SkinData")
                                               : objectName() + QStringLiteral(".SkinData");
  LoadThemeData(bytes, label);
  data_ = bytes;
}
