#pragma once
// The application's icon, drawn by the program (the same design as
// app/share/vorbix.svg, which the desktop uses): a blue tile with a white V
// over three yellow hex cells.
#include <QIcon>
#include <QPixmap>

namespace icons {
QIcon AppIcon();
// The icon drawn at one size.
QPixmap AppPixmap(int size);
} // namespace icons
