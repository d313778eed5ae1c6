// skin-theme export STYLE FILE   writes the 48 entries of a built-in look as a theme file
// skin-theme dump FILE           lists the records of a theme file
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "skin/base/error.h"
#include "skin/look/themeexport.h"

namespace {

int Usage() {
  std::fputs(
      "usage: skin-theme export STYLE FILE   (STYLE: MacOS, WinXP, DeepBlue, Protein, BlueGlass)\n"
      "       skin-theme dump FILE\n",
      stderr);
  return 2;
}

int Export(const QString& styleName, const QString& fileName) {
  TSkinUIStyle style;
  if (!InsideStyleFromName(styleName, &style)) {
    std::fprintf(stderr, "skin-theme: unknown style %s\n", qPrintable(styleName));
    return Usage();
  }
  const int written = ExportInsideTheme(style, fileName);
  std::printf("%s: %d entries of %s\n", qPrintable(fileName), written, qPrintable(styleName));
  return 0;
}

int Dump(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw SkinError(QStringLiteral("Cannot open file"), fileName);
  QTextStream out(stdout);
  out << QStringLiteral(
      "  offset  type      data at      size  name                                value\n");
  int records = 0;
  ReadSkinThemeRecords(file, fileName, [&](const SkinThemeRecord& record) {
    out << DescribeSkinThemeRecord(record) << '\n';
    ++records;
  });
  out << records << " records\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  try {
    if (args.size() == 4 && args[1] == QLatin1String("export")) return Export(args[2], args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("dump")) return Dump(args[2]);
  } catch (const SkinError& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "skin-theme: %s\n", error.what());
    return 1;
  }
  return Usage();
}
