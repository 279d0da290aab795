#pragma once
// The pictures the dialogs copy from the main window when they are created:
// the images of its hidden buttons PrzycOk1 and PrzycAnul1 and the background
// picture of its text tool bar PasekNarz.
#include <QIcon>
#include <QPixmap>

struct TMainImages {
    QIcon PrzycOk1;
    QIcon PrzycAnul1;
    QPixmap PasekNarzBackground;
};
