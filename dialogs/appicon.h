#pragma once
// The application's icon, drawn by the program (the same design as
// app/share/vorbix.svg, which the desktop uses): a blue tile with a white V
// over three yellow hex cells.
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace icons {
// Draws the icon into the 64 x 64 square at the painter's origin.
void DrawAppIcon(QPainter& p);
QIcon AppIcon();
// The icon drawn at one size.
QPixmap AppPixmap(int size);
} // namespace icons
