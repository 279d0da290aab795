// "Przekoduj na &ISO" and "Przekoduj na &Windows".
#include "app/mein.h"

void TMain::PrzekodujnaISO1Click() {}
void TMain::PrzekodujnaWindows1Click() {}
