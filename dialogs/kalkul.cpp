#include "dialogs/kalkul.h"

#include "dialogs/dialogseam.h"
#include "dialogs/kalkulicons.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kPurple(0x80, 0x00, 0x80);

struct TButtonPlace {
    int id;
    const char* caption; // empty: a picture
    int left, top;
    int picture; // calcicons::Picture, -1 for a caption
    QColor color;
    char16_t key; // what it sends to the state machine; 0 for the others
};

// The 28 buttons, row by row.
const std::array<TButtonPlace, 28>& Places() {
    static const std::array<TButtonPlace, 28> places = {{
        {27, "", 47, 6, calcicons::Confirm, QColor(), 0},
        {28, "", 85, 6, calcicons::Cancel, QColor(), 0},
        {21, "<-", 145, 6, -1, kMaroon, TCalcEngine::kBackspace},
        {22, "C", 191, 6, -1, kMaroon, u'C'},
        {26, "MC", 5, 32, -1, kNavy, 0},
        {8, "7", 47, 32, -1, QColor(), u'7'},
        {9, "8", 85, 32, -1, QColor(), u'8'},
        {10, "9", 123, 32, -1, QColor(), u'9'},
        {13, "/", 161, 32, -1, kPurple, u'/'},
        {17, "sqrt", 199, 32, -1, kNavy, u'Q'},
        {25, "MR", 5, 56, -1, kNavy, 0},
        {5, "4", 47, 56, -1, QColor(), u'4'},
        {6, "5", 85, 56, -1, QColor(), u'5'},
        {7, "6", 123, 56, -1, QColor(), u'6'},
        {14, "", 161, 56, calcicons::Times, kPurple, u'*'},
        {18, "%", 199, 56, -1, kNavy, u'%'},
        {24, "MS", 5, 80, -1, kNavy, 0},
        {2, "1", 47, 80, -1, QColor(), u'1'},
        {3, "2", 85, 80, -1, QColor(), u'2'},
        {4, "3", 123, 80, -1, QColor(), u'3'},
        {15, "", 161, 80, calcicons::Minus, kPurple, u'-'},
        {19, "1/x", 199, 80, -1, kNavy, u'R'},
        {23, "MP", 5, 104, -1, kNavy, 0},
        {1, "0", 47, 104, -1, QColor(), u'0'},
        {11, "", 85, 104, calcicons::PlusMinus, QColor(), u'_'},
        {12, ".", 123, 104, -1, QColor(), u'.'}, // captioned with the locale's separator
        {16, "", 161, 104, calcicons::Plus, kPurple, u'+'},
        {20, "=", 199, 104, -1, kPurple, u'='},
    }};
    return places;
}

const TButtonPlace& PlaceOf(int id) {
    for (const TButtonPlace& p : Places())
        if (p.id == id) return p;
    return Places()[0];
}
} // namespace

TKalkulDialog::TKalkulDialog(int precision, bool beepOnError, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Kalkul1"));
    setFixedSize(242, 159);
    setModal(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(true);
    setFont(font);

    Engine.Precision = precision;
    Engine.BeepOnError = beepOnError;
    Engine.OnBeep = [] { QApplication::beep(); };
    Engine.OnChange = [this] { UpdateView(); };

    Ramka1 = new QFrame(this);
    Ramka1->setObjectName(QStringLiteral("Ramka1"));
    Ramka1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Ramka1->setLineWidth(1);
    Ramka1->setGeometry(0, 0, 242, 159);

    Wyswietlacz1 = new QLabel(Ramka1);
    Wyswietlacz1->setObjectName(QStringLiteral("Wyswietlacz1"));
    Wyswietlacz1->setGeometry(6, 6, 230, 23);
    Wyswietlacz1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Wyswietlacz1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Wyswietlacz1->setTextFormat(Qt::PlainText);
    Wyswietlacz1->setAutoFillBackground(true);
    Wyswietlacz1->setContentsMargins(0, 0, 4, 0);
    QPalette white = Wyswietlacz1->palette();
    white.setColor(QPalette::Window, white.color(QPalette::Base));
    white.setColor(QPalette::WindowText, white.color(QPalette::Text));
    Wyswietlacz1->setPalette(white);

    PanelPrzyc1 = new QWidget(Ramka1);
    PanelPrzyc1->setObjectName(QStringLiteral("PanelPrzyc1"));
    PanelPrzyc1->setGeometry(1, 159 - 1 - 129, 240, 129);

    Pamiec1 = new QLabel(PanelPrzyc1);
    Pamiec1->setObjectName(QStringLiteral("Pamiec1"));
    Pamiec1->setGeometry(6, 7, 34, 20);
    Pamiec1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Pamiec1->setAlignment(Qt::AlignCenter);

    for (const TButtonPlace& place : Places()) {
        auto* b = new QToolButton(PanelPrzyc1);
        b->setObjectName(QStringLiteral("PrzycKalk%1").arg(place.id));
        const bool wide = place.id == 21 || place.id == 22; // the two top right ones
        b->setGeometry(place.left, place.top, wide ? 44 : 36, 22);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        if (place.picture >= 0) {
            b->setIcon(calcicons::Cut(calcicons::Picture(place.picture)));
            b->setIconSize(QSize(16, 16));
        } else if (place.id == 12) {
            b->setText(Engine.DecimalSeparator());
        } else {
            b->setText(QString::fromLatin1(place.caption));
        }
        if (place.color.isValid()) {
            QPalette pal = b->palette();
            pal.setColor(QPalette::ButtonText, place.color);
            b->setPalette(pal);
        }
        const int id = place.id;
        b->setProperty("id", id);
        connect(b, &QToolButton::clicked, this, [this, id] { ButtonClick(id); });
        buttons_[place.id - 1] = b;
    }
    Button(kConfirm)->setToolTip(QStringLiteral("OK"));
    Button(kCancel)->setToolTip(QStringLiteral("Anuluj"));

    PopKalk1 = new QMenu(this);
    PopKalk1->setObjectName(QStringLiteral("PopKalk1"));
    Kopiuj1 = PopKalk1->addAction(QStringLiteral("&Copy"));
    Kopiuj1->setObjectName(QStringLiteral("Kopiuj1"));
    Kopiuj1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    Wklej1 = PopKalk1->addAction(QStringLiteral("&Paste"));
    Wklej1->setObjectName(QStringLiteral("Wklej1"));
    Wklej1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    for (QAction* a : {Kopiuj1, Wklej1}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a); // the shortcuts work while the menu is closed
    }
    connect(Kopiuj1, &QAction::triggered, this,
            [this] { Engine.ProcessKey(QChar(TCalcEngine::kCopy)); });
    connect(Wklej1, &QAction::triggered, this,
            [this] { Engine.ProcessKey(QChar(TCalcEngine::kPaste)); });
    connect(PopKalk1, &QMenu::aboutToShow, this, [this] { PopKalk1Popup(); });

    // Keys reach the dialog before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    UpdateView();
}

