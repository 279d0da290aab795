// The hex tab's "&Plik" commands, the hex save routine, and the hex status bar
// and caption that follow the hex editor's state.
#include "diaok.h"
#include "mein.h"
#include "statuspanels.h"
#include "thexeditor.h"

#include <QFileInfo>

void TMain::Neu1Click() {}
void TMain::ffnen1Click() {}
void TMain::Speichern1Click() {
    SaveHexFile();
}
void TMain::AnyFile1Click() {}
void TMain::HexText1Click() {}
void TMain::ImportfromHexText1Click() {}
void TMain::Beenden1Click() {
    close();
}
void TMain::Datei1Click() {}

bool TMain::SaveHexFile() {
    const QString name = HexEditor1->FileName();
    if (!HexEditor1->FileReadOnly() && QFileInfo::exists(name)) {
        if (HexEditor1->SaveToFile(name)) return true;
        ShowMessageDialog(QStringLiteral("Vorbix"),
                          QStringLiteral("Nie mogłem zapisać pliku: ") + name + QLatin1Char('.'));
        return false;
    }
    if (!ZapDial2.Execute(this)) return false;
    if (HexEditor1->SaveToFile(ZapDial2.FileName)) return true;
    ShowMessageDialog(QStringLiteral("Vorbix"), QStringLiteral("Nie mogłem zapisać pliku: ") +
                                                    ZapDial2.FileName + QLatin1Char('.'));
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

void TMain::HexEditor1KeyDown(int& key, Qt::KeyboardModifiers shift) {}

void TMain::SpeedItem1Click() {
    Neu1Click();
}
void TMain::SpeedItem2Click() {
    ffnen1Click();
}
void TMain::SpeedItem3Click() {
    Speichern1Click();
}
