#pragma once
// The conversion dialog of the hex side: a source set ("Z:") and a target set
// ("Do:") chosen from two lists. The program creates one at start-up, and
// every conversion makes a fresh one of its own.
#include "dialogs/mainimages.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class TBackgroundBar;

class TKonwert : public QDialog {
    Q_OBJECT
public:
    explicit TKonwert(const TMainImages& images, QWidget* parent = nullptr);
    ~TKonwert() override;

    TBackgroundBar* TloPs1;
    QLabel* Label1;
    QLabel* Label2;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QPushButton* PrzycKonw1;
    QPushButton* PrzycZamk1;

    void FormCreate(const TMainImages& images);
    // Either list's choice changed: "&Konwertuj" only for two different sets.
    void ListBox1Click();
    void PrzycKonw1Click();
    void PrzycZamk1Click();

    // The chosen row of a list (the set's translation value), -1 when none is chosen.
    static int Chosen(const QListWidget* list);
    int Source() const { return Chosen(ListBox1); }
    int Target() const { return Chosen(ListBox2); }
};

// The instance created at start-up.
extern TKonwert* Konwert;
