#pragma once
// The temporary files being written at this moment, so that a process that is ended by a
// signal can remove them before it goes. Creating, moving into place and removing a temporary
// file each happen in one step against that removal, so none is created or left behind once it
// has run.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>

namespace graphitine {

// Creates the file, which must not exist yet, for writing, and lists it. Returns nullptr (errno
// set) when it cannot be created.
std::FILE* CreateTemporaryFile(const std::filesystem::path& file);

// For tests of a full disk: from now on every temporary file created fails its writes with
// ENOSPC ("No space left on device") once it would hold more than bytes, as on a disk with that
// much room left; nullopt lifts the limit. Files created before keep the limit they had.
void LimitTemporaryFileSpace(std::optional<std::size_t> bytes);

// Runs finish, which moves the file into place or removes it and returns whether the file is
// gone from its name, and then takes the file off the list if it is.
void FinishTemporaryFile(const std::filesystem::path& file, const std::function<bool()>& finish);

// Removes every listed file and keeps any other thread from creating or finishing one from
// then on, for good: only for a process that is about to end.
void RemoveTemporaryFilesBeforeExit();

}  // namespace graphitine
