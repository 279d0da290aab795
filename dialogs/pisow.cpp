#include "dialogs/pisow.h"

#include "appcore/misspellings.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

TPisownia* Pisownia = nullptr;

namespace {
QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(222, top, 104, 25);
    button->setFlat(true);
    button->setAutoDefault(false); // Enter in the correction field presses nothing
    return button;
}
} // namespace

TPisownia::TPisownia(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Pisownia"));
    setWindowTitle(QStringLiteral("Sprawdzanie pisowni"));
    setFixedSize(334, 98);
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPixelSize(11);
    setFont(small);

    Label1 = new QLabel(QStringLiteral("Wyraz zawierający błąd:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 206, 14);
    Edycja1 = new QLineEdit(this);
    Edycja1->setObjectName(QStringLiteral("Edycja1"));
    Edycja1->setGeometry(8, 21, 206, 22);
    Edycja1->setReadOnly(true);
    Edycja1->setFocusPolicy(Qt::NoFocus);
    Label2 = new QLabel(QStringLiteral("Popraw na:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 50, 206, 14);
    Edycja2 = new QLineEdit(this);
    Edycja2->setObjectName(QStringLiteral("Edycja2"));
    Edycja2->setGeometry(8, 65, 206, 22);
    Label2->setBuddy(Edycja2);

    PrzycPis1 = Button(this, "PrzycPis1", QStringLiteral("&Dalej"), 6);
    PrzycPopr1 = Button(this, "PrzycPopr1", QStringLiteral("&Popraw"), 36);
    PrzycZamk1 = Button(this, "PrzycZamk1", QStringLiteral("&Zamknij"), 66);
    connect(PrzycPis1, &QPushButton::clicked, this, [this] { PrzycPis1Click(); });
    connect(PrzycPopr1, &QPushButton::clicked, this, [this] { PrzycPopr1Click(); });
    connect(PrzycZamk1, &QPushButton::clicked, this, [this] { PrzycZamk1Click(); });
    setTabOrder(Edycja2, PrzycPis1);
    setTabOrder(PrzycPis1, PrzycPopr1);
    setTabOrder(PrzycPopr1, PrzycZamk1);

    Zegar1 = new QTimer(this);
    Zegar1->setObjectName(QStringLiteral("Zegar1"));
    Zegar1->setSingleShot(true);
    Zegar1->setInterval(1);
    connect(Zegar1, &QTimer::timeout, this, [this] { Zegar1Timer(); });

    ListPis1 = Misspellings();
    ListPis2 = Corrections();
    FormCreate(images);
    Pisownia = this;
}

TPisownia::~TPisownia() {
    if (Pisownia == this) Pisownia = nullptr;
}

void TPisownia::FormCreate(const TMainImages& images) {
    PrzycZamk1->setIcon(images.PrzycAnul1);
}

void TPisownia::Check(TSpellEditor& editor) {
    editor_ = &editor;
    Zegar1->stop();
    seam::RunDialog(*this);
    Zegar1->stop();
    editor_ = nullptr;
}

void TPisownia::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Edycja2->setFocus();
    // The check starts once the dialog runs modally, so an end message
    // appears over a dialog that is already there.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && editor_) FormShow();
    });
}

void TPisownia::FormShow() {
    Tag = 0;
    Edycja1->clear();
    Edycja2->clear();
    if (!editor_) return;
    editor_->SetCaretToStart();
    PrzycPis1Click();
}

void TPisownia::PrzycPis1Click() {
    if (!editor_ || ListPis1.isEmpty() || Zegar1->isActive()) return;
    // One entry after the other, each searched from the start of the text;
    // a loop, never a call chain.
    for (;;) {
        if (editor_->FindWord(ListPis1[Tag])) {
            Edycja1->setText(editor_->SelText());
            Edycja2->setText(ListPis2[Tag]);
            Edycja2->selectAll();
            return;
        }
        if (Tag >= ListPis1.size() - 1) {
            ShowMessageDialog(QStringLiteral("Sprawdzanie pisowni"),
                              QStringLiteral("Sprawdzanie pisowni zostało zakończone."));
            Zegar1->start();
            return;
        }
        editor_->SetCaretToStart();
        ++Tag;
    }
}

void TPisownia::PrzycPopr1Click() {
    if (!editor_ || Zegar1->isActive()) return;
    editor_->SetSelText(Edycja2->text());
    PrzycPis1Click();
}

void TPisownia::PrzycZamk1Click() {
    reject();
}

void TPisownia::Zegar1Timer() {
    Zegar1->stop();
    reject();
}

bool TPisownia::FormKeyDown(int key) {
    if (key != Qt::Key_Escape) return false;
    reject();
    return true;
}

void TPisownia::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event->key())) return;
    QDialog::keyPressEvent(event);
}
