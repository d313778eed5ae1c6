#pragma once
// Keeping a top-level window out of the desktop's task bar and pager. A Qt::Tool window has no
// task-bar button on Windows and macOS; an X11 window manager is told through the window's
// _NET_WM_STATE, which it reads when the window is mapped and drops when it is withdrawn.
class QWidget;

// Call each time just before the window is shown (its showEvent comes before the mapping).
// Does nothing on platforms other than X11 and for a window already on screen.
void SkinKeepOffTaskbar(QWidget* window);
