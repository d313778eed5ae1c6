// skin-gallery --out DIR: renders, on the offscreen platform, one sheet per built-in look
// (DIR/MacOS.png ...) and one for a file theme exported from MacOS (DIR/FileTheme-MacOS.png),
// each holding every registered section.
#include <QApplication>
#include <QDir>
#include <QMetaEnum>
#include <cstdio>
#include <exception>
#include <memory>

#include "gallery.h"
#include "skin/look/builtinlooks.h"
#include "skin/look/filetheme.h"
#include "skin/look/themeexport.h"

namespace {

QString StyleName(TSkinUIStyle style) {
  return QMetaEnum::fromType<TSkinUIStyle>().valueToKey(int(style));
}

void Render(QWidget& sheet, const QString& file) {
  if (!RenderGallerySheet(sheet).save(file, "PNG")) {
    throw std::runtime_error("Cannot write " + file.toStdString());
  }
  std::printf("skin-gallery: %s\n", qPrintable(file));
}

int Usage() {
  std::fprintf(stderr, "usage: skin-gallery --out DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() != 2 || args[0] != "--out") return Usage();
  const QDir out(args[1]);
  try {
    if (!QDir().mkpath(out.path()))
      throw std::runtime_error("Cannot create folder " + out.path().toStdString());
    for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                               TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass}) {
      const std::unique_ptr<QWidget> sheet = BuildGallerySheet(StyleName(style), style, nullptr);
      Render(*sheet, out.filePath(StyleName(style) + ".png"));
    }
    const TSkinUIStyle exported = TSkinUIStyle::MacOS;
    const QString themeFile = out.filePath(StyleName(exported) + ".skin");
    ExportInsideTheme(exported, themeFile);
    const auto theme = std::make_unique<TSkinFileTheme>();
    theme->SetThemeFile(themeFile);
    const std::unique_ptr<QWidget> sheet =
        BuildGallerySheet("File theme " + QDir::toNativeSeparators(themeFile),
                          TSkinUIStyle::FromThemeFile, theme.get());
    Render(*sheet, out.filePath("FileTheme-" + StyleName(exported) + ".png"));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skin-gallery: %s\n", error.what());
    return 1;
  }
  return 0;
}
