#pragma once
// The program's command line: graphitine [options] [photo]. A photo given there (a file manager
// passes one for "Open with") is opened instead of the start picture; --language zh|en sets
// the windows' language; --help and --version answer as Qt programs do.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/language.h"

class TCommandLine {
 public:
  TCommandLine();

  // Whether the arguments ask for a text only (help or version), which needs no window system.
  // Asked before the application object exists, so Qt's own options may still be among them.
  bool AsksForTextOnly(int argc, const char* const* argv);

  // Reads the arguments, the program's name first and Qt's own options taken out. Help,
  // version and unknown options are answered by Qt, which then ends the program. More than one
  // photo, or a language that is neither zh nor en, is reported on the error output and gives
  // false.
  bool Process(const QStringList& arguments);

  // The photo given, as it was typed.
  std::optional<QString> Photo() const;
  // The language asked for; nothing when the user's own decides.
  std::optional<ProgramLanguage> Language() const;

 private:
  QCommandLineParser parser_;
  QCommandLineOption language_;
};
