#include "app/language.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace {

// The translation in place, owned by the application.
QPointer<QTranslator> installed;

}  // namespace

ProgramLanguage LanguageFor(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    const QString language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    if (language.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0 ||
        language.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
        language.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0) {
      return ProgramLanguage::Chinese;
    }
    if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) {
      return ProgramLanguage::English;
    }
  }
  return ProgramLanguage::English;
}

ProgramLanguage LanguageFor(const QLocale& system) {
  if (system.language() == QLocale::C) return ProgramLanguage::Chinese;
  return LanguageFor(system.uiLanguages());
}

std::optional<ProgramLanguage> LanguageNamed(const QString& name) {
  if (name == QLatin1String("zh")) return ProgramLanguage::Chinese;
  if (name == QLatin1String("en")) return ProgramLanguage::English;
  return std::nullopt;
}

void UseLanguage(ProgramLanguage language) {
  delete installed.data();  // a translator removes itself from the application as it goes
  if (language == ProgramLanguage::Chinese) return;
  auto* translator = new QTranslator(QCoreApplication::instance());
  // Built into the program (qt_add_translations): it is there whenever the program is.
  if (!translator->load(QStringLiteral(":/i18n/graphitine_en.qm"))) {
    qWarning("The English translation is missing from the program; its texts stay Chinese.");
    delete translator;
    return;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
}
