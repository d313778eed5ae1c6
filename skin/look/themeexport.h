#pragma once
// Writing a built-in look out as a theme file, so that a file theme can be tried against the
// look it came from, and describing a theme file's records.
#include <QString>

#include "skin/look/builtinlooks.h"
#include "skin/look/themefileformat.h"

// Writes every entry of a built-in look (pictures as 24-bit BMP files) under its file item
// name; entries the look has no picture for are left out. Returns the number of entries
// written; raises SkinError when the file cannot be written.
int ExportInsideTheme(TSkinUIStyle style, const QString& fileName);

// The style named (MacOS, WinXP, DeepBlue, Protein, BlueGlass, any letter case); false for
// other names.
bool InsideStyleFromName(const QString& name, TSkinUIStyle* style);

// One line for a record: offset, type, data offset, size, name and value.
QString DescribeSkinThemeRecord(const SkinThemeRecord& record);