void TKalkulDialog::UpdateView() {
    Wyswietlacz1->setText(Engine.Display());
    Pamiec1->setText(Engine.MemoryMark());
}

void TKalkulDialog::PopKalk1Popup() {
    const QClipboard* clipboard = QApplication::clipboard();
    Wklej1->setEnabled(clipboard && !clipboard->text().isEmpty());
}

QToolButton* TKalkulDialog::ButtonForKey(QChar mapped) const {
    for (const TButtonPlace& place : Places())
        if (place.key != 0 && place.key == mapped.unicode()) return Button(place.id);
    return nullptr;
}

void TKalkulDialog::ButtonClick(int id) {
    const TButtonPlace& place = PlaceOf(id);
    if (place.key != 0) {
        Engine.ProcessKey(QChar(place.key));
        return;
    }
    switch (id) {
    case 23:
        Engine.MemoryAdd();
        break;
    case 24:
        Engine.MemoryStore();
        break;
    case 25:
        Engine.MemoryRecall();
        break;
    case 26:
        Engine.MemoryClear();
        break;
    case kConfirm:
        if (Engine.Confirm()) accept();
        break;
    case kCancel:
        reject();
        break;
    default:
        break;
    }
}

bool TKalkulDialog::FormKeyPress(QChar typed, int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        if (key == Qt::Key_C)
            typed = QChar(TCalcEngine::kCopy);
        else if (key == Qt::Key_V)
            typed = QChar(TCalcEngine::kPaste);
        else
            return false;
        Engine.ProcessKey(typed);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = QChar(TCalcEngine::kReturn);
    else if (key == Qt::Key_Escape)
        typed = QChar(TCalcEngine::kEscape);
    else if (key == Qt::Key_Backspace)
        typed = QChar(TCalcEngine::kBackspace);
    if (typed.isNull()) return false;
    const QChar mapped = Engine.MapKey(typed);
    if (QToolButton* b = ButtonForKey(mapped)) {
        // The button shows pressed for a moment; its click runs now.
        b->setDown(true);
        QTimer::singleShot(100, b, [b] { b->setDown(false); });
        ButtonClick(b->property("id").toInt());
        return true;
    }
    Engine.ProcessKey(typed);
    return true;
}

bool TKalkulDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const QString text = k->text();
        if (FormKeyPress(text.isEmpty() ? QChar() : text[0], k->key(), k->modifiers())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TKalkulDialog::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (FormKeyPress(text.isEmpty() ? QChar() : text[0], event->key(), event->modifiers())) return;
    QDialog::keyPressEvent(event);
}

void TKalkulDialog::contextMenuEvent(QContextMenuEvent* event) {
    PopKalk1->exec(event->globalPos());
}

void TKalkulDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen =
            (parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen()))
        move(screen->availableGeometry().center() - rect().center());
}

// ---- The component -------------------------------------------------------------------

TKalkulator::TKalkulator(QObject* parent) : QObject(parent) {}

bool TKalkulator::ShowCalculator(QWidget* parent) {
    TKalkulDialog dialog(Precision, BeepOnError, parent);
    dialog.setWindowTitle(Title);
    dialog.Engine.Start(Value, Memory);
    const bool confirmed = seam::RunDialog(dialog) == QDialog::Accepted;
    if (confirmed) {
        Memory = dialog.Engine.Memory();
        const double shown = dialog.Engine.DisplayValue();
        if (shown != Value) Value = shown;
    }
    return confirmed;
}
