// look-art OUTDIR [--preview SHEET.png [--only PREFIX]]: paints every picture of the five
// built-in looks and the shared pictures, writes each as OUTDIR/NAME.bmp (24-bit), and
// optionally a sheet of them (or of those whose name starts with PREFIX) enlarged.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "bmpfile.h"
#include "demos.h"
#include "looks.h"
#include "preview.h"

namespace {

std::vector<art::Look> AllLooks() {
  return {art::MacOSLook(), art::WinXPLook(), art::DeepBlueLook(), art::ProteinLook(),
          art::BlueGlassLook()};
}

art::Pictures AllPictures(const std::vector<art::Look>& looks) {
  art::Pictures all;
  for (const art::Look& look : looks) {
    for (art::Pictures part : {art::ControlPictures(look), look.caption(look)}) {
      all.insert(all.end(), part.begin(), part.end());
    }
  }
  art::Pictures fixed = art::FixedPictures(looks[0], looks[1]);
  all.insert(all.end(), fixed.begin(), fixed.end());
  return all;
}

int Usage() {
  std::fprintf(stderr, "usage: look-art OUTDIR [--preview SHEET.png [--only PREFIX]]\n");
  return 2;
}

art::Pictures NamedFrom(const art::Pictures& pictures, const QString& prefix) {
  art::Pictures chosen;
  for (const art::Picture& picture : pictures) {
    if (picture.name.startsWith(prefix, Qt::CaseInsensitive)) chosen.push_back(picture);
  }
  return chosen;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  const bool preview = args.size() >= 3 && args[1] == "--preview";
  const bool only = args.size() == 5 && preview && args[3] == "--only";
  if (args.size() != 1 && !(args.size() == 3 && preview) && !only) return Usage();
  const QString outDir = args[0];
  try {
    if (!QDir().mkpath(outDir)) {
      std::fprintf(stderr, "look-art: cannot create folder %s\n", qPrintable(outDir));
      return 1;
    }
    const std::vector<art::Look> looks = AllLooks();
    const art::Pictures pictures = AllPictures(looks);
    for (const art::Picture& picture : pictures) {
      art::WriteBmp24(picture.image, QDir(outDir).filePath(picture.name + ".bmp"));
    }
    if (preview) {
      art::Pictures sheet = pictures;
      for (const art::Look& look : looks) {
        const art::Pictures demos = art::Demos(look, pictures);
        sheet.insert(sheet.end(), demos.begin(), demos.end());
      }
      art::WritePreview(NamedFrom(sheet, only ? args[4] : QString()), args[2]);
    }
    std::printf("look-art: %zu pictures written to %s\n", pictures.size(), qPrintable(outDir));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "look-art: %s\n", error.what());
    return 1;
  }
  return 0;
}
