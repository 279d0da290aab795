// The text tab's printing commands.
#include "app/mein.h"

void TMain::Drukuj2Click() {}
void TMain::Ustawieniadrukarki2Click() {}
