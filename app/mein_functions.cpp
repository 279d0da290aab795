// "&Funkcje" and "©": the same handlers serve both menu bars.
#include "mein.h"

void TMain::Sprawd1Click() {}
void TMain::PrzycPis1Click() {
    Sprawd1Click();
}
void TMain::Konfiguracja1Click() {}
void TMain::Konfiguracja3Click() {
    Konfiguracja1Click();
}
void TMain::Doszufladki1Click() {}
void TMain::Pelnyekran1Click() {}
void TMain::PrzekodujnaISO1Click() {}
void TMain::PrzekodujnaWindows1Click() {}
void TMain::oprogramie1Click() {}
