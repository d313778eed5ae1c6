// skin-gallery --out DIR: renders, on the offscreen platform, one sheet per built-in look
// (DIR/MacOS.png ...) and one for a file theme exported from MacOS (DIR/FileTheme-MacOS.png),
// each holding every registered section.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QMetaEnum>
#include <QPixmap>
#include <QVBoxLayout>
#include <cstdio>
#include <exception>
#include <memory>

#include "exportedtheme.h"
#include "gallery.h"
#include "skin/skinthemefile.h"
#include "skin/skinthemes.h"

namespace {

QString StyleName(TSkinUIStyle style) {
  return QMetaEnum::fromType<TSkinUIStyle>().valueToKey(int(style));
}

QLabel* Heading(const QString& text, int pointSize) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(true);
  label->setFont(font);
  return label;
}

// One sheet: the look's name, then every section under its title, on the look's form colour.
std::unique_ptr<QWidget> BuildSheet(const QString& title, TSkinUIStyle style, TSkinFileTheme* theme) {
  auto sheet = std::make_unique<QWidget>();
  TSkinUIStyle effective;
  const TColor form = UsingFileTheme(theme, style, effective) ? theme->GetColor(15)
                                                              : GetInsideThemeColor(effective, 15);
  QPalette palette = sheet->palette();
  palette.setColor(QPalette::Window, ToQColor(form));
  sheet->setPalette(palette);
  sheet->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(sheet.get());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(Heading(title, 14));
  for (const GallerySection& section : SortedGallerySections()) {
    layout->addSpacing(10);
    layout->addWidget(Heading(section.title, 10));
    layout->addWidget(section.build(style, theme));
  }
  return sheet;
}

// Shows the sheet off screen so that layouts settle and sections can put their controls into
// states, then writes what it shows.
void Render(QWidget& sheet, const QString& file) {
  sheet.show();
  QApplication::processEvents();
  if (!sheet.grab().save(file, "PNG")) {
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
    if (!QDir().mkpath(out.path())) throw std::runtime_error("Cannot create folder " + out.path().toStdString());
    for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                               TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass}) {
      const std::unique_ptr<QWidget> sheet = BuildSheet(StyleName(style), style, nullptr);
      Render(*sheet, out.filePath(StyleName(style) + ".png"));
    }
    const TSkinUIStyle exported = TSkinUIStyle::MacOS;
    const QString themeFile = out.filePath(StyleName(exported) + ".skin");
    const std::unique_ptr<TSkinFileTheme> theme = ExportedTheme(exported, themeFile);
    const std::unique_ptr<QWidget> sheet =
        BuildSheet("File theme " + QDir::toNativeSeparators(themeFile), TSkinUIStyle::FromThemeFile,
                   theme.get());
    Render(*sheet, out.filePath("FileTheme-" + StyleName(exported) + ".png"));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skin-gallery: %s\n", error.what());
    return 1;
  }
  return 0;
}
