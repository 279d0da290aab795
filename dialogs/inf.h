#pragma once
// The About box: one instance from start-up to the end of the program.
// For now the window and its background; its texts come with the About command.
#include "dialogs/mainimages.h"

#include <QDialog>

class TBackgroundBar;

class TInfo : public QDialog {
    Q_OBJECT
public:
    explicit TInfo(const TMainImages& images, QWidget* parent = nullptr);
    ~TInfo() override;

    TBackgroundBar* TloPs1;

    void FormCreate(const TMainImages& images);
};

extern TInfo* Info;
