#include "dialogs/konfig.h"

#include "appcore/desktopregister.h"
#include "dialogs/backgroundbar.h"
#include "dialogs/commandguard.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QScreen>
#include <QToolButton>

TKonfiguracja* Konfiguracja = nullptr;

namespace {

QToolButton* SpeedButton(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setGeometry(place);
    return b;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(place);
    return g;
}

} // namespace

TKonfiguracja::TKonfiguracja(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Konfiguracja"));
    setWindowTitle(QStringLiteral("Konfiguracja"));
    setFixedSize(314, 241);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setGeometry(rect());
    TloPs1->SetPicture(images.PasekNarzBackground);

    GrupaTekst1 = Group(this, "GrupaTekst1", QStringLiteral("Edytor tekstu"), {8, 6, 298, 54});
    PrzycKolTl1 =
        SpeedButton(GrupaTekst1, "PrzycKolTl1", QStringLiteral("Kolor tła"), {10, 20, 134, 24});
    PrzycCzc1 =
        SpeedButton(GrupaTekst1, "PrzycCzc1", QStringLiteral("Czcionka"), {154, 20, 134, 24});
    GrupaHex1 = Group(this, "GrupaHex1", QStringLiteral("Edytor heksacyjny"), {8, 64, 298, 54});
    PrzycTloH1 =
        SpeedButton(GrupaHex1, "PrzycTloH1", QStringLiteral("Kolor tła"), {10, 20, 134, 24});
    RxSpeedButton4 =
        SpeedButton(GrupaHex1, "RxSpeedButton4", QStringLiteral("Czcionka"), {154, 20, 134, 24});
    GrupaSystem1 = Group(this, "GrupaSystem1", QStringLiteral("System"), {8, 122, 298, 82});
    RxSpeedButton2 = SpeedButton(GrupaSystem1, "RxSpeedButton2",
                                 QStringLiteral("Ustaw Vorbix'a jako program do plików tekstowych"),
                                 {10, 20, 278, 24});
    RxSpeedButton3 = SpeedButton(GrupaSystem1, "RxSpeedButton3",
                                 QStringLiteral("Ustaw Notatnik jako program do plików tekstowych"),
                                 {10, 50, 278, 24});
    RxSpeedButton1 =
        SpeedButton(this, "RxSpeedButton1", QStringLiteral("Przywróć domyślne"), {8, 210, 298, 24});
    RxSpeedButton1->setToolTip(QStringLiteral("Przywraca fabryczne ustawienia programu"));
    RxSpeedButton1->setStatusTip(RxSpeedButton1->toolTip());

    KolDial1 = new QColorDialog(this);
    KolDial1->setObjectName(QStringLiteral("KolDial1"));
    KolDial1->setOption(QColorDialog::DontUseNativeDialog); // speaks the program's language
    CzcionDial1 = new QFontDialog(this);
    CzcionDial1->setObjectName(QStringLiteral("CzcionDial1"));
    CzcionDial1->setOption(QFontDialog::DontUseNativeDialog);

    const std::pair<QToolButton*, void (TKonfiguracja::*)()> handlers[] = {
        {PrzycKolTl1, &TKonfiguracja::PrzycKolTl1Click},
        {PrzycCzc1, &TKonfiguracja::PrzycCzc1Click},
        {PrzycTloH1, &TKonfiguracja::PrzycTloH1Click},
        {RxSpeedButton4, &TKonfiguracja::RxSpeedButton4Click},
        {RxSpeedButton1, &TKonfiguracja::RxSpeedButton1Click},
        {RxSpeedButton2, &TKonfiguracja::RxSpeedButton2Click},
        {RxSpeedButton3, &TKonfiguracja::RxSpeedButton3Click}};
    for (auto [button, handler] : handlers)
        connect(button, &QToolButton::clicked, this,
                [this, handler = handler] { RunGuarded([&] { (this->*handler)(); }); });
    Konfiguracja = this;
}

TKonfiguracja::~TKonfiguracja() {
    if (Konfiguracja == this) Konfiguracja = nullptr;
}

std::optional<QColor> TKonfiguracja::ChooseColor(const QColor& start) {
    KolDial1->setCurrentColor(start);
    if (seam::RunDialog(*KolDial1) != QDialog::Accepted) return std::nullopt;
    return KolDial1->currentColor();
}

std::optional<QFont> TKonfiguracja::ChooseFont(const QFont& start) {
    CzcionDial1->setCurrentFont(start);
    if (seam::RunDialog(*CzcionDial1) != QDialog::Accepted) return std::nullopt;
    return CzcionDial1->currentFont();
}

void TKonfiguracja::PrzycKolTl1Click() {
    if (!Target) return;
    if (auto c = ChooseColor(Target->TextBackground())) Target->SetTextBackground(*c);
}

void TKonfiguracja::PrzycCzc1Click() {
    if (!Target) return;
    if (auto f = ChooseFont(Target->TextFont())) Target->SetTextFont(*f);
}

void TKonfiguracja::PrzycTloH1Click() {
    if (!Target) return;
    if (auto c = ChooseColor(Target->HexBackground())) Target->SetHexBackground(*c);
}

void TKonfiguracja::RxSpeedButton4Click() {
    if (!Target) return;
    if (auto f = ChooseFont(Target->HexFont())) Target->SetHexFont(*f);
}

void TKonfiguracja::RxSpeedButton1Click() {
    if (Target) Target->RestoreDefaults();
}

void TKonfiguracja::RxSpeedButton2Click() {
    // A failed write is said as such: the user must not believe it worked.
    if (desktop::RegisterProgram(QCoreApplication::applicationFilePath()))
        ShowMessageDialog(
            QStringLiteral("Vorbix"),
            QStringLiteral("Vorbix został ustawiony jako program do plików tekstowych."));
    else
        ShowMessageDialog(QStringLiteral("Vorbix"),
                          QStringLiteral("Operacja ustawienia Vorbix'a jako programu do plików "
                                         "tekstowych nie powiodła się."));
}

void TKonfiguracja::RxSpeedButton3Click() {
    if (desktop::UnregisterProgram())
        ShowMessageDialog(
            QStringLiteral("Vorbix"),
            QStringLiteral("Notatnik został ustawiony jako program do plików tekstowych."));
    else
        ShowMessageDialog(QStringLiteral("Vorbix"),
                          QStringLiteral("Operacja ustawienia Notatnika jako programu do plików "
                                         "tekstowych nie powiodła się."));
}

void TKonfiguracja::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(event);
}
