#pragma once
// A sheet of the pictures, enlarged and named, to look at them.
#include <QString>

#include "looks.h"

namespace art {

// Each picture enlarged (up to eight times, nearest pixel) under its name and size; magenta
// is shown as it is. Throws std::runtime_error naming the file when it cannot be written.
void WritePreview(const Pictures& pictures, const QString& path);

}  // namespace art
