#pragma once
// The spelling check dialog: one instance from start-up to the end of the
// program. It walks the built-in list of common misspellings entry by entry,
// finds each in the text editor as a whole word (case ignored), shows it with
// the proposed correction and lets the user correct it, edit the correction
// or go on. Each opening starts again from the first entry.
#include "dialogs/mainimages.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// What the check asks of the text editor.
class TSpellEditor {
public:
    virtual ~TSpellEditor() = default;
    // Searches forwards from the end of the selection for word as a whole
    // word, case ignored; selects it and returns true when found.
    virtual bool FindWord(const QString& word) = 0;
    virtual QString SelText() const = 0;
    virtual void SetSelText(const QString& text) = 0; // replaces the selection
    virtual void SetCaretToStart() = 0;
};

class TPisownia : public QDialog {
    Q_OBJECT
public:
    explicit TPisownia(const TMainImages& images, QWidget* parent = nullptr);
    ~TPisownia() override;

    QLabel* Label1;
    QLineEdit* Edycja1; // the word as found in the text, read-only
    QLabel* Label2;
    QLineEdit* Edycja2;      // the correction, editable
    QPushButton* PrzycPis1;  // "&Dalej"
    QPushButton* PrzycPopr1; // "&Popraw"
    QPushButton* PrzycZamk1; // "&Zamknij"
    QTimer* Zegar1;          // closes the dialog once the check has ended
    QStringList ListPis1;    // misspellings, in checking order
    QStringList ListPis2;    // their corrections
    int Tag = 0;             // the current entry

    // Runs the check on editor modally; returns when the dialog has closed.
    void Check(TSpellEditor& editor);

    void FormCreate(const TMainImages& images);
    void FormShow();
    void PrzycPis1Click(); // also the check step of the others
    void PrzycPopr1Click();
    void PrzycZamk1Click();
    void Zegar1Timer();
    // Esc closes the dialog; returns whether the key was taken.
    bool FormKeyDown(int key);

    // The editor of the check under way (nullptr while the dialog is closed).
    TSpellEditor* Editor() const { return editor_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TSpellEditor* editor_ = nullptr;
};

extern TPisownia* Pisownia;
