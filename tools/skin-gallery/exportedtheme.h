#pragma once
// The file theme of the gallery's last sheet: a built-in look written out as a theme file and
// loaded back, so that the file-theme path can be compared with the built-in one.
#include <QString>
#include <memory>

#include "skin/skinthemefile.h"
#include "skin/skinthemes.h"

// Writes all 48 entries of the built-in look into `file` and loads it; raises SkinError naming
// the file when it cannot be written or read.
std::unique_ptr<TSkinFileTheme> ExportedTheme(TSkinUIStyle look, const QString& file);
