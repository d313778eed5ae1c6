#include "app/commandline.h"

#include <QCoreApplication>
#include <cstdio>

TCommandLine::TCommandLine()
    : language_(QStringLiteral("language"),
                QStringLiteral("The language of the windows: zh (Chinese) or en (English). "
                               "Without it, the user's language decides."),
                QStringLiteral("zh|en")) {
  parser_.setApplicationDescription(
      QStringLiteral("Graphitine turns a photograph into a pen, pencil or soft sketch."));
  parser_.addHelpOption();
  parser_.addVersionOption();
  parser_.addOption(language_);
  parser_.addPositionalArgument(
      QStringLiteral("photo"),
      QStringLiteral("A JPEG or BMP picture to open instead of the start picture."),
      QStringLiteral("[photo]"));
}

bool TCommandLine::AsksForTextOnly(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Qt's options are unknown here; the ones asked about are read all the same.
  parser_.parse(arguments);
  return parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all")) ||
         parser_.isSet(QStringLiteral("version"));
}

bool TCommandLine::Process(const QStringList& arguments) {
  parser_.process(arguments);
  const QString program = QCoreApplication::applicationName();
  const qsizetype photos = parser_.positionalArguments().size();
  if (photos > 1) {
    std::fprintf(stderr, "%s: Only one photo can be opened; %lld were given.\n",
                 qPrintable(program), static_cast<long long>(photos));
    return false;
  }
  if (parser_.isSet(language_) && !Language()) {
    std::fprintf(stderr, "%s: Unknown language '%s': give zh or en.\n", qPrintable(program),
                 qPrintable(parser_.value(language_)));
    return false;
  }
  return true;
}

std::optional<QString> TCommandLine::Photo() const {
  const QStringList photos = parser_.positionalArguments();
  if (photos.isEmpty()) return std::nullopt;
  return photos.first();
}

std::optional<ProgramLanguage> TCommandLine::Language() const {
  if (!parser_.isSet(language_)) return std::nullopt;
  return LanguageNamed(parser_.value(language_));
}
