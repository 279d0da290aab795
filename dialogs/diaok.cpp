#include "dialogs/diaok.h"

#include "dialogs/backgroundbar.h"
#include "dialogs/dialogseam.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TDialOkey* DialOkey = nullptr;

TDialOkey::TDialOkey(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("DialOkey"));
    setWindowTitle(QStringLiteral("Vorbix"));
    setFixedSize(275, 112);
    setModal(true);

    PasTlo1 = new TBackgroundBar(this);
    PasTlo1->setObjectName(QStringLiteral("PasTlo1"));
    PasTlo1->setGeometry(0, 0, 275, 112);

    ObrazIkon1 = new QLabel(this);
    ObrazIkon1->setObjectName(QStringLiteral("ObrazIkon1"));
    ObrazIkon1->setGeometry(6, 4, 32, 32);
    ObrazIkon1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    NapX = new QLabel(this);
    NapX->setObjectName(QStringLiteral("NapX"));
    NapX->setGeometry(42, 4, 229, 75);
    NapX->setTextFormat(Qt::PlainText); // "&" is shown as itself: no mnemonics, no markup
    NapX->setAlignment(Qt::AlignCenter);
    NapX->setWordWrap(true);
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSize(8);
    bold.setBold(true);
    NapX->setFont(bold);
    NapX->setText(QStringLiteral("Nie było jeszcze komunikatu."));

    PrzycZamk1 = new QPushButton(QStringLiteral("&Zrozumiałem"), this);
    PrzycZamk1->setObjectName(QStringLiteral("PrzycZamk1"));
    PrzycZamk1->setGeometry(66, 82, 150, 24);
    PrzycZamk1->setFlat(true);
    PrzycZamk1->setDefault(true);
    PrzycZamk1->installEventFilter(this);
    connect(PrzycZamk1, &QPushButton::clicked, this, [this] { PrzycZamk1Click(); });

    FormCreate(images);
    DialOkey = this; // the newest instance is the program's message dialog
}

TDialOkey::~TDialOkey() {
    if (DialOkey == this) DialOkey = nullptr;
}

void TDialOkey::FormCreate(const TMainImages& images) {
    PrzycZamk1->setIcon(images.PrzycOk1);
    PasTlo1->SetPicture(images.PasekNarzBackground);
}

void TDialOkey::SetMessage(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    NapX->setText(text);
}

bool TDialOkey::FormKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        PrzycZamk1Click();
        return true;
    }
    return false;
}

void TDialOkey::PrzycZamk1Click() {
    accept();
}

bool TDialOkey::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the dialog before its button.
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TDialOkey::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event->key())) return;
    QDialog::keyPressEvent(event);
}

void TDialOkey::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen =
            (parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen()))
        move(screen->availableGeometry().center() - rect().center());
}

void ShowMessageDialog(const QString& caption, const QString& text) {
    // Before the program's dialog exists (or after it is gone) a plain one is made;
    // it lives to the end of the process.
    if (!DialOkey) new TDialOkey(TMainImages{});
    TDialOkey* dialog = DialOkey;
    dialog->SetMessage(caption, text);
    seam::ShowMessage(*dialog, caption, text);
}
