// "&Sprawdź pisownię" and its tool button: the spelling dialog checks the
// text editor through FindInEditor with the fixed options PisowK1.
#include "app/mein.h"
#include "app/szuk.h"
#include "app/textcontrol.h"
#include "dialogs/pisow.h"

namespace {
class TEditorForSpelling : public TSpellEditor {
public:
    TEditorForSpelling(TTextControl& editor, TFindOptions options)
        : editor_(editor), options_(options) {}
    bool FindWord(const QString& word) override { return FindInEditor(editor_, word, options_); }
    QString SelText() const override { return editor_.SelText(); }
    void SetSelText(const QString& text) override { editor_.SetSelText(text); }
    void SetCaretToStart() override { editor_.SetSelStart(0); }

private:
    TTextControl& editor_;
    TFindOptions options_;
};
} // namespace

void TMain::Sprawd1Click() {
    if (!Pisownia) return;
    TEditorForSpelling editor(*Edytor, PisowK1);
    Pisownia->Check(editor);
}

void TMain::PrzycPis1Click() {
    Sprawd1Click();
}
