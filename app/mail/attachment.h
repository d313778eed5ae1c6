#pragma once
// The mail attachment "sketch.jpg": the sketch as JPEG, written anew for every mail. It goes
// into the program's folder when that folder takes files, else into the user's cache folder,
// so that an installed program can send too.
#include <filesystem>

#include "sketch/raster.h"

// The folder the attachment is written in: programFolder when a file can be created there,
// else the user's cache folder (created when missing).
std::filesystem::path AttachmentFolder(const std::filesystem::path& programFolder);

// Writes the sketch as JPEG at the program's quality to "sketch.jpg" in AttachmentFolder and
// returns the file. The write is atomic: a failed one raises the writer's error and leaves any
// earlier attachment as it was.
std::filesystem::path WriteAttachment(const graphitine::Raster& sketch,
                                      const std::filesystem::path& programFolder);
