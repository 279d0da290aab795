#pragma once
// The modeless find and replace dialogs of the text editor, in the manner of
// a desktop's standard ones. They only collect the text and the options and
// tell their owner which button was pressed; the owner searches.
//
// Find: find text, whole word, match case, direction (up / down, down at
// start), "Znajdź następny" and "Anuluj". Replace: find and replace texts,
// whole word, match case (it always searches down), "Znajdź następny",
// "Zamień", "Zamień wszystko", "Anuluj". Enter is find next, Esc closes.
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFindDialogBase : public QDialog {
    Q_OBJECT
public:
    QString FindText() const;
    void SetFindText(const QString& text);
    bool MatchCase() const;
    bool WholeWord() const;
    virtual bool Down() const = 0;

    // Shows the dialog (or brings it to the front) with the find text selected.
    void Execute();

    QLineEdit* EdycjaZnajdz;
    QCheckBox* Wyrazy1;   // whole word
    QCheckBox* Wielkosc1; // match case
    QPushButton* PrzycNast1;
    QPushButton* PrzycAnul1;

    // "Znajdź następny" was pressed (or Enter).
    std::function<void()> OnFind;

protected:
    explicit TFindDialogBase(QWidget* parent);
    virtual void UpdateButtons();
    void FindClick();
};

class TFindDialog : public TFindDialogBase {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);
    bool Down() const override;

    QRadioButton* WGore1;
    QRadioButton* WDol1;
};

class TReplaceDialog : public TFindDialogBase {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent = nullptr);
    bool Down() const override { return true; }

    QString ReplaceText() const;
    void SetReplaceText(const QString& text);
    // Which of the two replace buttons ran OnReplace last.
    bool ReplaceAll() const { return replaceAll_; }

    QLineEdit* EdycjaZamien;
    QPushButton* PrzycZam1;
    QPushButton* PrzycZamWsz1;

    // "Zamień" or "Zamień wszystko" was pressed; ReplaceAll() tells which.
    std::function<void()> OnReplace;

protected:
    void UpdateButtons() override;

private:
    void ReplaceClick(bool all);
    bool replaceAll_ = false;
};
