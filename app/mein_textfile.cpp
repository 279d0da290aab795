// The text tab's "&Plik" commands and their tool buttons.
#include "app/mein.h"
#include "app/textcontrol.h"

void TMain::Nowy2Click() {
    QuerySaveText();
    Edytor->Clear();
    SetTextUnmodified();
    DialZap1.FileName.clear();
    DialOtw1.FileName.clear();
    SetTextCaption(QStringLiteral("Vorbix 2 - Bez nazwy"));
}

void TMain::Otwrz2Click() {
    QuerySaveText();
    TFileDialog dialog = DialOtw1; // a file that is not loaded leaves the names as they were
    if (!dialog.Execute(this)) return;
    if (LoadTextDocument(dialog.FileName)) DialOtw1 = dialog;
}

void TMain::Zapisz2Click() {
    SaveText();
}

void TMain::Zapiszjako2Click() {
    SaveTextAs();
}

bool TMain::SaveText() {
    if (DialZap1.FileName.isEmpty()) return SaveTextAs();
    Edytor->SaveToFile(DialZap1.FileName); // a failure ends in the error message
    SetTextUnmodified();
    return true;
}

bool TMain::SaveTextAs() {
    TFileDialog dialog = DialZap1; // a cancelled or failed save keeps the old name
    if (!dialog.Execute(this)) return false;
    Edytor->SaveToFile(dialog.FileName);
    DialZap1 = dialog;
    SetTextUnmodified();
    SetTextCaption(QStringLiteral("Vorbix 2 - ") + DialZap1.FileName);
    return true;
}

void TMain::PrzycNow1Click() {
    Nowy2Click();
}
void TMain::PrzycOtw1Click() {
    Otwrz2Click();
}
void TMain::PrzycZap1Click() {
    Zapisz2Click();
}
void TMain::PrzycZapJa1Click() {
    Zapiszjako2Click();
}
void TMain::PrzycDrukuj1Click() {
    Drukuj2Click();
}
