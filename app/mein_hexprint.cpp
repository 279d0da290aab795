// The hex tab's printing commands.
#include "app/mein.h"
#include "hexeditor/widget/thexeditor.h"

void TMain::Print1Click() {}
void TMain::Printsetup1Click() {}
void TMain::SpeedItem4Click() {
    Print1Click();
}
