#pragma once
// Where the program finds its start picture and papers: beside its executable (a build's bin
// folder), or in the data folder an installation puts them in (../share/graphitine).
#include <filesystem>

// The folder holding "J.jpg" and "texture".
std::filesystem::path ProgramFolder();

// The data folder for an executable in the given folder.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder);

// The start picture: "J.jpg" in the program folder.
std::filesystem::path StartPicture();
