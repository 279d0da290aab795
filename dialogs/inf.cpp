#include "dialogs/inf.h"

#include "dialogs/backgroundbar.h"

TInfo* Info = nullptr;

TInfo::TInfo(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("O programie"));
    setFixedSize(252, 164);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setGeometry(rect());
    FormCreate(images);
    Info = this;
}

TInfo::~TInfo() {
    if (Info == this) Info = nullptr;
}

void TInfo::FormCreate(const TMainImages& images) {
    TloPs1->SetPicture(images.PasekNarzBackground);
}
