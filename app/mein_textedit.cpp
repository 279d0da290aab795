// The text tab's "&Edycja" menu, the editor's pop-up and the editing tool
// buttons. Enabling runs each time a menu opens and before a shortcut's command.
#include "app/mein.h"
#include "app/textcontrol.h"

#include <QAction>
#include <QMenu>

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

void TMain::Znajd1Click() {}
void TMain::PrzycZnaj1Click() {
    Znajd1Click();
}
void TMain::Zamie1Click() {}
void TMain::Data1Click() {}
void TMain::Godzina1Click() {}
void TMain::Obliczenia1Click() {}
void TMain::ZawijWier1Click() {}
void TMain::Zmienadueznaki1Click() {}
void TMain::Zmianad1Click() {
    Zmienadueznaki1Click();
}
void TMain::Zmienamaeznaki1Click() {}
void TMain::Zmianam1Click() {
    Zmienamaeznaki1Click();
}
