#pragma once
// The calculator's six button pictures: one strip ("CALCBTNS") of six equal
// images, cancel, confirm, plus-minus, times, minus and plus, drawn by the
// program like its other icons.
#include <QIcon>
#include <QPixmap>

namespace calcicons {

enum Picture { Cancel = 0, Confirm, PlusMinus, Times, Minus, Plus, Count };

// The whole strip, each image size by size pixels.
QPixmap Strip(int size);
// One image cut from the strip (16 and 32 pixel forms).
QIcon Cut(Picture picture);

} // namespace calcicons
