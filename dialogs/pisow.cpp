#include "dialogs/pisow.h"

#include <QPushButton>

TPisownia* Pisownia = nullptr;

TPisownia::TPisownia(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Pisownia"));
    setWindowTitle(QStringLiteral("Sprawdzanie pisowni"));
    PrzycZamk1 = new QPushButton(QStringLiteral("&Zamknij"), this);
    PrzycZamk1->setObjectName(QStringLiteral("PrzycZamk1"));
    PrzycZamk1->setFlat(true);
    connect(PrzycZamk1, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate(images);
    Pisownia = this;
}

TPisownia::~TPisownia() {
    if (Pisownia == this) Pisownia = nullptr;
}

void TPisownia::FormCreate(const TMainImages& images) {
    PrzycZamk1->setIcon(images.PrzycAnul1);
}
