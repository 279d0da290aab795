// The hex tab's "&Plik" commands, the hex save routine, and the hex status bar
// and caption that follow the hex editor's state.
#include "app/mein.h"
#include "app/statuspanels.h"
#include "dialogs/diaok.h"
#include "hexeditor/core/hextextfile.h"
#include "hexeditor/widget/thexeditor.h"

#include <QFileInfo>
#include <limits>

namespace {
void SaveFailed(const QString& name) {
    ShowMessageDialog(QStringLiteral("Vorbix"),
                      QStringLiteral("Nie mogłem zapisać pliku: ") + name + QLatin1Char('.'));
}
} // namespace

void TMain::Neu1Click() {
    if (!QuerySaveHex()) return;
    HexEditor1->CreateEmptyFile(QStringLiteral("Bez nazwy"));
}

void TMain::ffnen1Click() {
    if (!QuerySaveHex()) return;
    if (!OtwDial2.Execute(this)) return;
    // Positions are 32-bit: a bigger file is refused before the document changes.
    const QFileInfo info(OtwDial2.FileName);
    if (info.isFile() && info.size() > std::numeric_limits<int32_t>::max()) {
        ShowMessageDialog(QStringLiteral("Otwieranie pliku"),
                          QStringLiteral("Plik jest za duży dla edytora heksacyjnego (największy "
                                         "rozmiar to 2 GiB bez jednego bajtu)."));
        return;
    }
    // An unreadable file keeps the document and only marks it read-only.
    HexEditor1->LoadFromFile(OtwDial2.FileName);
}
void TMain::Speichern1Click() {
    SaveHexFile();
}
void TMain::AnyFile1Click() {
    if (!ZapDial2.Execute(this)) return;
    if (!HexEditor1->SaveToFile(ZapDial2.FileName)) SaveFailed(ZapDial2.FileName);
}

// An export only: the document keeps its name, modified state and undo journal.
void TMain::HexText1Click() {
    if (!ZapDial2.Execute(this)) return;
    if (!ExportHexTextFile(*HexEditor1, ZapDial2.FileName)) SaveFailed(ZapDial2.FileName);
}

// The file is decoded whole before the data change, so a file that cannot be
// read says so and never empties the document.
void TMain::ImportfromHexText1Click() {
    if (!OtwDial2.Execute(this)) return;
    if (!ImportHexTextFile(*HexEditor1, OtwDial2.FileName))
        ShowMessageDialog(QStringLiteral("Vorbix"),
                          QStringLiteral("Operacja wczytania pliku nie powiodła się."));
}
void TMain::Beenden1Click() {
    close();
}
void TMain::Datei1Click() {
    Convertfile1->setText(HexEditor1->SelCount() > 0 ? QStringLiteral("Konwertuj zaznaczenie")
                                                     : QStringLiteral("Konwertuj plik"));
}

bool TMain::SaveHexFile() {
    const QString name = HexEditor1->FileName();
    if (!HexEditor1->FileReadOnly() && QFileInfo::exists(name)) {
        if (HexEditor1->SaveToFile(name)) return true;
        SaveFailed(name);
        return false;
    }
    if (!ZapDial2.Execute(this)) return false;
    if (HexEditor1->SaveToFile(ZapDial2.FileName)) return true;
    SaveFailed(ZapDial2.FileName);
    return false;
}

void TMain::HexEditor1StateChanged() {
    StatusBar1->SetPanelText(0, QStringLiteral("Poz: ") +
                                    QString::number(HexEditor1->CurrentPosition()));
    if (HexEditor1->SelCount() > 0) {
        const int32_t a = HexEditor1->SelStart(), b = HexEditor1->SelEnd();
        StatusBar1->SetPanelText(1, QString::number(qMin(a, b)) + QStringLiteral(" - ") +
                                        QString::number(qMax(a, b)));
    } else {
        StatusBar1->SetPanelText(1, QString());
    }
    StatusBar1->SetPanelText(2, HexEditor1->Modified() ? QStringLiteral("Zmieniony")
                                                       : QStringLiteral("Nie zmieniony"));
    StatusBar1->SetPanelText(3, HexEditor1->InsertMode() ? QStringLiteral("WST")
                                                         : QStringLiteral("NAD"));
    StatusBar1->SetPanelText(4, QString::number(HexEditor1->DataSize()) + QStringLiteral(" B"));
    SetHexCaption(QStringLiteral("Vorbix 2 - ") + HexEditor1->FileName());
}

// Ctrl+A (exactly Ctrl) appends one 0xFF byte, which becomes the selection.
void TMain::HexEditor1KeyDown(int& key, Qt::KeyboardModifiers shift) {
    const Qt::KeyboardModifiers held =
        shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key != Qt::Key_A || held != Qt::ControlModifier) return;
    key = 0;
    const uint8_t ff = 0xFF;
    HexEditor1->AppendBuffer(&ff, 1);
}

void TMain::SpeedItem1Click() {
    Neu1Click();
}
void TMain::SpeedItem2Click() {
    ffnen1Click();
}
void TMain::SpeedItem3Click() {
    Speichern1Click();
}
