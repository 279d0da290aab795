// "&Konfiguracja" from both menu bars and both tool bar pop-ups.
#include "app/mein.h"

void TMain::Konfiguracja1Click() {}
void TMain::Konfiguracja3Click() {
    Konfiguracja1Click();
}
