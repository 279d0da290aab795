#pragma once
// The spelling check dialog: one instance from start-up to the end of the
// program. For now the window and its close button; the check comes with it.
#include "dialogs/mainimages.h"

#include <QDialog>

class QPushButton;

class TPisownia : public QDialog {
    Q_OBJECT
public:
    explicit TPisownia(const TMainImages& images, QWidget* parent = nullptr);
    ~TPisownia() override;

    QPushButton* PrzycZamk1;

    void FormCreate(const TMainImages& images);
};

extern TPisownia* Pisownia;
