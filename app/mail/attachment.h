#pragma once
// The mail attachment "sketch.jpg": the sketch as JPEG, written anew for every mail into the
// user's cache folder (graphitine/ under $XDG_CACHE_HOME, ~/.cache by default), never beside the
// program, where it would replace a file of that name and where an installed program may not
// write.
#include <filesystem>

#include "sketch/raster.h"

// The folder the attachment is written in, created when missing.
std::filesystem::path AttachmentFolder();

// Writes the sketch as JPEG at the program's quality to "sketch.jpg" in AttachmentFolder and
// returns the file. The write is atomic: a failed one raises the writer's error and leaves any
// earlier attachment as it was.
std::filesystem::path WriteAttachment(const graphitine::Raster& sketch);
