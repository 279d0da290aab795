#pragma once
// The window's shared image list and its other pictures, drawn by the program
// itself so that they look the same on every desktop. Each call draws afresh:
// the window makes them once and hands the same icons around.
#include <QIcon>
#include <QPixmap>

namespace icons {

// Indexes into the shared image list (the hex tool bar uses them by number).
enum Image {
    New = 0,
    Open = 1,
    Save = 2,
    SaveAs = 3,
    Print = 4,
    Cut = 5,
    Copy = 6,
    Paste = 7,
    Spelling = 8,
    Find = 9,
    Delete = 10,
    Count
};

QIcon ImageList(int index);
QIcon Ok();                  // the picture of the hidden button PrzycOk1
QIcon Cancel();              // the picture of the hidden button PrzycAnul1
QPixmap ToolBarBackground(); // the background picture of the text tool bar

} // namespace icons
