#include "skin/look/filetheme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "skin/base/helpers.h"
#include "skin/look/stylechoice.h"
#include "skin/paint/slicing_p.h"

namespace {

// The given path, then the file's name in the program's folder (and, on Windows, in the
// Windows and system folders); empty when it is nowhere.
QString ResolveThemeFile(const QString& value) {
  if (QFileInfo(value).isFile()) return value;
  const QString name = QFileInfo(value).fileName();
  if (name.isEmpty()) return QString();
  QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef Q_OS_WIN
  const QString windows = qEnvironmentVariable("SystemRoot");
  if (!windows.isEmpty()) folders << windows << windows + QStringLiteral("/System32");
#endif
  for (const QString& folder : folders) {
    const QString candidate = QDir(folder).filePath(name);
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return QString();
}

}  // namespace

TSkinFileTheme::TSkinFileTheme(QObject* owner) : QObject(owner) {}

TSkinFileTheme::~TSkinFileTheme() = default;

QString TSkinFileTheme::ThemeFile() const { return themeFile_; }

void TSkinFileTheme::SetThemeFile(const QString& value) {
  if (value == themeFile_) return;
  const QString resolved = ResolveThemeFile(value);
  if (resolved.isEmpty()) return;
  if (!CheckThemeFile(resolved))
    throw SkinError(QCoreApplication::translate("SkinError", "Invalid skin file!"), resolved);
  const bool loaded = mgr_.LoadFromFile(resolved);
  if (!loaded) return;  // gone since it was found
  themeFile_ = resolved;
  usable_ = true;
  ReapplyToOwnerComponents();
}

void TSkinFileTheme::LoadThemeData(const QByteArray& bytes, const QString& label) {
  if (!SkinThemeFormat::HasSignature(bytes.left(16))) {
    throw SkinError(QCoreApplication::translate("SkinError", "Invalid skin file!"), label);
  }
  mgr_.LoadFromData(bytes, label);
  usable_ = true;
  ReapplyToOwnerComponents();
}

void TSkinFileTheme::ReapplyToOwnerComponents() {
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr) return;
  QWidget* form = owner->window();
  for (QObject* component : form->findChildren<QObject*>()) {
    if (!QByteArray(component->metaObject()->className()).startsWith("TSkin")) continue;
    if (!IsHasProperty(component, "FileTheme")) continue;
    if (component->property("FileTheme").value<QObject*>() != this) continue;
    SkinApplyLook(component, component->property("UIStyle").value<TSkinUIStyle>(), this);
  }
}

bool TSkinFileTheme::CanUse() const { return usable_; }

bool TSkinFileTheme::CheckThemeFile(const QString& fileName) { return IsSkinThemeFile(fileName); }

void TSkinFileTheme::GetBitmap(int index, QImage* bitmap, int spitCount, int spitIndex) const {
  if (bitmap == nullptr) return;
  QImage picture;
  mgr_.GetBitmap(index, &picture);
  if (picture.isNull()) return;
  if (spitCount != 0 && spitIndex != 0) {
    SpitBitmap(picture, *bitmap, spitCount, spitIndex);
  } else {
    *bitmap = picture;
  }
}

TColor TSkinFileTheme::GetColor(int index) const { return mgr_.GetColor(index); }

int TSkinFileTheme::GetInt(int index) const { return mgr_.GetInt(index); }

bool TSkinFileTheme::GetBool(int index) const { return mgr_.GetBool(index); }
