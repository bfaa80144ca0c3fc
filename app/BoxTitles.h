#pragma once

#include <QString>

class QMessageBox;

// The window titles of the message boxes and the input dialog as the window manager shows
// them.

// On X11 Qt replaces an empty title by the program's name; a single space is shown as the
// empty caption it stands for.
QString SeenTitle(const QString& caption);

// A message box is as wide as its text; a short text beside a longer caption would leave
// the window frame too narrow for the title, which it then cuts. This widens the box to the
// caption, in a bold title font, and the frame's icon and buttons.
void WidenForTitle(QMessageBox& box);
