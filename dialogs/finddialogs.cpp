#include "dialogs/finddialogs.h"

#include "base/cp1250.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {
// The editor's text holds only characters of its code page: a text with any
// other could never be found, nor be inserted as it shows.
class TCodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (cp1250::FromUnicode(c.unicode()) < 0 || c == QLatin1Char('\0')) return Invalid;
        return Acceptable;
    }
};

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

// ---- Common part ----------------------------------------------------------------

TFindDialogBase::TFindDialogBase(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setModal(false);
    EdycjaZnajdz = new QLineEdit(this);
    EdycjaZnajdz->setObjectName(QStringLiteral("EdycjaZnajdz"));
    EdycjaZnajdz->setValidator(new TCodePageValidator(EdycjaZnajdz));
    Wyrazy1 = new QCheckBox(QStringLiteral("Tylko całe wy&razy"), this);
    Wyrazy1->setObjectName(QStringLiteral("Wyrazy1"));
    Wielkosc1 = new QCheckBox(QStringLiteral("Uwzględniaj wielkość &liter"), this);
    Wielkosc1->setObjectName(QStringLiteral("Wielkosc1"));
    PrzycNast1 = NewButton(QStringLiteral("Znajdź &następny"), "PrzycNast1", this);
    PrzycNast1->setDefault(true); // Enter
    PrzycAnul1 = NewButton(QStringLiteral("Anuluj"), "PrzycAnul1", this);
    connect(PrzycNast1, &QPushButton::clicked, this, [this] { FindClick(); });
    connect(PrzycAnul1, &QPushButton::clicked, this, [this] { reject(); });
    connect(EdycjaZnajdz, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
}

QString TFindDialogBase::FindText() const {
    return EdycjaZnajdz->text();
}
void TFindDialogBase::SetFindText(const QString& text) {
    EdycjaZnajdz->setText(text);
}
bool TFindDialogBase::MatchCase() const {
    return Wielkosc1->isChecked();
}
bool TFindDialogBase::WholeWord() const {
    return Wyrazy1->isChecked();
}

void TFindDialogBase::UpdateButtons() {
    PrzycNast1->setEnabled(!FindText().isEmpty());
}

void TFindDialogBase::FindClick() {
    if (FindText().isEmpty()) return;
    if (OnFind) OnFind();
}

void TFindDialogBase::Execute() {
    UpdateButtons();
    show();
    raise();
    activateWindow();
    EdycjaZnajdz->setFocus();
    EdycjaZnajdz->selectAll();
}

// ---- Find -------------------------------------------------------------------------

TFindDialog::TFindDialog(QWidget* parent) : TFindDialogBase(parent) {
    setObjectName(QStringLiteral("ZnajDial1"));
    setWindowTitle(QStringLiteral("Znajdowanie"));
    auto* label = new QLabel(QStringLiteral("&Znajdź:"), this);
    label->setBuddy(EdycjaZnajdz);

    auto* direction = new QGroupBox(QStringLiteral("Kierunek"), this);
    WGore1 = new QRadioButton(QStringLiteral("W &górę"), direction);
    WGore1->setObjectName(QStringLiteral("WGore1"));
    WDol1 = new QRadioButton(QStringLiteral("W &dół"), direction);
    WDol1->setObjectName(QStringLiteral("WDol1"));
    WDol1->setChecked(true);
    auto* dirLayout = new QHBoxLayout(direction);
    dirLayout->addWidget(WGore1);
    dirLayout->addWidget(WDol1);

    auto* left = new QGridLayout;
    left->addWidget(label, 0, 0);
    left->addWidget(EdycjaZnajdz, 0, 1, 1, 2);
    auto* checks = new QVBoxLayout;
    checks->addWidget(Wyrazy1);
    checks->addWidget(Wielkosc1);
    checks->addStretch();
    left->addLayout(checks, 1, 0, 1, 2);
    left->addWidget(direction, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(PrzycNast1);
    buttons->addWidget(PrzycAnul1);
    buttons->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
    UpdateButtons();
}

bool TFindDialog::Down() const {
    return WDol1->isChecked();
}

// ---- Replace ----------------------------------------------------------------------------

TReplaceDialog::TReplaceDialog(QWidget* parent) : TFindDialogBase(parent) {
    setObjectName(QStringLiteral("ZamDial1"));
    setWindowTitle(QStringLiteral("Zamienianie"));
    auto* findLabel = new QLabel(QStringLiteral("&Znajdź:"), this);
    findLabel->setBuddy(EdycjaZnajdz);
    EdycjaZamien = new QLineEdit(this);
    EdycjaZamien->setObjectName(QStringLiteral("EdycjaZamien"));
    EdycjaZamien->setValidator(new TCodePageValidator(EdycjaZamien));
    auto* replaceLabel = new QLabel(QStringLiteral("Zamień n&a:"), this);
    replaceLabel->setBuddy(EdycjaZamien);
    PrzycZam1 = NewButton(QStringLiteral("Za&mień"), "PrzycZam1", this);
    PrzycZamWsz1 = NewButton(QStringLiteral("Zamień &wszystko"), "PrzycZamWsz1", this);
    connect(PrzycZam1, &QPushButton::clicked, this, [this] { ReplaceClick(false); });
    connect(PrzycZamWsz1, &QPushButton::clicked, this, [this] { ReplaceClick(true); });

    auto* left = new QGridLayout;
    left->addWidget(findLabel, 0, 0);
    left->addWidget(EdycjaZnajdz, 0, 1);
    left->addWidget(replaceLabel, 1, 0);
    left->addWidget(EdycjaZamien, 1, 1);
    auto* checks = new QVBoxLayout;
    checks->addSpacing(8);
    checks->addWidget(Wyrazy1);
    checks->addWidget(Wielkosc1);
    checks->addStretch();
    left->addLayout(checks, 2, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(PrzycNast1);
    buttons->addWidget(PrzycZam1);
    buttons->addWidget(PrzycZamWsz1);
    buttons->addWidget(PrzycAnul1);
    buttons->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
    // Tab goes from the find text to the replace text, then on down the dialog.
    setTabOrder(EdycjaZnajdz, EdycjaZamien);
    setTabOrder(EdycjaZamien, Wyrazy1);
    setTabOrder(Wyrazy1, Wielkosc1);
    setTabOrder(Wielkosc1, PrzycNast1);
    setTabOrder(PrzycNast1, PrzycZam1);
    setTabOrder(PrzycZam1, PrzycZamWsz1);
    setTabOrder(PrzycZamWsz1, PrzycAnul1);
    UpdateButtons();
}

QString TReplaceDialog::ReplaceText() const {
    return EdycjaZamien->text();
}
void TReplaceDialog::SetReplaceText(const QString& text) {
    EdycjaZamien->setText(text);
}

void TReplaceDialog::UpdateButtons() {
    TFindDialogBase::UpdateButtons();
    const bool any = !FindText().isEmpty();
    PrzycZam1->setEnabled(any);
    PrzycZamWsz1->setEnabled(any);
}

void TReplaceDialog::ReplaceClick(bool all) {
    if (FindText().isEmpty()) return;
    replaceAll_ = all;
    if (OnReplace) OnReplace();
}
