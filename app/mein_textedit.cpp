// The text tab's "&Edycja" menu, the editor's pop-up and the editing tool
// buttons. Enabling runs each time a menu opens and before a shortcut's command.
#include "app/mein.h"
#include "app/textcontrol.h"
#include "appcore/calcengine.h"
#include "appcore/casechange.h"
#include "base/integertext.h"
#include "dialogs/commandguard.h"
#include "dialogs/diaok.h"
#include "dialogs/finddialogs.h"
#include "dialogs/kalkul.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QTime>

namespace {
// Replaces the selection's letters by their other case; the caret ends behind
// the selection with nothing selected.
void ChangeSelectionCase(TTextControl& editor, TLetterCase to) {
    const int start = editor.SelStart();
    const int length = editor.SelLength();
    if (length == 0) return;
    const QString text = editor.SelText(); // line breaks as two characters, like the indexes
    std::vector<TTextControl::TReplacement> edits;
    for (const TTextSpan& span : ChangedSpans(text, to))
        edits.push_back({start + span.start, span.length,
                         ChangeCase(QStringView(text).mid(span.start, span.length), to)});
    editor.ReplaceRanges(edits);
    editor.SetSelStart(start + length);
}
} // namespace

void TMain::Edycja1Click() {
    Cofnij1->setEnabled(Edytor->CanUndo());
    const bool selected = Edytor->SelLength() > 0;
    for (QAction* a : {Zmiena1->menuAction(), Wytnij1, Kopiuj1, Usu1})
        a->setEnabled(selected);
}

void TMain::PopEdytor1Popup() {
    const bool selected = Edytor->SelLength() > 0;
    for (QAction* a : {Zmiena2->menuAction(), Wytnij2, Kopiuj2, Usu2})
        a->setEnabled(selected);
    Cofnij2->setEnabled(Edytor->CanUndo());
}

void TMain::Cofnij1Click() {
    Edytor->Undo();
}
void TMain::Cofnij2Click() {
    Edytor->Undo();
}
void TMain::Usu1Click() {
    Edytor->ClearSelection();
}
void TMain::Usu2Click() {
    Edytor->ClearSelection();
}
void TMain::PrzycUsu1Click() {
    Edytor->ClearSelection();
}
void TMain::Wytnij1Click() {
    Edytor->CutToClipboard();
}
void TMain::Wytnij2Click() {
    Edytor->CutToClipboard();
}
void TMain::PrzycWyt1Click() {
    Edytor->CutToClipboard();
}
void TMain::Kopiuj1Click() {
    Edytor->CopyToClipboard();
}
void TMain::Kopiuj2Click() {
    Edytor->CopyToClipboard();
}
void TMain::PrzycKop1Click() {
    Edytor->CopyToClipboard();
}
void TMain::Wklej1Click() {
    Edytor->PasteFromClipboard();
}
void TMain::Wklej2Click() {
    Edytor->PasteFromClipboard();
}
void TMain::PrzycWkl1Click() {
    Edytor->PasteFromClipboard();
}
void TMain::Zaznaczwszystko1Click() {
    Edytor->SelectAll();
}
void TMain::Zaznaczwszystko2Click() {
    Edytor->SelectAll();
}

void TMain::CreateEdycjaDialogs() {
    if (Kalkul1) return;
    Kalkul1 = new TKalkulator(this);
    Kalkul1->Title = QStringLiteral("Kalkulator");
    ZnajDial1 = new TFindDialog(this);
    ZnajDial1->OnFind = [this] { RunGuarded([this] { ZnajDial1Find(); }); };
    ZamDial1 = new TReplaceDialog(this);
    ZamDial1->OnFind = [this] { RunGuarded([this] { ZamDial1Find(); }); };
    ZamDial1->OnReplace = [this] { RunGuarded([this] { ZamDial1Replace(); }); };
}

void TMain::Znajd1Click() {
    CreateEdycjaDialogs();
    ZnajDial1->Execute();
}
void TMain::PrzycZnaj1Click() {
    Znajd1Click();
}
void TMain::Zamie1Click() {
    CreateEdycjaDialogs();
    ZamDial1->Execute();
}

void TMain::Data1Click() {
    Edytor->SetSelText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}
void TMain::Godzina1Click() {
    Edytor->SetSelText(QLocale().toString(QTime::currentTime(), QLocale::LongFormat));
}

void TMain::Obliczenia1Click() {
    CreateEdycjaDialogs();
    if (Edytor->SelLength() > 0) {
        if (const auto number = ParseIntegerText(Edytor->SelText()))
            Kalkul1->Value = *number;
        else
            ShowMessageDialog(
                QStringLiteral("Kalkulator"),
                QStringLiteral(
                    "Zaznaczony fragment tekstu nie składa się z cyfr lub jest on dwuliniowy."));
    }
    if (Kalkul1->ShowCalculator(this))
        Edytor->SetSelText(TCalcEngine::FormatNumber(Kalkul1->Value, 15, QLocale()));
}

void TMain::ZawijWier1Click() {
    Edytor->SetWordWrap(!Edytor->WordWrap());
    ZawijWier1->setChecked(Edytor->WordWrap());
}

void TMain::Zmienadueznaki1Click() {
    ChangeSelectionCase(*Edytor, TLetterCase::Upper);
}
void TMain::Zmianad1Click() {
    Zmienadueznaki1Click();
}
void TMain::Zmienamaeznaki1Click() {
    ChangeSelectionCase(*Edytor, TLetterCase::Lower);
}
void TMain::Zmianam1Click() {
    Zmienamaeznaki1Click();
}

void TMain::ZnajDial1Find() {}
void TMain::ZamDial1Find() {}
void TMain::ZamDial1Replace() {}
