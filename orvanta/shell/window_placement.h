#pragma once

class QWidget;

// Shows a window in front of the program's others and makes it the active
// one.
void ShowActive(QWidget* window);

// Moves a window so that its frame stands centred over another window's
// frame, or over the work area of its screen when there is none. Without a
// window manager to place it, a new window would stand in the screen's
// corner.
void CentreWindow(QWidget* window, const QWidget* over = nullptr);
