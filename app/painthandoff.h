#pragma once
// Opening a saved sketch in the system's paint program, for editing and printing. The program
// does not wait for the paint program and does not follow it further.
#include <QString>
#include <string>

// The Windows command line: "mspaint.exe " and the file in double quotes.
std::string WindowsPaintCommandLine(const std::string& file);

// Elsewhere the first of kolourpaint, pinta, gimp and mtpaint found on the search path, else
// xdg-open; empty when none is found.
QString PaintProgram();

// Starts the paint program on the file. Returns 0, or the system's error code when it could not
// be started.
int StartPaintProgram(const std::string& file);
