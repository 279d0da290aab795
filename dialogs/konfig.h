#pragma once
// The configuration dialog: one instance from start-up to the end of the program.
// For now the window itself; its buttons come with the settings.
#include "dialogs/mainimages.h"

#include <QDialog>

class TBackgroundBar;

class TKonfiguracja : public QDialog {
    Q_OBJECT
public:
    explicit TKonfiguracja(const TMainImages& images, QWidget* parent = nullptr);
    ~TKonfiguracja() override;

    TBackgroundBar* TloPs1;
};

extern TKonfiguracja* Konfiguracja;
