#include "konwer.h"

#include "backgroundbar.h"

#include <QPushButton>

TKonwert* Konwert = nullptr;

TKonwert::TKonwert(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Konwert"));
    setFixedSize(261, 203);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setGeometry(rect());
    PrzycZamk1 = new QPushButton(QStringLiteral("&Rozmyśliłem się"), this);
    PrzycZamk1->setObjectName(QStringLiteral("PrzycZamk1"));
    PrzycZamk1->setGeometry(106, 172, 149, 25);
    PrzycZamk1->setFlat(true);
    connect(PrzycZamk1, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate(images);
    if (!Konwert) Konwert = this;
}

TKonwert::~TKonwert() {
    if (Konwert == this) Konwert = nullptr;
}

void TKonwert::FormCreate(const TMainImages& images) {
    TloPs1->SetPicture(images.PasekNarzBackground);
    PrzycZamk1->setIcon(images.PrzycAnul1);
}
