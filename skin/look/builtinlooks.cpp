// The built-in table of the five looks and its typed look-ups.
#include "skin/look/builtinlooks.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>

#include "skin/paint/slicing_p.h"

namespace {

// The table cell of a built-in look's entry of the given kind; null for any other style, an
// entry outside 1..48 or an entry of another kind.
const SkinEntryValue* BuiltInCell(TSkinUIStyle style, int entry, SkinItemKind kind) {
  const int column = static_cast<int>(style) - static_cast<int>(TSkinUIStyle::MacOS);
  if (column < 0 || column >= kSkinBuiltInLookCount) return nullptr;
  const SkinEntryInfo* row = SkinEntryRow(entry);
  if (row == nullptr || row->kind != kind) return nullptr;
  return &row->values[column];
}

}  // namespace

void GetInsideThemeBitmap(TSkinUIStyle style, int entry, QImage* target, int frameCount,
                          int frameNumber) {
  if (target == nullptr) return;
  const SkinEntryValue* cell = BuiltInCell(style, entry, skinItemBitmap);
  if (cell == nullptr || *cell->picture == '\0') return;
  const QImage picture = LoadSkinResource(QString::fromLatin1(cell->picture));
  if (picture.isNull()) return;
  if (frameCount == 0) {
    *target = picture;
    return;
  }
  SpitBitmap(picture, *target, frameCount, frameNumber);
}

TColor GetInsideThemeColor(TSkinUIStyle style, int entry) {
  const SkinEntryValue* cell = BuiltInCell(style, entry, skinItemColor);
  return cell != nullptr ? static_cast<TColor>(cell->number) : 0;
}

int GetInsideThemeInt(TSkinUIStyle style, int entry) {
  const SkinEntryValue* cell = BuiltInCell(style, entry, skinItemInt);
  return cell != nullptr ? static_cast<int>(cell->number) : -1;
}

bool GetInsideThemeBool(TSkinUIStyle style, int entry) {
  const SkinEntryValue* cell = BuiltInCell(style, entry, skinItemBool);
  return cell != nullptr && cell->number != 0;
}

QImage LoadSkinResource(const QString& name) {
  // Names are resource names, never paths into the resources.
  static const QRegularExpression kResourceName(QStringLiteral("^[A-Z0-9_]+$"));
  if (!kResourceName.match(name).hasMatch()) return QImage();
  // Each picture is decoded once; the copies handed out share its pixels.
  static QHash<QString, QImage> decoded;
  auto cached = decoded.constFind(name);
  if (cached == decoded.cend()) {
    QImage picture(QStringLiteral(":/looks/%1.bmp").arg(name));
    if (!picture.isNull()) picture = picture.convertToFormat(QImage::Format_RGB32);
    cached = decoded.insert(name, picture);
  }
  return *cached;
}
