// The text tab's "&Edycja" menu, the editor's pop-up and the editing tool
// buttons. Enabling runs each time a menu opens and before a shortcut's command.
#include "app/edytorwidget.h"
#include "app/mein.h"
#include "app/szuk.h"
#include "app/textcontrol.h"
#include "appcore/calcengine.h"
#include "appcore/casechange.h"
#include "appcore/charrewrite.h"
#include "appcore/replaceall.h"
#include "appcore/textimage.h"
#include "base/cp1250.h"
#include "base/integertext.h"
#include "dialogs/commandguard.h"
#include "dialogs/diaok.h"
#include "dialogs/finddialogs.h"
#include "dialogs/kalkul.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QTextCursor>
#include <QTime>

namespace {
// Replaces the selection's letters by their other case, in place, as one undo
// step; the caret ends behind the selection with nothing selected.
void ChangeSelectionCase(TTextControl& editor, TLetterCase to) {
    const QTextCursor selection = editor.Widget()->textCursor();
    if (!selection.hasSelection()) return;
    const int end = editor.SelStart() + editor.SelLength();
    RewriteCharacters(*editor.Widget()->document(), selection.selectionStart(),
                      selection.selectionEnd(),
                      [to](char16_t c, int) { return ChangeLetterCase(c, to); });
    editor.SetSelStart(end);
}

// The options the dialog shows.
TFindOptions DialogOptions(const TFindDialogBase& dialog) {
    TFindOptions options = 0;
    if (dialog.Down()) options |= frDown;
    if (dialog.MatchCase()) options |= frMatchCase;
    if (dialog.WholeWord()) options |= frWholeWord;
    return options;
}

// The replace button's test: the selection is an occurrence whatever the case.
bool SelectionIsTheFindText(const TTextControl& editor, const QString& find) {
    return !find.isEmpty() && editor.SelText().compare(find, Qt::CaseInsensitive) == 0;
}

// A single-line selection offered as the text to find.
void OfferSelection(TFindDialogBase& dialog, const TTextControl& editor) {
    const QString selected = editor.SelText();
    if (!selected.isEmpty() && selected.size() <= 200 && !selected.contains(QLatin1Char('\r')) &&
        !selected.contains(QLatin1Char('\n')))
        dialog.SetFindText(selected);
}

void NotFound() {
    ShowMessageDialog(QStringLiteral("Znajdź"), QStringLiteral("Nie znalazłem wpisanego tekstu."));
}

// Replace all from the selection to the end of the text: the selection first
// when it is an occurrence, then every match behind it, all in one editing
// step. The matches are those that replacing one at a time and searching on
// behind each new text would find.
void ReplaceAllInEditor(TTextControl& editor, const QString& find, const QString& with,
                        TFindOptions options) {
    const int selStart = editor.SelStart();
    const int selLength = editor.SelLength();
    const QByteArray& bytes = DocumentImage(editor.Widget()->document()).Bytes();
    const QByteArray withBytes = cp1250::Encode(with);
    std::vector<TTextControl::TReplacement> edits;
    const int from = selStart + selLength;
    int before = from > 0 ? uint8_t(bytes[from - 1]) : -1;
    if (SelectionIsTheFindText(editor, find)) {
        edits.push_back({selStart, selLength, with});
        if (!withBytes.isEmpty())
            before = uint8_t(withBytes.back());
        else
            before = selStart > 0 ? uint8_t(bytes[selStart - 1]) : -1;
    }
    bool encodable = false;
    const QByteArray findBytes = cp1250::Encode(find, &encodable);
    if (encodable) {
        const int n = int(findBytes.size());
        for (int m : ReplaceAllMatches(bytes, from, before, findBytes, withBytes, options))
            edits.push_back({m, n, with});
    }
    editor.ReplaceRanges(edits);
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
    OfferSelection(*ZnajDial1, *Edytor);
    ZnajDial1->Execute();
}
void TMain::PrzycZnaj1Click() {
    Znajd1Click();
}
void TMain::Zamie1Click() {
    CreateEdycjaDialogs();
    OfferSelection(*ZamDial1, *Edytor);
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

void TMain::ZnajDial1Find() {
    if (!FindInEditor(*Edytor, ZnajDial1->FindText(), DialogOptions(*ZnajDial1))) NotFound();
}

void TMain::ZamDial1Find() {
    if (!FindInEditor(*Edytor, ZamDial1->FindText(), DialogOptions(*ZamDial1))) NotFound();
}

void TMain::ZamDial1Replace() {
    const QString find = ZamDial1->FindText();
    const QString with = ZamDial1->ReplaceText();
    if (ZamDial1->ReplaceAll()) {
        ReplaceAllInEditor(*Edytor, find, with, DialogOptions(*ZamDial1) | frReplaceAll);
        return;
    }
    if (SelectionIsTheFindText(*Edytor, find)) Edytor->SetSelText(with);
    if (!FindInEditor(*Edytor, find, DialogOptions(*ZamDial1) | frReplace)) NotFound();
}
