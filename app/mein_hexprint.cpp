// The hex tab's printing commands.
#include "mein.h"
#include "thexeditor.h"

void TMain::Print1Click() {}
void TMain::Printsetup1Click() {}
void TMain::SpeedItem4Click() {
    Print1Click();
}
