#pragma once
// Opening a saved sketch in the system's paint program, for editing and printing. The program
// does not wait for the paint program and does not follow it further.
#include <QString>
#include <functional>
#include <string>

class QObject;

// The Windows command line: "mspaint.exe " and the file in double quotes.
std::string WindowsPaintCommandLine(const std::string& file);

// Elsewhere the first of kolourpaint, pinta, gimp and mtpaint found on the search path, else
// xdg-open; empty when none is found.
QString PaintProgram();

// Starts the paint program on the file. Returns 0, or the system's error code when it could not
// be started. Elsewhere than on Windows, a program that started and then failed (xdg-open with
// nothing to open the file) is told to `failed` on the interface thread, while the receiver
// lives, with the program and its status.
int StartPaintProgram(const std::string& file, QObject* receiver = nullptr,
                      std::function<void(const QString& program, int status)> failed = {});
