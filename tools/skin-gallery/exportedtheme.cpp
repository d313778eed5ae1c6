#include "exportedtheme.h"

#include <QBuffer>
#include <QImage>

#include "skin/skinthemefilewriter.h"

std::unique_ptr<TSkinFileTheme> ExportedTheme(TSkinUIStyle look, const QString& file) {
  TSkinThemeFileWriter writer(file);
  for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
    const QString name = SKIN_FILETHEME_ITEMNAME[entry];
    switch (SKIN_ITEM_TYPE[entry]) {
      case skinItemInt:
        writer.AddInteger(name, GetInsideThemeInt(look, entry));
        break;
      case skinItemColor:
        writer.AddInteger(name, std::int32_t(GetInsideThemeColor(look, entry)));
        break;
      case skinItemBool:
        writer.AddBool(name, GetInsideThemeBool(look, entry));
        break;
      case skinItemBitmap: {
        QImage picture;
        GetInsideThemeBitmap(look, entry, &picture);
        if (picture.isNull()) break;  // the look has no picture for this entry
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
        writer.AddFileData(name, bytes);
        break;
      }
    }
  }
  writer.Save();
  auto theme = std::make_unique<TSkinFileTheme>();
  theme->SetThemeFile(file);
  return theme;
}
