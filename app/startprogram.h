#pragma once
// Finding and starting the desktop's helper programs (the paint program, the mail composer).
// A started program lives on its own: ours never waits for it. It may be followed, though, to
// tell the user when it failed: a helper such as xdg-open starts fine and then finds nothing to
// hand the file to.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QObject;

// The full path of the first of the names found on the search path; empty when none is.
QString FindProgram(const QStringList& names);

#ifndef _WIN32
// What became of a started program, told on the interface thread while the receiver lives:
// once with 0 when it has run for kSettleTime without failing or has ended well by then, or
// with its failing exit status (128 + the signal's number for a signal) when it ended badly
// first; and once more with its failing status when it ends badly after that.
using ProgramOutcome = std::function<void(int status)>;
inline constexpr int kSettleTimeMs = 1500;

// Starts the program with the arguments (the program's name comes first by itself). Returns 0,
// or the system's error code when it could not be started (ENOENT for an empty program); the
// outcome follows only a program that started.
int StartDetached(const QString& program, const std::vector<std::string>& arguments,
                  QObject* receiver = nullptr, ProgramOutcome outcome = {});
#endif

// Why the program failed, in the window's language, for a failing status of its: what the
// desktop's xdg-utils mean by theirs (3: nothing found to hand the file to), else the status.
QString ProgramFailure(const QString& program, int status);
