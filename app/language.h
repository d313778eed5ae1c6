#pragma once
// The language of the program's windows. Their texts are written in Chinese, with the
// toolkit's English error texts, and that is what a user who reads Chinese gets, and what the
// C/POSIX locale gets; every other user gets the English translation.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

enum class ProgramLanguage { Chinese, English };

// The language for the user's UI languages, most preferred first (QLocale::uiLanguages()): the
// first of them that is Chinese, English or the C/POSIX locale decides; when none is, English.
ProgramLanguage LanguageFor(const QStringList& uiLanguages);

// The language for the system's locale: Chinese for the C/POSIX locale even when LANGUAGE lists
// others (messages stay untranslated there, as for every program), else LanguageFor its UI
// languages.
ProgramLanguage LanguageFor(const QLocale& system);

// The language a command line names: "zh" or "en"; nothing for any other name.
std::optional<ProgramLanguage> LanguageNamed(const QString& name);

// The application's texts from now on are in that language: its translation is put in place
// (Chinese needs none), replacing the one put in place before. Windows made earlier keep their
// texts.
void UseLanguage(ProgramLanguage language);
