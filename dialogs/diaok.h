#pragma once
// The message dialog through which the whole program informs the user: one
// instance for the program's lifetime, one button, no result. It keeps the last
// caption and text until the next message replaces them.
#include "dialogs/mainimages.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TBackgroundBar;

class TDialOkey : public QDialog {
    Q_OBJECT
public:
    explicit TDialOkey(const TMainImages& images, QWidget* parent = nullptr);
    ~TDialOkey() override;

    // Caption and text of the next showing (ShowMessageDialog sets both).
    void SetMessage(const QString& caption, const QString& text);

    TBackgroundBar* PasTlo1;
    QLabel* ObrazIkon1;
    QLabel* NapX;
    QPushButton* PrzycZamk1;

    void FormCreate(const TMainImages& images);
    // Enter or Esc closes the dialog; returns whether the key was taken.
    bool FormKeyDown(int key);
    void PrzycZamk1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// The program's instance (the newest one created; nullptr before start-up).
extern TDialOkey* DialOkey;

// Gives the message dialog the caption and the text and shows it modally;
// returns when it is closed. Works at any time: before the program's dialog
// exists a plain one is made on demand.
void ShowMessageDialog(const QString& caption, const QString& text);
