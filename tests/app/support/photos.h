#pragma once
// Photos for the tests: patterned rasters with edges in every direction, written as files.
#include <QString>
#include <QTemporaryDir>

#include "sketch/raster.h"

graphitine::Raster PatternPhoto(int width, int height);

// Writes the pattern photo as a bitmap file in the folder and returns its path.
QString WritePatternPhoto(const QTemporaryDir& folder, const QString& name, int width, int height);
