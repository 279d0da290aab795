// "&Sprawdź pisownię" and its tool button.
#include "app/mein.h"

void TMain::Sprawd1Click() {}
void TMain::PrzycPis1Click() {
    Sprawd1Click();
}
