#pragma once
// The pocket calculator: the component TKalkulator keeps a value and a memory
// between uses and shows a fresh TKalkulDialog for each use; the dialog's
// display, memory mark and 28 buttons drive the calculator state machine.
#include "appcore/calcengine.h"

#include <QDialog>
#include <QObject>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

class TKalkulDialog : public QDialog {
    Q_OBJECT
public:
    // Button ids as the layout numbers them: 1 to 10 the digits 0 to 9,
    // 11 plus-minus, 12 the decimal separator, 13 "/", 14 "*", 15 "-", 16 "+",
    // 17 sqrt, 18 "%", 19 "1/x", 20 "=", 21 backspace, 22 "C", 23 memory add,
    // 24 "MS", 25 "MR", 26 "MC", 27 confirm, 28 cancel.
    enum { kButtons = 28, kConfirm = 27, kCancel = 28 };

    explicit TKalkulDialog(int precision, bool beepOnError, QWidget* parent = nullptr);

    TCalcEngine Engine;
    QFrame* Ramka1;
    QLabel* Wyswietlacz1; // the display
    QWidget* PanelPrzyc1; // the button panel
    QLabel* Pamiec1;      // the memory mark
    QMenu* PopKalk1;
    QAction *Kopiuj1, *Wklej1;

    QToolButton* Button(int id) const { return buttons_[id - 1]; }
    // The button that sends a mapped key, or nullptr.
    QToolButton* ButtonForKey(QChar mapped) const;
    void ButtonClick(int id);
    // A key typed in the dialog (the character it produces, and the key code
    // for those without one); returns whether it was taken.
    bool FormKeyPress(QChar typed, int key, Qt::KeyboardModifiers modifiers);
    void PopKalk1Popup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void UpdateView();
    std::array<QToolButton*, kButtons> buttons_{};
};

class TKalkulator : public QObject {
    Q_OBJECT
public:
    explicit TKalkulator(QObject* parent = nullptr);

    QString Title = QStringLiteral("Calculator");
    double Value = 0;
    double Memory = 0;
    int Precision = 15;
    bool BeepOnError = true;

    // Shows the dialog modally; true when the user confirmed, and then Value
    // holds the result. Cancelling leaves Value and Memory as they were.
    bool ShowCalculator(QWidget* parent = nullptr);
};
