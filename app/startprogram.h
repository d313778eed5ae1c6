#pragma once
// Finding and starting the desktop's helper programs (the paint program, the mail composer).
// A started program lives on its own: ours neither waits for it nor follows it further.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The full path of the first of the names found on the search path; empty when none is.
QString FindProgram(const QStringList& names);

#ifndef _WIN32
// Starts the program with the arguments (the program's name comes first by itself). Returns 0,
// or the system's error code when it could not be started (ENOENT for an empty program).
int StartDetached(const QString& program, const std::vector<std::string>& arguments);
#endif
