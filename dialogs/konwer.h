#pragma once
// The conversion dialog of the hex side. The program creates one at start-up,
// and every conversion makes a fresh one of its own. For now the window, its
// background and its close button; the lists come with the conversion command.
#include "mainimages.h"

#include <QDialog>

class QPushButton;
class TBackgroundBar;

class TKonwert : public QDialog {
    Q_OBJECT
public:
    explicit TKonwert(const TMainImages& images, QWidget* parent = nullptr);
    ~TKonwert() override;

    TBackgroundBar* TloPs1;
    QPushButton* PrzycZamk1;

    void FormCreate(const TMainImages& images);
};

// The instance created at start-up.
extern TKonwert* Konwert;
