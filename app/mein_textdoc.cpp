// The text document's state and its status read-outs. The document counts as
// modified exactly when panel 0 of Informator reads "Zmieniony". The read-outs
// never copy the text: its length and the caret's line come from the control's
// indexes.
#include "app/mein.h"
#include "app/statuspanels.h"
#include "app/textcontrol.h"
#include "dialogs/diaok.h"

namespace {
const QString kModified = QStringLiteral("Zmieniony");
const QString kUnmodified = QStringLiteral("Nie zmieniony");
} // namespace

bool TMain::TextModified() const {
    return Informator->PanelText(0) == kModified;
}

void TMain::SetTextUnmodified() {
    Informator->SetPanelText(0, kUnmodified);
}

void TMain::EdytorChange() {
    if (Informator->PanelText(0) != kModified) Informator->SetPanelText(0, kModified);
    Informator->SetPanelText(1, QString::number(Edytor->TextLength()) + QStringLiteral(" B"));
}

void TMain::EdytorSelectionChange() {
    ShowLineColumn();
}

void TMain::ShowLineColumn() {
    const int p = Edytor->SelStart();
    const int line = Edytor->LineFromChar(p);
    const int column = p - Edytor->LineIndex(line);
    Informator->SetPanelText(2, QString::asprintf("%3d:%3d", line + 1, column + 1));
}

bool TMain::LoadTextDocument(const QString& fileName) {
    try {
        Edytor->LoadFromFile(fileName);
    } catch (const ETextFileTooBig&) {
        ShowMessageDialog(QStringLiteral("Otwieranie pliku"),
                          QStringLiteral("Plik jest za duży dla edytora tekstu. Otwórz go w "
                                         "edytorze heksacyjnym."));
        return false;
    }
    SetTextCaption(QStringLiteral("Vorbix 2 - ") + fileName);
    DialZap1.FileName = fileName;
    DialOtw1.FileName = fileName;
    SetTextUnmodified();
    return true;
}
