// The hex tab's "&Edycja" commands and the conversion of "&Plik". Enabling
// (Bearbeiten1Click) runs each time the menu opens and before a shortcut's command.
#include "mein.h"
#include "thexeditor.h"

void TMain::Bearbeiten1Click() {}
void TMain::Rckgngig1Click() {}
void TMain::Ausschneiden1Click() {}
void TMain::Kopieren1Click() {}
void TMain::Einfgen1Click() {}
void TMain::PasteText1Click() {}
void TMain::Goto1Click() {}
void TMain::Find1Click() {}
void TMain::SetAsHex1Click() {}
void TMain::SetAsText1Click() {}
void TMain::Convertfile1Click() {}

void TMain::SpeedItem6Click() {
    Ausschneiden1Click();
}
void TMain::SpeedItem7Click() {
    Kopieren1Click();
}
void TMain::SpeedItem8Click() {
    Einfgen1Click();
}
void TMain::SpeedItem9Click() {
    Find1Click();
}
