#pragma once
// Where the skin library sends an error that no caller is there to take: one found in a
// control's own event handling (text typed or pasted into a number edit that is no number).
// The host program routes it to its own error report; without one it is written as a warning
// to the standard error stream, and the program goes on.
#include <QString>
#include <functional>

using SkinErrorHandler = std::function<void(const QString& text)>;

// Sets where errors go from now on; an empty handler brings back the default, the warning.
void SetSkinErrorHandler(SkinErrorHandler handler);

// Hands the text to the current handler, on the calling thread.
void ReportSkinError(const QString& text);
