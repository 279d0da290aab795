#pragma once
// The About box: one instance from start-up to the end of the program, shown
// modally and closed with its close box. Clicking the notice line widens it
// for good; the two addresses open in the desktop's programs.
#include "dialogs/mainimages.h"

#include <QDialog>

class QFrame;
class QLabel;
class TBackgroundBar;

class TInfo : public QDialog {
    Q_OBJECT
public:
    explicit TInfo(const TMainImages& images, QWidget* parent = nullptr);
    ~TInfo() override;

    static const QString kWebPage;
    static const QString kEmail;

    TBackgroundBar* TloPs1;
    QWidget* RxLabel1; // the title with its shadow
    QLabel* Label3;    // notice line
    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Naphttp1;
    QLabel* NapEmail1;
    QFrame* Panel1;
    QLabel* Zdjec1;
    QFrame* Bevel2;
    QLabel* Notka1;   // the note inside Bevel2
    QLabel* Podziek1; // shown only when the box is wide

    void FormCreate(const TMainImages& images);
    void Label3Click();
    void Naphttp1Click();
    void NapEmail1Click();

protected:
    void showEvent(QShowEvent* event) override; // centred on the desktop
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TInfo* Info;
