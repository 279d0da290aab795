#include "dialogs/konfig.h"

#include "dialogs/backgroundbar.h"

TKonfiguracja* Konfiguracja = nullptr;

TKonfiguracja::TKonfiguracja(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Konfiguracja"));
    setWindowTitle(QStringLiteral("Konfiguracja"));
    setFixedSize(314, 241);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setGeometry(rect());
    TloPs1->SetPicture(images.PasekNarzBackground);
    Konfiguracja = this;
}

TKonfiguracja::~TKonfiguracja() {
    if (Konfiguracja == this) Konfiguracja = nullptr;
}
