// The text tab's "Eksport do RTF", "Wstaw tekst z pliku" and "Wstaw tekst do pliku".
#include "app/mein.h"

void TMain::EksportdoRTF2Click() {}
void TMain::Wstawtekstzpliku2Click() {}
void TMain::Wstawtekstdopliku1Click() {}
