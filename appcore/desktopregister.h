#pragma once
// Making the program, or the desktop's own editor, the opener of text files:
// writes the desktop entry, the icon and mimeapps.list of the user.
#include <QByteArray>
#include <QString>

namespace desktop {

// The program at programPath becomes the default for text/plain: its desktop
// entry and icon in the user's data folder, its name first in mimeapps.list.
// False when a file could not be written (what was written stays valid).
bool RegisterProgram(const QString& programPath);
// The program stops being the default for text/plain; the desktop's own
// choice takes over. True also when it was not the default.
bool UnregisterProgram();

// The application icon as SVG text.
QByteArray IconSvg();

} // namespace desktop
